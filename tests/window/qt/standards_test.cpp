// The Standards menu and the Site wind dialog act on the model as the replay's `criterion` and
// `site-wind` lines do, with the dialog replaced by a double.

#include "window_fixture.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include <string>

namespace cw::gui::test {
namespace {

using C = ControlId;

void typeBay(Window& w) {
    clickOn(w.widget(C::Option10));
    clickOn(w.widget(C::Option9));
    for (const auto& [id, text] : {std::pair{C::Text4, "150"},
                                   {C::Text7, "150"},
                                   {C::Text2, "350"},
                                   {C::Text10, "100"},
                                   {C::Text12, "250"},
                                   {C::Text8, "1"}})
        typeInto(w.widget(id), QString::fromUtf8(text));
    clickOn(w.widget(C::Command2));
    clickOn(w.widget(C::Command15));
}

TEST(Standards, TheCriterionMenuChoosesTheRunsCriterion) {
    Window w;
    typeBay(w);
    StandardsControls* standards = w.window.standards();
    EXPECT_TRUE(standards->criterion2003()->isChecked());
    standards->criterion2015()->trigger();
    EXPECT_EQ(w.form.state().criterion, DeflectionCriterion::En13830_2015);
    EXPECT_TRUE(standards->criterion2015()->isChecked());
    clickOn(w.widget(C::Command1));
    EXPECT_EQ(w.form.text(C::Text5), "251,22");
    EXPECT_EQ(w.form.text(C::Text23), "16,67");
    EXPECT_NE(w.as<QLabel>(C::Label7)->text().toStdString().find("5 + L/300"), std::string::npos);
    standards->criterion2003()->trigger();
    clickOn(w.widget(C::Command1));
    EXPECT_EQ(w.form.text(C::Text5), "279,13");
}

TEST(Standards, SiteWindIsAppliedAndARefusedEntryAsksAgain) {
    Window w;
    typeBay(w);
    StandardsControls* standards = w.window.standards();
    int asked = 0;
    standards->ask = [&](QWidget*, const SiteWindTexts& shown, Language language) {
        EXPECT_EQ(language, Language::Greek);
        SiteWindTexts texts = shown;
        // First too high a reference height, then a site that passes.
        texts[std::size_t(SiteWindEntry::Z)] = ++asked == 1 ? "250" : "20";
        texts[std::size_t(SiteWindEntry::Area)] = "5,25";
        texts[std::size_t(SiteWindEntry::Cpi)] = "0";
        return std::optional<SiteWindTexts>(texts);
    };
    EXPECT_EQ(standards->siteWindButton()->isVisible(), true);
    clickOn(standards->siteWindButton());
    EXPECT_EQ(asked, 2);
    ASSERT_TRUE(w.form.state().siteWind.has_value());
    EXPECT_NEAR(w.form.state().siteWind->result.qp_kNm2, 1.2803, 0.0005);
    EXPECT_EQ(w.form.text(C::Text8), "1,60799");
    EXPECT_EQ(w.form.form().windInput, WindInput::TypedPressure);

    // Cancel changes nothing.
    standards->ask = [](QWidget*, const SiteWindTexts&, Language) {
        return std::optional<SiteWindTexts>();
    };
    standards->siteWindAction()->trigger();
    EXPECT_EQ(w.form.text(C::Text8), "1,60799");
}

TEST(Standards, MenuAndButtonFollowTheLanguage) {
    Window w;
    StandardsControls* standards = w.window.standards();
    EXPECT_EQ(standards->menu()->title(), QStringLiteral("&Πρότυπα"));
    clickOn(w.widget(C::Command10));
    EXPECT_EQ(standards->menu()->title(), QStringLiteral("&Standards"));
    EXPECT_EQ(standards->siteWindButton()->text(), QStringLiteral("Site wind…"));
}

}  // namespace
}  // namespace cw::gui::test
