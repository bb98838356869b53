#include "files/catalogue_file.h"

#include "bay/catalogue_ref.h"
#include "text/messages.h"

#include "export/cell_refs.h"
#include "export/package_xml.h"
#include "export/zip_archive.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>
#include <system_error>

namespace cw::files {

namespace {

// A header has at most the columns the format names; a value far to the right is a fault of
// the row (more fields than the header), not a reason to hold thousands of empty cells.
constexpr int kMostColumns = 64;

std::string_view localNameOf(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// The text of a string item: its <t>, or the <t> of each run; phonetic runs are not text.
std::string itemText(const pugi::xml_node& item) {
    std::string text;
    for (const pugi::xml_node child : item.children()) {
        const std::string_view name = localNameOf(child);
        if (name == "t")
            text += child.text().get();
        else if (name == "r")
            for (const pugi::xml_node t : child.children())
                if (localNameOf(t) == "t")
                    text += t.text().get();
    }
    return text;
}

// A number cell as the shortest decimal that gives back its value: a spreadsheet may store
// 53.84 as 53.840000000000003, which is the same number.
std::string numberText(std::string_view stored) {
    double value = 0.0;
    const auto [end, ec] = std::from_chars(stored.data(), stored.data() + stored.size(), value);
    if (ec != std::errc() || end != stored.data() + stored.size() || !std::isfinite(value))
        return std::string(stored);
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::fixed);
    if (written.ec != std::errc())
        return std::string(stored);
    return std::string(buffer, written.ptr);
}

std::optional<std::string> entry(const xlsx::MemoryArchive& archive, const std::string& name) {
    xlsx::EntryText e = xlsx::readEntry(archive, name);
    if (e.status != xlsx::ReadStatus::Ok)
        return std::nullopt;
    return std::move(e.text);
}

std::optional<pugi::xml_document> part(const xlsx::MemoryArchive& archive,
                                       const std::string& name) {
    const std::optional<std::string> text = entry(archive, name);
    if (!text)
        return std::nullopt;
    return xlsx::parseXml(*text);
}

bool endsWithNoCase(std::string_view s, std::string_view ending) {
    return s.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(), s.end() - std::ptrdiff_t(ending.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

// The sentences of the fault kinds stand in the table in the order of the kinds.
static_assert(int(Message::CatalogueFaultTransomKindsMixed) - int(Message::CatalogueFaultNoRows) ==
                  int(CatalogueFaultKind::TransomKindsMixed) - int(CatalogueFaultKind::NoRows),
              "one sentence for each kind of catalogue fault");

Message faultMessage(CatalogueFaultKind kind) {
    return static_cast<Message>(int(Message::CatalogueFaultNoRows) + int(kind) -
                                int(CatalogueFaultKind::NoRows));
}

CatalogueLoad refused(std::string_view fileName, CatalogueFaultKind kind) {
    CatalogueLoad load;
    load.faults.push_back({0, {}, kind, {}});
    load.message = describeCatalogueFaults(fileName, load.faults, Language::English);
    return load;
}

}  // namespace

std::optional<std::vector<CatalogueRecord>> workbookCatalogueRecords(std::string_view bytes) {
    xlsx::MemoryArchive archive;
    int zipError = 0;
    if (bytes.empty() || !archive.open(bytes, zipError))
        return std::nullopt;

    std::string workbookPart = "xl/workbook.xml";
    if (std::optional<pugi::xml_document> rels = part(archive, "_rels/.rels"))
        if (auto rel = xlsx::findRelationship(*rels, "", "", "/officeDocument"))
            workbookPart = rel->target;
    std::optional<pugi::xml_document> workbook = part(archive, workbookPart);
    std::optional<pugi::xml_document> workbookRels =
        part(archive, xlsx::relationshipsPartOf(workbookPart));
    if (!workbook || !workbookRels)
        return std::nullopt;
    const std::string workbookDir = xlsx::directoryOf(workbookPart);
    const pugi::xml_node sheets =
        xlsx::childByLocalName(workbook->document_element(), "sheets");
    const pugi::xml_node first = sheets ? xlsx::childByLocalName(sheets, "sheet") : pugi::xml_node{};
    const std::string_view id = first ? xlsx::relationshipIdOf(first) : std::string_view{};
    if (id.empty())
        return std::nullopt;
    const auto sheetRel = xlsx::findRelationship(*workbookRels, workbookDir, id, "");
    if (!sheetRel || sheetRel->target.empty())
        return std::nullopt;
    std::optional<pugi::xml_document> sheet = part(archive, sheetRel->target);
    if (!sheet)
        return std::nullopt;
    const pugi::xml_node sheetData = xlsx::childByLocalName(sheet->document_element(), "sheetData");
    if (!sheetData)
        return std::nullopt;

    std::vector<std::string> shared;
    if (auto rel = xlsx::findRelationship(*workbookRels, workbookDir, "", "/sharedStrings"))
        if (std::optional<pugi::xml_document> strings = part(archive, rel->target))
            for (const pugi::xml_node si : strings->document_element().children())
                if (localNameOf(si) == "si")
                    shared.push_back(itemText(si));

    std::vector<CatalogueRecord> records;
    std::size_t rowNumber = 0;
    for (const pugi::xml_node row : sheetData.children()) {
        if (localNameOf(row) != "row")
            continue;
        const std::optional<int> r = xlsx::parseRow(row.attribute("r").value());
        rowNumber = r ? std::size_t(*r) : rowNumber + 1;
        CatalogueRecord record;
        record.line = rowNumber;
        int column = 0;
        bool any = false;
        for (const pugi::xml_node c : row.children()) {
            if (localNameOf(c) != "c")
                continue;
            const std::optional<xlsx::CellPos> at = xlsx::parseCellName(c.attribute("r").value());
            column = at ? at->col : column + 1;
            const std::string_view type = c.attribute("t").value();
            const pugi::xml_node v = xlsx::childByLocalName(c, "v");
            std::string text;
            if (type == "inlineStr") {
                text = itemText(xlsx::childByLocalName(c, "is"));
            } else if (type == "s") {
                std::size_t index = 0;
                const std::string_view s = v.text().get();
                const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), index);
                if (ec != std::errc() || end != s.data() + s.size() || index >= shared.size())
                    return std::nullopt;
                text = shared[index];
            } else if (type.empty() || type == "n") {
                text = numberText(v.text().get());
            } else {
                text = v.text().get();
            }
            if (text.empty())
                continue;
            any = true;
            const std::size_t size = std::size_t(std::min(column, kMostColumns + 1));
            if (record.fields.size() < size)
                record.fields.resize(size);
            record.fields[size - 1] = column > kMostColumns ? std::string("?") : std::move(text);
        }
        if (!any)
            continue;
        records.push_back(std::move(record));
        // One more than the reader takes is enough for it to say so.
        if (records.size() > kMostCatalogueRows + 1)
            break;
    }
    // Cells left empty at the end of a row are the header's empty fields.
    if (!records.empty()) {
        const std::size_t width = records.front().fields.size();
        for (CatalogueRecord& record : records)
            if (record.fields.size() < width)
                record.fields.resize(width);
    }
    return records;
}

CatalogueLoad readCatalogueBytes(std::string_view bytes, std::string_view fileName) {
    if (bytes.size() > kMostCatalogueBytes)
        return refused(fileName, CatalogueFaultKind::FileTooLarge);
    CatalogueRead read;
    if (bytes.starts_with("PK\x03\x04") || endsWithNoCase(fileName, ".xlsx")) {
        const std::optional<std::vector<CatalogueRecord>> records =
            workbookCatalogueRecords(bytes);
        if (!records)
            return refused(fileName, CatalogueFaultKind::NotAWorkbook);
        read = readCatalogueRecords(*records, fileName);
    } else {
        read = readCatalogue(bytes, fileName);
    }
    CatalogueLoad load;
    load.catalogue = std::move(read.catalogue);
    load.faults = std::move(read.faults);
    if (!load.catalogue)
        load.message = describeCatalogueFaults(fileName, load.faults, Language::English);
    return load;
}

std::string describeCatalogueFaults(std::string_view fileName,
                                    const std::vector<CatalogueFault>& faults,
                                    Language language) {
    std::string out = say(Message::CatalogueNotRead, language, {fileName});
    for (const CatalogueFault& f : faults) {
        out += "\n  ";
        if (f.line > 0)
            out += say(Message::CatalogueFaultAt, language, {std::to_string(f.line)});
        if (!f.column.empty())
            out += f.column + ": ";
        out += say(faultMessage(f.kind), language);
        if (!f.value.empty())
            out += " (\"" + f.value + "\")";
    }
    return out;
}

CatalogueLoad loadCatalogueFile(const std::filesystem::path& path) {
    const std::string fileName = path.filename().string();
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return refused(fileName, CatalogueFaultKind::Unreadable);
    if (size > kMostCatalogueBytes)
        return refused(fileName, CatalogueFaultKind::FileTooLarge);
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), std::streamsize(size)) || in.peek() != EOF)
        return refused(fileName, CatalogueFaultKind::Unreadable);
    CatalogueLoad load = readCatalogueBytes(bytes, fileName);
    load.sha256 = catalogueSha256(bytes);
    return load;
}

namespace {

ChosenCatalogue chosenOf(CatalogueLoad&& load, const std::string& path) {
    CatalogueRef ref{load.catalogue->name, path, std::move(load.sha256)};
    return {std::make_shared<const Catalogue>(std::move(*load.catalogue)), std::move(ref)};
}

}  // namespace

std::optional<ChosenCatalogue> catalogueAt(const std::string& path) {
    CatalogueLoad load = loadCatalogueFile(std::filesystem::path(path));
    if (!load.catalogue)
        return std::nullopt;
    return chosenOf(std::move(load), path);
}

CatalogueOpening openCatalogueFile(const std::string& path, Language language) {
    CatalogueLoad load = loadCatalogueFile(std::filesystem::path(path));
    CatalogueOpening out;
    if (!load.catalogue) {
        out.message = describeCatalogueFaults(std::filesystem::path(path).filename().string(),
                                              load.faults, language);
        return out;
    }
    out.chosen = chosenOf(std::move(load), path);
    return out;
}

}  // namespace cw::files
