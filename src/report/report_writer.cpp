#include "report/report_writer.h"

#include "bay/number_text.h"

#include <cmath>

namespace cw::report::detail {

std::string minusSign(std::string s) {
    for (std::size_t at = s.find('-'); at != std::string::npos; at = s.find('-', at))
        s.replace(at, 1, "−");
    return s;
}

std::string Writer::n(double v) const {
    const bool whole = std::abs(v) < 1e15 && std::floor(v) == v;
    return minusSign(plainText(v, m_bay.fmt(), whole ? 15 : 6));
}

std::string Writer::typed(Field f) const {
    const std::string& s = m_bay.typed(f);
    const auto first = s.find_first_not_of(" \t");
    return first == std::string::npos ? std::string()
                                      : s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

}  // namespace cw::report::detail
