// libFuzzer target: the input is a replay script, run against a fresh window model. Crashes,
// sanitizer reports, an exit status other than 0 or 2, and a dump line that is not JSON are
// findings.

#include "json_check.h"

#include "app/replay_script.h"
#include "bay/number_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>

namespace {

// Discards the output, checking each line as it ends; nothing is kept but the current line.
class JsonLineSink : public std::streambuf {
protected:
    int_type overflow(int_type ch) override {
        if (traits_type::eq_int_type(ch, traits_type::eof()))
            return traits_type::not_eof(ch);
        if (traits_type::to_char_type(ch) == '\n') {
            if (!cw::fuzz::isJson(m_line)) {
                std::fprintf(stderr, "dump is not JSON: %s\n", m_line.c_str());
                std::abort();
            }
            m_line.clear();
        } else {
            m_line += traits_type::to_char_type(ch);
        }
        return ch;
    }

private:
    std::string m_line;
};

// `export PATH` and `save PATH` write wherever the input says, and `open PATH` may read a
// device that never ends; the workbook writer and the bay-file reader have their own
// targets, so those lines are dropped here.
std::string withoutFileLines(std::string_view data) {
    std::string out;
    out.reserve(data.size());
    std::size_t pos = 0;
    while (pos < data.size()) {
        std::size_t end = data.find('\n', pos);
        if (end == std::string_view::npos)
            end = data.size();
        const std::string_view line = data.substr(pos, end - pos);
        if (line.substr(0, 7) != "export " && line.substr(0, 5) != "save " &&
            line.substr(0, 5) != "open ")
            out += line;
        out += '\n';
        pos = end + 1;
    }
    return out;
}

const cw::NumberFormat& format(bool greek) {
    static const cw::NumberFormat el = cw::NumberFormat::fromLocale("el_GR");
    static const cw::NumberFormat us = cw::NumberFormat::fromLocale("en_US");
    return greek ? el : us;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // As in the golden scripts, a first line "# locale: en_US" picks the number format.
    const bool greek = text.substr(0, 16) != "# locale: en_US\n";
    std::istringstream script(withoutFileLines(text));
    JsonLineSink sink;
    std::ostream out(&sink);
    std::ostringstream err;
    const int status = cw::runReplay(script, out, err, format(greek));
    if (status != 0 && status != 2) {
        std::fprintf(stderr, "runReplay returned %d\n", status);
        std::abort();
    }
    if (status == 2 && err.str().rfind("line ", 0) != 0) {
        std::fprintf(stderr, "an error without its line number: %s\n", err.str().c_str());
        std::abort();
    }
    return 0;
}
