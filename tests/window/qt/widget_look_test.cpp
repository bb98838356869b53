#include "window/qt/widget_look.h"

#include <QApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace cw::gui::test {
namespace {

struct PixelRow {
    const char* name;
    int twips;
    qreal dpi;
    int pixels;
};

class TwipsToPixels : public ::testing::TestWithParam<PixelRow> {};

TEST_P(TwipsToPixels, RoundToTheNearestPixel) {
    EXPECT_EQ(toPixels(GetParam().twips, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Geometry, TwipsToPixels,
                         ::testing::Values(PixelRow{"fifteen_twips_a_pixel_at_96", 15, 96, 1},
                                           PixelRow{"field_width", 495, 96, 33},
                                           PixelRow{"field_height_374_rounds_up", 374, 96, 25},
                                           PixelRow{"half_pixel_down", 7, 96, 0},
                                           PixelRow{"half_pixel_up", 8, 96, 1},
                                           PixelRow{"box_above_the_window", -720, 96, -48},
                                           PixelRow{"client_width", 15105, 96, 1007},
                                           PixelRow{"client_height", 12255, 96, 817},
                                           PixelRow{"twelve_twips_a_pixel_at_120", 495, 120, 41},
                                           PixelRow{"double_at_192", 15105, 192, 2014}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(TwipRects, ConvertEverySide) {
    EXPECT_EQ(toPixels(TwipRect{10200, -720, 4695, 5295}, 96), QRect(680, -48, 313, 353));
}

struct ColourRow {
    const char* name;
    std::uint32_t bgr;
    QColor expected;
};

class Colours : public ::testing::TestWithParam<ColourRow> {};

TEST_P(Colours, LowByteIsRed) {
    QPalette system;
    system.setColor(QPalette::ButtonText, QColor(1, 2, 3));
    system.setColor(QPalette::WindowText, QColor(4, 5, 6));
    system.setColor(QPalette::Highlight, QColor(7, 8, 9));
    system.setColor(QPalette::Button, QColor(10, 11, 12));
    EXPECT_EQ(qtColour(GetParam().bgr, system), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Look, Colours,
    ::testing::Values(ColourRow{"red", 0x0000FF, QColor(255, 0, 0)},
                      ColourRow{"blue", 0xFF0000, QColor(0, 0, 255)},
                      ColourRow{"dark_blue", 0xC00000, QColor(0, 0, 0xC0)},
                      ColourRow{"dark_green", 0x004000, QColor(0, 0x40, 0)},
                      ColourRow{"olive_yellow", 0x00C0C0, QColor(0xC0, 0xC0, 0)},
                      ColourRow{"light_grey", 0xC0C0C0, QColor(0xC0, 0xC0, 0xC0)},
                      ColourRow{"system_button_text", 0x80000012, QColor(1, 2, 3)},
                      ColourRow{"system_window_text", 0x80000008, QColor(4, 5, 6)},
                      ColourRow{"system_highlight", 0x8000000D, QColor(7, 8, 9)},
                      ColourRow{"system_button_face", 0x8000000F, QColor(10, 11, 12)}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Captions, StoredLineBreaksBecomeLineBreaks) {
    EXPECT_EQ(displayCaption("Height of compressed snow (cm)\r\n"),
              QStringLiteral("Height of compressed snow (cm)\n"));
    EXPECT_EQ(displayCaption("  0-8 μ."), QString::fromUtf8("  0-8 μ."));
}

TEST(Layers, BoxesButtonsOptionsAndFramesLieAbove) {
    EXPECT_TRUE(isUpperLayer(ControlKind::TextBox));
    EXPECT_TRUE(isUpperLayer(ControlKind::CommandButton));
    EXPECT_TRUE(isUpperLayer(ControlKind::OptionButton));
    EXPECT_TRUE(isUpperLayer(ControlKind::Frame));
    EXPECT_FALSE(isUpperLayer(ControlKind::Label));
    EXPECT_FALSE(isUpperLayer(ControlKind::Picture));
    EXPECT_FALSE(isUpperLayer(ControlKind::Line));
}

TEST(Pictures, EveryInventoryPictureIsCompiledIn) {
    int pictures = 0;
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& s = inventory()[i];
        if (s.picture.empty())
            continue;
        ++pictures;
        EXPECT_TRUE(QFile::exists(pictureResource(s.picture))) << s.name << ": " << s.picture;
    }
    EXPECT_EQ(pictures, 10);  // eight pictures and two flag buttons
}

TEST(Application, FontIsTheSubstituteAtTheDefaultSize) {
    const QFont font = QApplication::font();
    EXPECT_EQ(font.families(), substituteFamilies());
    EXPECT_EQ(font.pointSizeF(), 8.25);
}

}  // namespace
}  // namespace cw::gui::test
