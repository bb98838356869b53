#pragma once

// What an independent reader, openpyxl, sees in a workbook: read_cells.py prints one fact a
// line, "kind<TAB>key<TAB>value" ("cell<TAB>Report!B26<TAB>n 30.52"). The tests that link it
// define CW_OPENPYXL_PYTHON and CW_READ_CELLS.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>

namespace cw::test {

// Keyed "kind<TAB>key"; a workbook openpyxl cannot read is a test failure.
using Facts = std::map<std::string, std::string>;

inline Facts readFacts(const std::string& path) {
    const std::string command =
        std::string(CW_OPENPYXL_PYTHON) + " '" + CW_READ_CELLS + "' '" + path + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    Facts facts;
    if (!pipe || ::pclose(pipe) != 0) {
        ADD_FAILURE() << "openpyxl could not read " << path;
        return facts;
    }
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const auto second = line.find('\t', line.find('\t') + 1);
        facts[line.substr(0, second)] = second == std::string::npos ? "" : line.substr(second + 1);
    }
    return facts;
}

// The facts of one kind, keyed without it.
inline Facts factsOfKind(const Facts& facts, const std::string& kind) {
    Facts selected;
    for (const auto& [key, value] : facts)
        if (key.rfind(kind + "\t", 0) == 0)
            selected.emplace(key.substr(kind.size() + 1), value);
    return selected;
}

// The cells of one sheet: "B26" -> "n 30.52", "B34" -> "s \"KA-01\"".
inline Facts sheetCells(const std::string& path, const std::string& sheet) {
    Facts cells;
    for (const auto& [key, value] : factsOfKind(readFacts(path), "cell"))
        if (key.rfind(sheet + "!", 0) == 0)
            cells.emplace(key.substr(sheet.size() + 1), value);
    return cells;
}

}  // namespace cw::test
