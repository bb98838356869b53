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
    std::string project;  // the project's name; empty: the headers name none
    std::string date;     // as printed in every page's header
    std::string program;  // name and version
    Language language = Language::Greek;
};

// An A4 portrait calculation report: front sections (title, design basis, contents, summary,
// ...), then the bays, then the rows that gave none. Each section starts on a new page; the
// pages are laid out at the end, when every section is known, and painted once the page of
// every section is, so the contents and the summary can give them. Text stays text
// (selectable, searchable); the fonts are embedded; every section has a bookmark.
class PdfReport {
public:
    explicit PdfReport(ReportMeta meta);
    ~PdfReport();
    PdfReport(const PdfReport&) = delete;
    PdfReport& operator=(const PdfReport&) = delete;

    // A front section under its bookmark's title. The contents go where addContents is
    // called among them.
    void addFront(const std::string& bookmark, std::vector<Block> blocks);
    void addContents();
    void addBay(const std::string& bayName, std::vector<Block> blocks);
    void addRefused(const std::vector<RefusedRow>& rows);
    void setProject(std::string project);
    int pageCount() const;
    int frontPageCount() const;
    // Nothing on success, otherwise why the file could not be written.
    std::optional<std::string> write(const QString& path);

private:
    struct Layout;
    std::unique_ptr<Layout> m_layout;
};

}  // namespace cw::report
