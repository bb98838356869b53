#pragma once

#include "report/report_content.h"
#include "report/report_input.h"
#include "text/language.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cw::report {

struct ReportMeta {
    std::string project;
    std::string date;     // as printed in every page's header
    std::string program;  // name and version
    Language language = Language::Greek;
};

// An A4 portrait calculation report. Each bay starts on a new page; the pages are laid out
// as the bays come and painted at the end, when the number of pages is known. Text stays
// text (selectable, searchable); the fonts are embedded.
class PdfReport {
public:
    explicit PdfReport(ReportMeta meta);
    ~PdfReport();
    PdfReport(const PdfReport&) = delete;
    PdfReport& operator=(const PdfReport&) = delete;

    void addBay(const std::string& bayName, const std::vector<Block>& blocks);
    void addRefused(const std::vector<RefusedRow>& rows);
    int pageCount() const;
    // Nothing on success, otherwise why the file could not be written.
    std::optional<std::string> write(const QString& path);

private:
    struct Layout;
    std::unique_ptr<Layout> m_layout;
};

}  // namespace cw::report
