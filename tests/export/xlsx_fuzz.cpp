// libFuzzer target for the .xlsx report writer.
//
// The first input byte picks how the rest is used: even, as the whole file (archive-level
// damage); odd, as the parts of a workbook separated by NUL bytes (first sheet, workbook,
// workbook relationships, content types) zipped with correct checksums, so the mutations reach
// the XML handling instead of stopping at a CRC check.
//
// Besides the sanitizers it checks what a caller relies on: a refusal has a message in both
// languages and leaves the file byte-identical, nothing but the file is left in the folder, and
// an export over an exported report succeeds and changes nothing.

#include "export/xlsx_report.h"

#include "bay/number_text.h"

#include <zip.h>

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::vector<cw::ReportCell> kCells = {
    {8, "2,5", "", ""},      {9, "1,20", "", ""},
    {10, "KA-03", "", ""},   {11, "0,65", "", ""},
    {13, "Επαρκής", "", ""}, {15, "-3", "", ""},
    {18, "0,65", "", ""},    {19, "1e3", "", ""},
    {20, "12", "", ""},      {22, "KA-11 + KA-12", "", ""},
    {26, "3,14159", "", ""}, {27, "", "", ""},
    {28, "0,1", "", ""},     {30, "42", "", ""},
    {31, "7,5", "", ""},     {34, "Ορθοστάτης", "", ""},
    {35, "", "", ""},        {37, "1,5", "", ""},
    {38, "8", "", ""},       {3, "", "", ""},
    {41, "200", "", ""},     {42, "Επάρκεια", "", ""},
    {43, "0,333", "", ""},   {44, "9,5 kN/ cm^2", "", ""},
};

std::optional<double> readNumber(std::string_view text) {
    static const cw::NumberFormat greek{",", "-", "+"};
    return cw::parseNumber(text, greek);
}

// A char array has no destructor, so it is still there when the exit handler removes the folder.
const char* folder() {
    static char name[] = "/tmp/cw_xlsx_fuzz_XXXXXX";
    [[maybe_unused]] static const bool made = [] {
        const bool ok = ::mkdtemp(name) != nullptr;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(name, ignored);
        });
        return ok;
    }();
    return name;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int entriesInFolder() {
    int count = 0;
    if (DIR* dir = ::opendir(folder())) {
        while (const dirent* entry = ::readdir(dir))
            count +=
                std::string_view(entry->d_name) != "." && std::string_view(entry->d_name) != "..";
        ::closedir(dir);
    }
    return count;
}

constexpr const char* kPackageRels =
    R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)";
constexpr const char* kCalcChain =
    R"(<calcChain xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><c r="B30" i="1"/></calcChain>)";

// Zips the NUL-separated parts into a workbook with valid checksums.
std::string workbookFromParts(std::string_view parts) {
    std::vector<std::string> pieces(4);
    for (std::size_t i = 0; i < pieces.size() && !parts.empty(); ++i) {
        const auto end = std::min(parts.find('\0'), parts.size());
        pieces[i] = std::string(parts.substr(0, end));
        parts.remove_prefix(std::min(end + 1, parts.size()));
    }
    const std::pair<const char*, std::string> entries[] = {
        {"[Content_Types].xml", pieces[3]},      {"_rels/.rels", kPackageRels},
        {"xl/workbook.xml", pieces[1]},          {"xl/_rels/workbook.xml.rels", pieces[2]},
        {"xl/worksheets/sheet1.xml", pieces[0]}, {"xl/calcChain.xml", kCalcChain},
    };
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* zip = source ? zip_open_from_source(source, ZIP_CREATE | ZIP_TRUNCATE, &error) : nullptr;
    zip_error_fini(&error);
    if (!zip) {
        zip_source_free(source);
        return {};
    }
    zip_source_keep(source);
    for (const auto& [name, text] : entries) {
        zip_source_t* data = zip_source_buffer(zip, text.data(), text.size(), 0);
        if (!data || zip_file_add(zip, name, data, 0) < 0)
            zip_source_free(data);
    }
    std::string bytes;
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_close(zip) == 0 && zip_source_stat(source, &st) == 0 && zip_source_open(source) == 0) {
        bytes.resize(static_cast<std::size_t>(st.size));
        const zip_int64_t n = zip_source_read(source, bytes.data(), bytes.size());
        bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        zip_source_close(source);
    } else {
        zip_discard(zip);
    }
    zip_source_free(source);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string input = (data[0] & 1) ? workbookFromParts(rest) : std::string(rest);
    const std::string path = std::string(folder()) + "/form.xlsx";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << input;

    const auto outcome = cw::writeReportColumnB(path, kCells, readNumber);
    if (std::getenv("CW_FUZZ_VERBOSE"))  // for replaying one input: what became of it
        std::fprintf(stderr, "ok=%d %s\n", outcome.ok, outcome.message.english.c_str());
    if (entriesInFolder() != 1)
        std::abort();  // a temporary file was left behind
    if (!outcome.ok) {
        if (outcome.message.english.empty() || outcome.message.greek.empty() ||
            readBytes(path) != input)
            std::abort();
        return 0;
    }
    const std::string exported = readBytes(path);
    const auto again = cw::writeReportColumnB(path, kCells, readNumber);
    if (!again.ok || readBytes(path) != exported)
        std::abort();  // the exported report is not a fixed point
    return 0;
}
