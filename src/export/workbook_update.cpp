#include "export/workbook_update.h"

#include "export/cell_refs.h"
#include "export/package_xml.h"
#include "export/sheet_editor.h"
#include "export/xlsx_text.h"
#include "export/zip_archive.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

namespace cw::xlsx {

namespace {

ExportOutcome passwordProtected(const std::string& path) {
    return fail(ExportFailure::Encrypted, Message::ExportPasswordProtected, {path});
}

class WorkbookUpdate {
public:
    WorkbookUpdate(const std::string& path, const std::string& bytes)
        : m_path(path), m_bytes(bytes) {}

    ExportOutcome run(const std::vector<ReportCell>& cells, const NumberReader& readNumber) {
        int zipError = 0;
        if (!m_archive.open(m_bytes, zipError)) {
            if (zipError == ZIP_ER_MEMORY)
                return fail(ExportFailure::TooLarge, Message::ExportTooLargeToOpen, {m_path});
            return damaged(sayBoth(Message::ExportDetailZipDirectory));
        }
        if (auto refused = checkEntries())
            return *refused;

        // The workbook part, as the package names it.
        std::string workbookPart = "xl/workbook.xml";
        auto packageRels = readXml("_rels/.rels");
        if (!packageRels.outcome.ok && packageRels.outcome.failure != ExportFailure::None)
            return packageRels.outcome;
        if (packageRels.doc)
            if (auto rel = findRelationship(*packageRels.doc, "", "", "/officeDocument"))
                workbookPart = rel->target;
        auto workbook = readXml(workbookPart);
        if (!workbook.doc)
            return workbook.outcome.failure != ExportFailure::None
                       ? workbook.outcome
                       : notAWorkbook(Message::ExportDetailNoWorkbookPart);
        const std::string workbookRelsPart = relationshipsPartOf(workbookPart);
        auto workbookRels = readXml(workbookRelsPart);
        if (!workbookRels.doc)
            return workbookRels.outcome.failure != ExportFailure::None
                       ? workbookRels.outcome
                       : notAWorkbook(Message::ExportDetailNoSheetList);

        auto sheets = childByLocalName(workbook.doc->document_element(), "sheets");
        auto firstSheet = sheets ? childByLocalName(sheets, "sheet") : pugi::xml_node{};
        if (!firstSheet)
            return notAWorkbook(Message::ExportDetailNoSheet);
        const std::string workbookDir = directoryOf(workbookPart);
        const auto sheetRel = sheetRelationship(*workbookRels.doc, workbookDir, firstSheet);
        if (!sheetRel || sheetRel->target.empty())
            return notAWorkbook(Message::ExportDetailSheetPointsNowhere);
        if (!endsWith(sheetRel->node.attribute("Type").value(), "/worksheet"))
            return fail(ExportFailure::NotAWorkbook, Message::ExportFirstSheetNotWorksheet,
                        {m_path});

        auto sheet = readXml(sheetRel->target);
        if (!sheet.doc)
            return sheet.outcome.failure != ExportFailure::None
                       ? sheet.outcome
                       : notAWorkbook(Message::ExportDetailNoSheetPart);
        auto worksheet = sheet.doc->document_element();
        auto sheetData = childByLocalName(worksheet, "sheetData");
        if (localName(worksheet.name()) != "worksheet" || !sheetData)
            return damaged(sayBoth(Message::ExportDetailNoCellTable));

        SheetEditor editor(worksheet, sheetData);
        if (editor.damaged())
            return invalidPosition();
        for (const auto& cell : cells) {
            if (cell.row < 1 || cell.row > kMaxRow)
                continue;
            if (const auto block = editor.blockCovering({cell.row, kColumnB}))
                return inBlock(cellName({cell.row, kColumnB}), *block);
        }
        for (const auto& cell : cells) {
            if (cell.row < 1 || cell.row > kMaxRow)
                continue;
            editor.write(cell.row, kColumnB, cell.text, readNumber);
        }
        editor.finish();
        if (editor.damaged())
            return invalidPosition();
        if (!m_archive.put(sheetRel->target, serializeXml(*sheet.doc)))
            return assemblyFailed();
        if (auto refused =
                dropOtherCachedResults(*workbookRels.doc, workbookDir, sheets, sheetRel->target))
            return *refused;

        if (editor.removedFormula())
            if (auto refused = dropCalcChain(*workbookRels.doc, workbookDir, workbookRelsPart))
                return *refused;
        if (requestRecalculation(workbook.doc->document_element()) &&
            !m_archive.put(workbookPart, serializeXml(*workbook.doc)))
            return assemblyFailed();

        auto bytes = m_archive.close();
        if (!bytes)
            return assemblyFailed();
        m_result = std::move(*bytes);
        return succeeded();
    }

    const std::string& result() const { return m_result; }

private:
    struct XmlPart {
        std::optional<pugi::xml_document> doc;
        ExportOutcome outcome;  // failure None with no doc: the part is missing
    };

    static std::optional<Relationship> sheetRelationship(pugi::xml_document& workbookRels,
                                                         const std::string& workbookDir,
                                                         pugi::xml_node sheet) {
        const std::string_view id = relationshipIdOf(sheet);
        if (id.empty())
            return std::nullopt;
        return findRelationship(workbookRels, workbookDir, id, "");
    }

    // The other worksheets lose the stored results of their formulas too; chart and macro
    // sheets, and sheets whose part is missing, have none to lose.
    std::optional<ExportOutcome> dropOtherCachedResults(pugi::xml_document& workbookRels,
                                                        const std::string& workbookDir,
                                                        pugi::xml_node sheets,
                                                        const std::string& edited) {
        for (auto sheet : sheets.children()) {
            if (sheet.type() != pugi::node_element || localName(sheet.name()) != "sheet")
                continue;
            const auto rel = sheetRelationship(workbookRels, workbookDir, sheet);
            if (!rel || rel->target.empty() || equalsNoCase(rel->target, edited) ||
                !endsWith(rel->node.attribute("Type").value(), "/worksheet"))
                continue;
            auto part = readXml(rel->target);
            if (!part.doc) {
                if (part.outcome.failure != ExportFailure::None)
                    return part.outcome;
                continue;
            }
            auto sheetData = childByLocalName(part.doc->document_element(), "sheetData");
            if (sheetData && dropCachedResults(sheetData) &&
                !m_archive.put(rel->target, serializeXml(*part.doc)))
                return assemblyFailed();
        }
        return std::nullopt;
    }

    ExportOutcome damaged(const Said& detail) const {
        return fail(ExportFailure::Damaged, Message::ExportDamaged, {m_path, detail});
    }

    ExportOutcome invalidPosition() const {
        return damaged(sayBoth(Message::ExportDetailInvalidPosition));
    }

    ExportOutcome notAWorkbook(Message detail) const {
        return fail(ExportFailure::NotAWorkbook, Message::ExportNotAWorkbook,
                    {m_path, sayBoth(detail)});
    }

    ExportOutcome inBlock(const std::string& cell, const SheetEditor::Block& block) const {
        return fail(
            ExportFailure::InArray,
            block.dataTable ? Message::ExportCellInDataTable : Message::ExportCellInArrayFormula,
            {m_path, cell, block.ref});
    }

    ExportOutcome assemblyFailed() const {
        return fail(ExportFailure::WriteFailed, Message::ExportUpdatedNotAssembled, {m_path});
    }

    std::optional<ExportOutcome> checkEntries() {
        const zip_int64_t count = zip_get_num_entries(m_archive.get(), 0);
        zip_uint64_t total = 0;
        for (zip_int64_t i = 0; i < count; ++i) {
            zip_stat_t st;
            zip_stat_init(&st);
            if (zip_stat_index(m_archive.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0)
                return damaged(sayBoth(Message::ExportDetailEntryUnreadable));
            if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
                return encrypted();
            const zip_uint64_t size = (st.valid & ZIP_STAT_SIZE) ? st.size : 0;
            total += size;
            if (size > kMaxEntryBytes || total > kMaxTotalBytes) {
                const std::string megabytes =
                    std::to_string((size > kMaxEntryBytes ? kMaxEntryBytes : kMaxTotalBytes) >> 20);
                return fail(ExportFailure::TooLarge, Message::ExportUnpacksTooLarge,
                            {m_path, megabytes});
            }
        }
        return std::nullopt;
    }

    ExportOutcome encrypted() const { return passwordProtected(m_path); }

    XmlPart readXml(const std::string& name) {
        auto entry = readEntry(m_archive, name);
        switch (entry.status) {
        case ReadStatus::Missing: return {};
        case ReadStatus::Encrypted: return {std::nullopt, encrypted()};
        case ReadStatus::TooLarge:
            return {std::nullopt,
                    fail(ExportFailure::TooLarge, Message::ExportPartTooLarge, {m_path, name})};
        case ReadStatus::Damaged:
            return {std::nullopt, damaged(sayBoth(Message::ExportDetailPartNotUnpacked, {name}))};
        case ReadStatus::Ok: break;
        }
        auto doc = parseXml(entry.text);
        if (!doc)
            return {std::nullopt, damaged(sayBoth(Message::ExportDetailPartNotXml, {name}))};
        return {std::move(doc), {}};
    }

    // The calculation chain lists formula cells; one that lists a cell now holding a value
    // makes Excel repair the file, so it goes and is rebuilt on load.
    std::optional<ExportOutcome> dropCalcChain(pugi::xml_document& workbookRels,
                                               const std::string& workbookDir,
                                               const std::string& workbookRelsPart) {
        const auto rel = findRelationship(workbookRels, workbookDir, "", "/calcChain");
        if (!rel)
            return std::nullopt;
        if (const auto index = m_archive.locate(rel->target);
            index >= 0 && !m_archive.remove(index))
            return assemblyFailed();
        rel->node.parent().remove_child(rel->node);
        if (!m_archive.put(workbookRelsPart, serializeXml(workbookRels)))
            return assemblyFailed();

        auto types = readXml("[Content_Types].xml");
        if (!types.doc)
            return types.outcome.failure != ExportFailure::None
                       ? types.outcome
                       : notAWorkbook(Message::ExportDetailNoContentTypes);
        const std::string partName = "/" + rel->target;
        bool changed = false;
        for (auto node = types.doc->document_element().first_child(); node;) {
            const auto next = node.next_sibling();
            if (localName(node.name()) == "Override" &&
                equalsNoCase(node.attribute("PartName").value(), partName)) {
                node.parent().remove_child(node);
                changed = true;
            }
            node = next;
        }
        if (changed && !m_archive.put("[Content_Types].xml", serializeXml(*types.doc)))
            return assemblyFailed();
        return std::nullopt;
    }

    // Cached results of formulas that read column B are stale now; asks for a full recalculation.
    // Returns whether the workbook part changed.
    static bool requestRecalculation(pugi::xml_node workbook) {
        auto calcPr = childByLocalName(workbook, "calcPr");
        if (!calcPr) {
            // calcPr has a fixed place among the workbook's children.
            static constexpr std::string_view kAfterCalcPr[] = {
                "oleSize",        "customWorkbookViews", "pivotCaches",
                "smartTagPr",     "smartTagTypes",       "webPublishing",
                "fileRecoveryPr", "webPublishObjects",   "extLst"};
            pugi::xml_node before;
            for (auto child : workbook.children()) {
                if (child.type() == pugi::node_element &&
                    std::find(std::begin(kAfterCalcPr), std::end(kAfterCalcPr),
                              localName(child.name())) != std::end(kAfterCalcPr)) {
                    before = child;
                    break;
                }
            }
            const std::string_view prefix = prefixOf(workbook.name());
            const std::string name = prefix.empty() ? "calcPr" : std::string(prefix) + ":calcPr";
            calcPr = before ? workbook.insert_child_before(name.c_str(), before)
                            : workbook.append_child(name.c_str());
        }
        auto full = calcPr.attribute("fullCalcOnLoad");
        const std::string_view value = full.value();
        if (value == "1" || value == "true")
            return false;
        if (!full)
            full = calcPr.append_attribute("fullCalcOnLoad");
        full.set_value("1");
        return true;
    }

    std::string m_path;
    const std::string& m_bytes;
    MemoryArchive m_archive;
    std::string m_result;
};

}  // namespace

// Encrypted .xlsx files are OLE compound files holding an "EncryptionInfo" stream; an OLE file
// without one is an old binary .xls.
ExportOutcome refuseByContent(const std::string& path, const std::string& bytes) {
    static constexpr char kOle[] = {'\xD0', '\xCF', '\x11', '\xE0', '\xA1', '\xB1', '\x1A', '\xE1'};
    if (bytes.size() >= sizeof kOle &&
        std::equal(std::begin(kOle), std::end(kOle), bytes.begin())) {
        std::string marker;
        for (char ch : std::string_view("EncryptionInfo")) {
            marker.push_back(ch);
            marker.push_back('\0');
        }
        if (bytes.find(marker) != std::string::npos)
            return passwordProtected(path);
        return fail(ExportFailure::NotAWorkbook, Message::ExportOldXls, {path});
    }
    if (bytes.size() < 4 || bytes.compare(0, 2, "PK") != 0)
        return fail(ExportFailure::NotAWorkbook, Message::ExportNotZip, {path});
    return succeeded();
}

ExportOutcome updateWorkbook(const std::string& path, const std::string& bytes,
                             const std::vector<ReportCell>& cells, const NumberReader& readNumber,
                             std::string& result) {
    WorkbookUpdate update(path, bytes);
    auto outcome = update.run(cells, readNumber);
    if (outcome.ok)
        result = update.result();
    return outcome;
}

}  // namespace cw::xlsx
