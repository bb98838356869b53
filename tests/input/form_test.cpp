#include "../input/form_fixture.h"

#include "model/inventory.h"

namespace cw::test {
namespace {

class WindowModel : public FormTest {};

TEST_F(WindowModel, StartsInTheInventoryState) {
    EXPECT_FALSE(f.focused().has_value());
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& s = inventory()[i];
        EXPECT_EQ(f.visible(s.id), s.visibleAtStart) << s.name;
        EXPECT_FALSE(f.selected(s.id)) << s.name;
    }
    EXPECT_EQ(text(C::Text16), "10");
    EXPECT_EQ(text(C::Text37), "200");
    EXPECT_EQ(text(C::Text38), "0");
    EXPECT_EQ(text(C::Text44), "0");
    EXPECT_FALSE(f.form().seriesChosen);
    EXPECT_FALSE(f.form().language.has_value());
    EXPECT_TRUE(f.form().windPressure.isEmpty());
}

TEST_F(WindowModel, StartTextsAreWrittenInTheUsersNotation) {
    EXPECT_EQ(Form(kGreek).text(C::Text40), "0,1");
    EXPECT_EQ(Form(kUs).text(C::Text40), "0.1");
}

TEST_F(WindowModel, ClickingTakesTheFocusOnlyForFocusableKinds) {
    f.click(C::Command1);
    EXPECT_EQ(f.focused(), C::Command1);
    f.click(C::Label35);
    EXPECT_EQ(f.focused(), C::Command1);
    f.click(C::Text8);
    EXPECT_EQ(f.focused(), C::Text8);
    f.click(C::Option2);
    EXPECT_EQ(f.focused(), C::Option2);
}

TEST_F(WindowModel, OptionGroupsAreExclusiveAndIndependent) {
    f.click(C::Option10);
    f.click(C::Option2);
    f.click(C::Option11);
    EXPECT_FALSE(f.selected(C::Option10));
    EXPECT_TRUE(f.selected(C::Option11));
    EXPECT_TRUE(f.selected(C::Option2));  // the series click unselects only the 0-8 m band
    f.click(C::Option3);
    EXPECT_FALSE(f.selected(C::Option2));
    EXPECT_TRUE(f.selected(C::Option11));
}

TEST_F(WindowModel, ClickingASelectedOptionRunsNothing) {
    f.click(C::Option10);
    f.click(C::Option9);
    f.type(C::Text4, "120");
    f.click(C::Option9);  // already selected: the geometry is not emptied again
    EXPECT_EQ(text(C::Text4), "120");
}

TEST_F(WindowModel, TypingReleasesAKeyPerCharacterAndEmptyTypingReleasesDelete) {
    f.type(C::Text2, "300");  // every release recomputes L / d
    EXPECT_EQ(text(C::Text38), "15");
    f.type(C::Text2, "");
    EXPECT_EQ(text(C::Text2), "");
    EXPECT_EQ(text(C::Text38), "15");  // an empty L1 leaves it
    f.type(C::Text8, "Ανεμοπίεση");
    EXPECT_EQ(text(C::Text8), "Ανεμοπίεση");
}

TEST_F(WindowModel, SetTextRaisesNoEvent) {
    f.setText(C::Text2, "300");
    EXPECT_EQ(text(C::Text38), "0");
    EXPECT_FALSE(f.focused().has_value());
}

TEST_F(WindowModel, ExitClosesTheWindowAndIgnoresLaterEvents) {
    f.click(C::Command8);
    EXPECT_TRUE(f.closed());
    f.click(C::Option10);
    EXPECT_FALSE(f.selected(C::Option10));
}

TEST_F(WindowModel, CaptionButtonsDoNothing) {
    veltraOneSpanBay();
    for (ControlId id :
         {C::Command3, C::Command5, C::Command6, C::Command12, C::Command13, C::Command21}) {
        f.click(id);
        EXPECT_EQ(f.focused(), id);
    }
    EXPECT_EQ(text(C::Text4), "120");
    EXPECT_TRUE(f.pendingMessages().empty());
}

}  // namespace
}  // namespace cw::test
