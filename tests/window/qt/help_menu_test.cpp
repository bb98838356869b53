// Help: F1 opens the shipped guide with its pictures, the shortcuts window lists every key the
// window answers to, About names the version, the licence and the standards; in each language.

#include "window_fixture.h"

#include "window/qt/help_menu.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <functional>

namespace cw::gui::test {
namespace {

using C = ControlId;

// Runs `open`, hands the dialog it shows to `look` and closes it.
void whileShown(const std::function<void()>& open, const std::function<void(QDialog*)>& look) {
    bool seen = false;
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        look(dialog);
        dialog->reject();
    });
    open();
    EXPECT_TRUE(seen) << "no window opened";
}

struct HelpCase {
    const char* name;
    ControlId flag;
    const char* guideLineAtCursor;  // a word of the heading F1 opens at
    const char* close;
    const char* aboutWord;
};

class Help : public ::testing::TestWithParam<HelpCase> {
protected:
    void SetUp() override { clickOn(w.widget(GetParam().flag)); }
    Window w;
};

TEST_P(Help, F1OpensTheGuideWithItsPictures) {
    const HelpCase& c = GetParam();
    whileShown([&] { pressKey(&w.window, Qt::Key_F1); },
               [&](QDialog* dialog) {
                   EXPECT_EQ(dialog->objectName(), QStringLiteral("userGuideDialog"));
                   auto* text = dialog->findChild<QTextBrowser*>(QStringLiteral("userGuideText"));
                   ASSERT_NE(text, nullptr);
                   const QString plain = text->toPlainText();
                   EXPECT_TRUE(plain.contains(QStringLiteral("A worked bay")));
                   EXPECT_TRUE(text->textCursor().block().text().contains(
                       QString::fromUtf8(c.guideLineAtCursor)))
                       << text->textCursor().block().text().toStdString();
                   // Every picture the guide names is found where the browser looks.
                   static const QRegularExpression picture(QStringLiteral("\\(images/[^)]+\\)"));
                   int pictures = 0;
                   for (auto it = picture.globalMatch(userGuideMarkdown()); it.hasNext();) {
                       QString name = it.next().captured();
                       name = name.mid(1, name.size() - 2);
                       const QVariant image =
                           text->document()->resource(QTextDocument::ImageResource, QUrl(name));
                       EXPECT_TRUE(image.isValid() && !image.isNull()) << name.toStdString();
                       ++pictures;
                   }
                   EXPECT_GE(pictures, 2);
                   // The pictures fit the page: nothing to scroll sideways for.
                   EXPECT_FALSE(text->horizontalScrollBar()->isVisible());
                   auto* close = dialog->findChild<QPushButton*>();
                   ASSERT_NE(close, nullptr);
                   EXPECT_EQ(close->text(), QString::fromUtf8(c.close));
               });
}

TEST_P(Help, TheShortcutsWindowListsEveryKeyOfTheWindow) {
    whileShown(
        [&] { w.window.helpMenu()->shortcutsAction()->trigger(); },
        [&](QDialog* dialog) {
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("shortcutsTable"));
            ASSERT_NE(table, nullptr);
            QStringList listed;
            for (int r = 0; r < table->rowCount(); ++r) {
                listed << table->item(r, 0)->text();
                EXPECT_FALSE(table->item(r, 1)->text().isEmpty()) << r;
            }
            const QString all = listed.join(QStringLiteral(", "));
            // Every shortcut of every action of the window, however it was added.
            int keys = 0;
            for (const QAction* a : w.window.findChildren<QAction*>())
                for (const QKeySequence& k : a->shortcuts()) {
                    EXPECT_TRUE(all.contains(k.toString(QKeySequence::NativeText)))
                        << a->objectName().toStdString() << " " << k.toString().toStdString();
                    ++keys;
                }
            EXPECT_GE(keys, 8);
            for (const char* key : {"F1", "F9", "Ctrl+O", "Ctrl+S", "Ctrl+P", "Ctrl+Q", "Tab"})
                EXPECT_TRUE(all.contains(QLatin1String(key))) << key;
        });
}

TEST_P(Help, AboutNamesVersionLicenceAndStandards) {
    const HelpCase& c = GetParam();
    whileShown([&] { w.window.helpMenu()->aboutAction()->trigger(); },
               [&](QDialog* dialog) {
                   auto* text = dialog->findChild<QLabel*>(QStringLiteral("aboutText"));
                   ASSERT_NE(text, nullptr);
                   for (const QString& part :
                        {QStringLiteral("curtainwall ") + QApplication::applicationVersion(),
                         QStringLiteral("EN 13830:2003"), QStringLiteral("EN 13830:2015+A1"),
                         QStringLiteral("EN 1991-1-4"), QString::fromUtf8(c.aboutWord)})
                       EXPECT_TRUE(text->text().contains(part)) << part.toStdString();
               });
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, Help,
    ::testing::Values(HelpCase{"greek", C::Command9, kGuideGreekHeading, "Κλείσιμο", "Άδεια"},
                      HelpCase{"english", C::Command10, "curtainwall user guide", "Close",
                               "Licence"}),
    [](const ::testing::TestParamInfo<HelpCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace cw::gui::test
