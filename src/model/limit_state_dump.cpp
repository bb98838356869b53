#include "model/limit_state_dump.h"

#include "bay/limit_state_inputs.h"
#include "bay/limit_state_texts.h"
#include "model/state_dump.h"

#include <cmath>

namespace cw {

namespace {

void appendNumber(std::string& out, double x) {
    // Ten significant digits: enough to check by hand, free of binary noise.
    out += std::isfinite(x) ? plainText(x, NumberFormat{}, 10) : std::string("null");
}

void appendKey(std::string& out, std::string_view key) {
    out += '"';
    out += key;
    out += "\": ";
}

}  // namespace

const LimitStateRun* shownLimitStates(const WindowState& w) {
    if (!w.limitStates || !w.shownRun || !w.shownRun->mullionFits)
        return nullptr;
    return &*w.limitStates;
}

void appendLimitStates(std::string& out, const WindowState& w) {
    const LimitStateRun* run = shownLimitStates(w);
    if (!run) {
        out += "null";
        return;
    }
    const LimitStateResult& r = run->result;
    // The combinations as the contract writes them, with decimal commas.
    NumberFormat comma;
    comma.decimal = ",";
    const PartialFactors& factors = run->options.factors;
    out += '{';
    appendKey(out, "governing");
    out += r.valid && r.governing >= 0 ? std::to_string(r.governing) : std::string("null");
    out += ", ";
    appendKey(out, "mullion");
    out += run->mullion ? jsonString(run->mullion->code) : std::string("null");
    out += ", ";
    appendKey(out, "checks");
    out += '[';
    for (int k = 0; r.valid && k < r.checkCount; ++k) {
        const LimitStateCheck& c = r.checks[std::size_t(k)];
        out += k > 0 ? ", {" : "{";
        appendKey(out, "member");
        out += jsonString(memberKey(c.id));
        out += ", ";
        appendKey(out, "check");
        out += jsonString(checkKey(c.id));
        out += ", ";
        appendKey(out, "clause");
        out += jsonString(c.clause);
        out += ", ";
        appendKey(out, "combination");
        out += jsonString(combinationText(c.combination, factors, comma));
        out += ", ";
        appendKey(out, "design");
        appendNumber(out, c.Ed);
        out += ", ";
        appendKey(out, "resistance");
        appendNumber(out, c.Rd);
        out += ", ";
        appendKey(out, "unit");
        out += jsonString(unitOf(c.id));
        out += ", ";
        appendKey(out, "utilisation");
        appendNumber(out, c.utilisation);
        out += ", ";
        appendKey(out, "passes");
        out += c.passes ? "true}" : "false}";
    }
    out += "], ";
    appendKey(out, "sectionClass");
    out += r.mullionClass > 0 ? std::to_string(r.mullionClass) : std::string("null");
    out += ", ";
    appendKey(out, "reactions");
    out += '[';
    for (int k = 0; r.valid && k < r.anchorCount; ++k) {
        const AnchorForce& a = r.anchors[std::size_t(k)];
        out += k > 0 ? ", {" : "{";
        appendKey(out, "support");
        out += std::to_string(k + 1);
        out += ", ";
        appendKey(out, "pressure_kN");
        appendNumber(out, a.pressureChar_kN);
        out += ", ";
        appendKey(out, "suction_kN");
        appendNumber(out, a.suctionChar_kN);
        out += ", ";
        appendKey(out, "dead_kN");
        appendNumber(out, a.deadAlongChar_kN);
        out += ", ";
        appendKey(out, "deadAcross_kN");
        appendNumber(out, a.deadAcrossChar_kN);
        out += '}';
    }
    out += "], ";
    // What the checks read: s_k (0 off sloped glazing) and the factors by their file keys.
    appendKey(out, "sk_kNm2");
    appendNumber(out, run->options.sk_kNm2);
    out += ", ";
    appendKey(out, "factors");
    out += '{';
    bool first = true;
    for (const FactorEntry& e : factorEntries()) {
        out += first ? "" : ", ";
        first = false;
        appendKey(out, e.key);
        appendNumber(out, factors.*e.member);
    }
    out += "}}";
}

}  // namespace cw
