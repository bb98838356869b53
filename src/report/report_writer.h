#pragma once

// What the sections of a bay's calculation write through: the bay's numbers in its notation,
// the texts as the window shows them, and the blocks they become.

#include "report/report_bay.h"
#include "report/report_content.h"
#include "text/messages.h"

#include <string>
#include <vector>

namespace cw::report::detail {
// One minus sign throughout the report, the typographic one.
std::string minusSign(std::string s);

// The modulus of elasticity as each formula takes it, with its unit beside the symbols.
// Thousands are grouped with a no-break space so that a wrapped line keeps the number whole.
inline const std::string kE_kNcm2 = "7\u00a0000";
inline const std::string kE_Nmm2 = "70\u00a0000";
inline const std::string kE_kNcm2Symbol = ",  E = 7\u00a0000 kN/cm²";
inline const std::string kE_Nmm2Symbol = ",  E = 70\u00a0000 N/mm²";

class Writer {
public:
    explicit Writer(const ReportBay& bay) : m_bay(bay) {}

    std::string t(Message p) const { return say(p, m_bay.language); }
    // A number in the user's notation: whole numbers as they are, others in the general form
    // with at most six significant digits, enough for a later line that takes the value to
    // hold to the last digit of its result.
    std::string n(double v) const;
    // The same inside a formula, where a negative value after an operator is bracketed.
    std::string op(double v) const {
        const std::string s = n(v);
        return v < 0 ? "(" + s + ")" : s;
    }
    std::string fixed(double v) const { return minusSign(fixedText(v, m_bay.fmt())); }
    // Between the arguments of min and max: a comma where the point is the decimal sign.
    std::string sep() const { return m_bay.fmt().decimal == "," ? "; " : ", "; }
    // A text the user typed, without the blanks around it.
    std::string typed(Field f) const;
    const std::string& shown(Field f) const { return m_bay.shown(f); }

    // A heading closes any group: a group never runs into the next section.
    void heading(Message p) {
        endGroup();
        add(makeBlock(BlockKind::Heading, t(p)));
    }
    void row(std::string label, std::string value, std::string unit = {}) {
        add(makeBlock(BlockKind::Row, std::move(label), std::move(value), std::move(unit)));
    }
    void formula(std::string symbols, std::string numbers, std::string result) {
        add(makeBlock(BlockKind::Formula, std::move(symbols), std::move(numbers),
                      std::move(result)));
    }
    void text(std::string s) { add(makeBlock(BlockKind::Text, std::move(s))); }
    void verdict(std::string s, bool ok) {
        add(makeBlock(BlockKind::Verdict, std::move(s), {}, {}, ok));
    }
    // The blocks added until endGroup stay on one page: a derivation is never split.
    void beginGroup() { m_group = ++m_groups; }
    void endGroup() { m_group = 0; }
    void add(Block b) {
        b.keep = m_group;
        m_blocks.push_back(std::move(b));
    }
    std::vector<Block> take() { return std::move(m_blocks); }

private:
    const ReportBay& m_bay;
    std::vector<Block> m_blocks;
    int m_groups = 0;
    int m_group = 0;
};

// The wind pressure and the line load: the load chain of the bay.
void loads(Writer& w, const ReportBay& bay, double q_kNcm);

}  // namespace cw::report::detail
