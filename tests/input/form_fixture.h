#pragma once

#include "window/control_id.h"
#include "window/window_model.h"

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

    void veltraOneSpanBay() {
        // A1 = 120, A2 = 90, L = 250, H1 = 100, H2 = 150, the 0-8 m band, f = 15 mm.
        f.click(C::Option10);
        f.click(C::Option9);
        f.type(C::Text4, "120");
        f.type(C::Text7, "90");
        f.type(C::Text2, "250");
        f.type(C::Text10, "100");
        f.type(C::Text12, "150");
        f.click(C::Option1);
        f.click(C::Command15);
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
