#include "design/steel_insert.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace cw {
namespace {

// Worked by hand: with E_st / E_al = 210 000 / 70 000 = 3 the insert counts three times its Ix;
// the parts bend together, so M_i = M E_i I_i / (E_al I_al + E_st I_st) and sigma_i = M_i / W_i
// (1 kN/cm2 = 10 N/mm2); steel against f_y / 1,0 of EN 1993-1-1 Table 3.1 (t <= 40 mm),
// aluminium against 95 N/mm2 (9,5 kN/cm2).
struct InsertCase {
    const char* name;
    double ixAl, wxAl, ixSt, wxSt;
    SteelGrade grade;
    double moment_kNcm;
    double effectiveIx, mAl, mSt, sigmaAl, sigmaSt, utilAl, utilSt;
    bool passes;
};

void PrintTo(const InsertCase& c, std::ostream* os) {
    *os << c.name;
}

class SteelInsertTest : public ::testing::TestWithParam<InsertCase> {};

TEST_P(SteelInsertTest, SharesTheMomentByStiffness) {
    const InsertCase& c = GetParam();
    EXPECT_DOUBLE_EQ(effectiveIx_cm4(c.ixAl, c.ixSt), c.effectiveIx);
    const CompositeBending b =
        shareMoment(c.moment_kNcm, c.ixAl, c.wxAl, 95.0, SteelInsert{c.ixSt, c.wxSt, c.grade});
    EXPECT_NEAR(b.aluminiumMoment_kNcm, c.mAl, 1e-9);
    EXPECT_NEAR(b.steelMoment_kNcm, c.mSt, 1e-9);
    EXPECT_NEAR(b.aluminiumStress_Nmm2, c.sigmaAl, 1e-9);
    EXPECT_NEAR(b.steelStress_Nmm2, c.sigmaSt, 1e-9);
    EXPECT_NEAR(b.aluminiumUtilisation, c.utilAl, 1e-6);
    EXPECT_NEAR(b.steelUtilisation, c.utilSt, 1e-6);
    EXPECT_EQ(b.passes, c.passes);
}

INSTANTIATE_TEST_SUITE_P(
    Hand, SteelInsertTest,
    ::testing::Values(
        // 7e6 : 4.2e6 of 11.2e6 -> 100 and 60 kNcm; 50 and 150 N/mm2; 50/95, 150/235.
        InsertCase{"s235_both_pass", 100, 20, 20, 4, SteelGrade::S235, 160, 160, 100, 60, 50,
                   150, 0.5263158, 0.6382979, true},
        // The same with W_st 2,5: 240 N/mm2 passes S275/S355 but not S235's 235.
        InsertCase{"s235_steel_fails", 100, 20, 20, 2.5, SteelGrade::S235, 160, 160, 100, 60, 50,
                   240, 0.5263158, 1.0212766, false},
        // 5.6e6 : 2.1e6 of 7.7e6 -> 80 and 30; 50 and 120; 120/275.
        InsertCase{"s275", 80, 16, 10, 2.5, SteelGrade::S275, 110, 110, 80, 30, 50, 120,
                   0.5263158, 0.4363636, true},
        // 3.5e6 : 10.5e6 of 14e6 -> 100 and 300; 100 and 600; 100/95, 600/355.
        InsertCase{"s355_both_fail", 50, 10, 50, 5, SteelGrade::S355, 400, 200, 100, 300, 100,
                   600, 1.0526316, 1.6901408, false}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace cw
