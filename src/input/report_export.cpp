// "Print in  Excel": the results panel into column B of the report workbook.

#include "input/report_export.h"

#include "export/report_cells.h"
#include "export/xlsx_report.h"
#include "model/inventory.h"
#include "model/language_captions.h"
#include "model/verdicts.h"

#include <optional>

namespace cw {

using C = ControlId;

namespace {

struct CellSource {
    int row;
    std::optional<ControlId> source;  // nothing: the cell is cleared
    ControlId greekCaption;
    ControlId englishCaption;
    std::string_view unit;
};

// The report form's cells, in the order they are written.
constexpr CellSource kCellMap[] = {
    {8, C::Text24, C::Label36, C::Label88, "cm"},
    {9, C::Text26, C::Label37, C::Label89, "cm"},
    {10, C::Text27, C::Label38, C::Label90, "cm"},
    {11, C::Text28, C::Label39, C::Label91, "cm"},
    {13, C::Text33, C::Label49, C::Label92, "cm"},
    {15, C::Text34, C::Label50, C::Label93, "cm"},
    {18, C::Text29, C::Label40, C::Label94, "kN/m^2"},
    {19, C::Text30, C::Label42, C::Label95, "km / h"},
    {20, C::Text31, C::Label41, C::Label96, "m"},
    {22, C::Text32, C::Label43, C::Label97, "mm"},
    {26, C::Text5, C::Label17, C::Label98, "cm^4"},
    {27, C::Text9, C::Label67, C::Label99, "cm^3"},
    {28, C::Text25, C::Label69, C::Label100, "kN* cm"},
    {30, C::Text15, C::Label23, C::Label101, "cm^4"},
    {31, C::Text17, C::Label28, C::Label102, "cm^4"},
    {34, C::Text6, C::Label18, C::Label103, ""},
    {35, C::Text14, C::Label27, C::Label104, ""},
    {37, C::Text20, C::Label57, C::Label105, "cm^4"},
    {38, C::Text35, C::Label71, C::Label106, "cm^3"},
    {3, std::nullopt, C::Label35, C::Label85, ""},
    {41, C::Text18, C::Label6, C::Label107, "mm"},
    {42, C::Text23, C::Label7, C::Label108, "mm"},
    {43, C::Text36, C::Label73, C::Label109, "kN/ cm^2"},
    {44, C::Label75, C::Label73, C::Label109, ""},
};

// A caption as a report heading: without the runs of blanks and the colon that align it in
// the window.
std::string heading(std::string_view caption) {
    const auto first = caption.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    caption.remove_prefix(first);
    while (!caption.empty() && (caption.back() == ' ' || caption.back() == ':' ||
                                caption.back() == '\r' || caption.back() == '\n'))
        caption.remove_suffix(1);
    std::string out;
    for (char c : caption)
        if (c != ' ' || out.empty() || out.back() != ' ')
            out += c;
    return out;
}

}  // namespace

void exportToReportWorkbook(WindowState& w) {
    if (!resultsCurrent(w) && w.confirmOutOfDateExport && !w.confirmOutOfDateExport())
        return;
    std::string path = w.reportWorkbook;
    if (path.empty()) {
        const std::optional<std::string> chosen =
            w.chooseWorkbook ? w.chooseWorkbook() : std::nullopt;
        if (!chosen || chosen->empty())
            return;
        path = *chosen;
    }
    exportReport(w, path);
}

void exportReport(WindowState& w, const std::string& path) {
    const Language language = w.languageShowing();
    std::vector<ReportCell> cells;
    cells.reserve(std::size(kCellMap));
    for (const CellSource& cell : kCellMap) {
        ReportCell out;
        out.row = cell.row;
        if (cell.source) {
            const ControlSpec& s = controlSpec(*cell.source);
            // σ max in the notation of the numbers beside it.
            out.text =
                s.kind == ControlKind::TextBox ? w.text(*cell.source) : shownCaption(w, s.id);
        }
        // Captions as they show, so that a new workbook states the verdicts too.
        if (cell.row != 3)
            out.caption = heading(caption(
                w, language == Language::English ? cell.englishCaption : cell.greekCaption));
        if (cell.row == 44)
            out.caption = "σ max";
        out.unit = std::string(cell.unit);
        cells.push_back(std::move(out));
    }
    const NumberFormat fmt = w.numberFormat();
    const ExportOutcome outcome =
        writeReportColumnB(path, cells, [fmt](std::string_view t) { return parseNumber(t, fmt); });
    if (!outcome.ok) {
        // The writer words each refusal in both languages; the one of the captions showing.
        w.message(outcome.message.in(language));
        return;
    }
    // Later exports go to the same workbook without asking, until the window closes.
    w.reportWorkbook = path;
    if (w.exported)
        w.exported(path);
}

std::vector<int> reportRows() {
    std::vector<int> rows;
    for (const CellSource& cell : kCellMap)
        rows.push_back(cell.row);
    return rows;
}

}  // namespace cw
