#include "window/qt/key_codes.h"

#include <Qt>

#include <gtest/gtest.h>

namespace cw::gui::test {
namespace {

struct KeyRow {
    const char* name;
    int qtKey;
    int modelCode;
};

class KeyCodes : public ::testing::TestWithParam<KeyRow> {};

TEST_P(KeyCodes, MapToTheCodesTheHandlersRead) {
    EXPECT_EQ(modelKeyCode(GetParam().qtKey), GetParam().modelCode);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyCodes,
                         ::testing::Values(KeyRow{"return_is_enter", Qt::Key_Return, 13},
                                           KeyRow{"keypad_enter_is_enter", Qt::Key_Enter, 13},
                                           KeyRow{"delete", Qt::Key_Delete, 46},
                                           KeyRow{"backspace", Qt::Key_Backspace, 8},
                                           KeyRow{"digit_zero", Qt::Key_0, '0'},
                                           KeyRow{"digit_nine", Qt::Key_9, '9'},
                                           KeyRow{"letter_a_as_capital", Qt::Key_A, 'A'},
                                           KeyRow{"letter_z_as_capital", Qt::Key_Z, 'Z'},
                                           KeyRow{"space", Qt::Key_Space, 32},
                                           KeyRow{"tab", Qt::Key_Tab, 9},
                                           KeyRow{"left_arrow", Qt::Key_Left, 37},
                                           KeyRow{"comma_is_no_handler_key", Qt::Key_Comma, 0},
                                           KeyRow{"greek_alpha_is_no_handler_key", 0x03B1, 0},
                                           KeyRow{"f5_is_no_handler_key", Qt::Key_F5, 0}),
                         [](const auto& row) { return std::string(row.param.name); });

// Only Enter may look like Enter: any other key reaching the chain would move the focus.
TEST(KeyCodesAll, OnlyReturnAndEnterGiveThirteen) {
    for (int key = 0; key <= 0x01ffffff; key = key < 0x1000 ? key + 1 : key + 0x100) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            continue;
        ASSERT_NE(modelKeyCode(key), 13) << "Qt key 0x" << std::hex << key;
    }
}

}  // namespace
}  // namespace cw::gui::test
