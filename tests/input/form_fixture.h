#pragma once

#include "model/control_id.h"
#include "input/form.h"

#include <gtest/gtest.h>

#include <string>

namespace cw::test {

using C = ControlId;

inline const NumberFormat kGreek{",", "-", "+"};
inline const NumberFormat kUs{".", "-", "+"};

// A window model with shorthand for what a user does.
class FormTest : public ::testing::Test {
protected:
    Form f{kGreek};

    // A series and a one-span system (or fixed ends), then A1, A2, L, H1 and H2 typed.
    void oneSpanGeometry(ControlId series, ControlId system, const std::string& a1,
                         const std::string& a2, const std::string& l, const std::string& h1,
                         const std::string& h2) {
        f.click(series);
        f.click(system);
        f.type(C::Text4, a1);
        f.type(C::Text7, a2);
        f.type(C::Text2, l);
        f.type(C::Text10, h1);
        f.type(C::Text12, h2);
    }

    void veltraOneSpanBay() {
        // A1 = 120, A2 = 90, L = 250, H1 = 100, H2 = 150, the 0-8 m band, EN 13830:
        // f = 10 L / d = 12,5 mm.
        oneSpanGeometry(C::Option10, C::Option9, "120", "90", "250", "100", "150");
        f.click(C::Option1);
        f.click(C::Command15);
    }

    // Terrax sloped glazing: A1 = A2 = 150, L = 300, H1 = 100, H2 = 200, the 8-20 m band.
    void terraxSlopedBay() {
        oneSpanGeometry(C::Option12, C::Option9, "150", "150", "300", "100", "200");
        f.click(C::Option2);
    }

    void twoSpanBay(ControlId series, const std::string& l1, const std::string& l2) {
        f.click(series);
        f.click(C::Option13);
        f.type(C::Text4, "150");
        f.type(C::Text7, "150");
        f.type(C::Text2, l1);
        f.type(C::Text13, l2);
        f.type(C::Text10, "100");
        f.type(C::Text12, "200");
    }

    void typedPressure(const std::string& p) {
        f.type(C::Text8, p);
        f.click(C::Command2);
    }

    const std::string& text(ControlId id) const { return f.text(id); }
    bool visible(ControlId id) const { return f.visible(id); }
    double formNumber(const TaggedValue& v) const { return *v.toNumber(kGreek); }
};

}  // namespace cw::test
