// One language at a time: with English showing no Greek word is on the screen, and with Greek
// showing no Latin one, outside a short list of codes, units, symbols and names. The walk
// reads every visible control, tooltip, menu entry, the status bar, the title, the message
// boxes and the dialogs the window opens, in states that show every part of the form.

#include "window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>

#include <functional>
#include <set>

namespace cw::gui::test {
namespace {

using C = ControlId;

// Words of the other script that may show: units, symbols of the standards, names of series,
// files and programs, the command buttons' names, section codes, category numerals and the
// names of keys, the product forms of the alloy table (EP/O open, EP/H hollow extrusions).
const std::set<QString> kLatinInGreek = {
    "mm",      "cm",     "m",     "kN",  "km",   "h",     "N",    "max",  "L",      "A",
    "H",       "d",      "f",     "w",   "qp",   "cpe",   "cpi",  "z",    "vb",     "cdir",
    "cseason", "Jx",     "Jy",    "Ix",  "Wx",   "M",     "EN",   "GR",   "Veltra", "Korin",
    "Dalvo",   "Terrax", "Excel", "PDF", "xlsx", "cwbay", "NEXT", "EXIT", "OK",     "KA",
    "TB",      "TC",     "I",     "II",  "III",  "IV",    "v",    "T",    "x",      "y",
    "B",       "s",      "Ctrl",  "Z",   "EP",   "O"};
const std::set<QString> kGreekInEnglish = {"σ", "α", "δ"};

bool hasGreek(const QString& word) {
    for (const QChar c : word)
        if ((c.unicode() >= 0x0370 && c.unicode() <= 0x03FF) ||
            (c.unicode() >= 0x1F00 && c.unicode() <= 0x1FFF))
            return true;
    return false;
}

bool hasLatin(const QString& word) {
    for (const QChar c : word)
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
            (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
            return true;
    return false;
}

// The words of `text` that belong to the other script, with where they were seen.
void check(const QString& where, QString text, bool english, QStringList& faults) {
    text.remove(QLatin1Char('&'));  // mnemonics
    // Quoted parts are the user's own: paths, typed texts.
    static const QRegularExpression quoted(QStringLiteral("«[^»]*»|\"[^\"]*\""));
    text.remove(quoted);
    static const QRegularExpression word(QStringLiteral("\\p{L}+"));
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured();
        const bool foreign = english ? hasGreek(w) && !kGreekInEnglish.count(w)
                                     : hasLatin(w) && !kLatinInGreek.count(w) &&
                                           w != QApplication::applicationName();
        if (foreign)
            faults << QStringLiteral("%1: \"%2\" in \"%3\"").arg(where, w, text);
    }
}

void walkMenu(const QString& path, QMenu* menu, bool english, QStringList& faults) {
    check(path, menu->title(), english, faults);
    for (QAction* a : menu->actions()) {
        // A recent file (its path as data) is named by the user, as a quoted text is.
        if (a->isSeparator() || !a->isVisible() || a->data().isValid())
            continue;
        if (a->menu()) {
            walkMenu(path + QStringLiteral(" > ") + a->text(), a->menu(), english, faults);
            continue;
        }
        check(path + QStringLiteral(" > ") + a->text(), a->text(), english, faults);
        check(path + QStringLiteral(" > ") + a->text() + QStringLiteral(" (tip)"), a->toolTip(),
              english, faults);
    }
}

// A control of the form that the inventory stacks under its twin of the language showing.
bool coveredByTwin(QWidget* w) {
    const int i = findControl(w->objectName().toStdString());
    if (i < 0)
        return false;
    const ControlSpec& s = inventory()[i];
    if (s.twin.empty())
        return false;
    const QWidget* twin = w->parentWidget()->findChild<QWidget*>(fromUtf8(s.twin));
    return twin && twin->isVisible() && twin->geometry().contains(w->geometry().center());
}

// Every text of a window or dialog a user can see or hear.
void walkWidget(const QString& where, QWidget* top, bool english, QStringList& faults) {
    check(where + QStringLiteral(" title"), top->windowTitle(), english, faults);
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(top) || coveredByTwin(w))
            continue;
        const QString name = where + QStringLiteral(" ") + w->objectName();
        if (auto* label = qobject_cast<QLabel*>(w))
            check(name, label->text(), english, faults);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            check(name, button->text(), english, faults);
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            check(name, edit->text(), english, faults);
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                check(name, combo->itemText(i), english, faults);
        else if (auto* table = qobject_cast<QTableWidget*>(w))
            for (int r = -1; r < table->rowCount(); ++r)
                for (int c = 0; c < table->columnCount(); ++c)
                    if (QTableWidgetItem* item =
                            r < 0 ? table->horizontalHeaderItem(c) : table->item(r, c))
                        // The shortcuts' keys are named as their caps are printed.
                        if (r < 0 || c > 0 ||
                            table->objectName() != QLatin1String("shortcutsTable"))
                            check(name, item->text(), english, faults);
        check(name + QStringLiteral(" (tip)"), w->toolTip(), english, faults);
        check(name + QStringLiteral(" (name)"), w->accessibleName(), english, faults);
    }
}

// Opens a dialog with `open`, walks it while it shows and closes it.
void walkDialog(const QString& where, bool english, QStringList& faults,
                const std::function<void()>& open) {
    bool seen = false;
    QTimer::singleShot(50, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        seen = true;
        walkWidget(where, modal, english, faults);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
    open();
    EXPECT_TRUE(seen) << where.toStdString() << ": no dialog opened";
}

// The report's questions: a file chosen at once, the offer to open the PDF as the program
// shows it (walked and closed by walkDialog).
class PdfHere final : public ReportQuestions {
public:
    explicit PdfHere(QString path) : m_path(std::move(path)) {}
    std::optional<QString> choosePdf(QWidget*, const QString&, const QString&,
                                     const QString&) override {
        return m_path;
    }
    bool offerToOpen(QWidget* parent, const QString& title, const QString& text,
                     const QString& openText, const QString& closeText) override {
        return DialogReportQuestions().offerToOpen(parent, title, text, openText, closeText);
    }
    void open(const QUrl&) override {}
    void showError(QWidget*, const QString&, const QString& text) override {
        ADD_FAILURE() << text.toStdString();
    }
    void showMethod(QWidget*, const QString&, const QString&, const QString& closeText) override {
        methodClose = closeText;
    }
    QString methodClose;

private:
    QString m_path;
};

struct Language {
    const char* name;
    const char* locale;
    bool english;
};

class LanguageWalk : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const Language& lang = GetParam();
        form = std::make_unique<Form>(NumberFormat::fromLocale(lang.locale));
        report = std::make_shared<PdfHere>(dir.filePath(QStringLiteral("r.pdf")));
        WindowOptions options{{}, true, nullptr, report};
        window = std::make_unique<MainWindow>(*form, options);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        english = lang.english;
        showLanguage();
    }

    void showLanguage() { clickOn(window->control(english ? C::Command10 : C::Command9)); }

    // The whole window as it shows now.
    void walk(const QString& state) {
        walkWidget(state, window.get(), english, faults);
        for (QAction* a : window->menuBar()->actions())
            if (a->menu())
                walkMenu(state + QStringLiteral(" menu"), a->menu(), english, faults);
        check(state + QStringLiteral(" status bar"), window->statusBar()->currentMessage(), english,
              faults);
        // The message boxes shown since the last walk.
        const auto& shown = window->shownMessages();
        for (; messagesWalked < shown.size(); ++messagesWalked) {
            const ShownMessage& m = shown[messagesWalked];
            check(state + QStringLiteral(" message"), m.text, english, faults);
            check(state + QStringLiteral(" message title"), m.title, english, faults);
        }
    }

    void type(ControlId id, const char* text) {
        typeInto(window->control(id), QString::fromUtf8(text));
    }

    // A bay of the series and system through the pressure button, then NEXT.
    void design(ControlId series, ControlId system, const char* a, const char* l,
                const char* pressure) {
        clickOn(window->control(series));
        clickOn(window->control(system));
        type(C::Text4, a);
        type(C::Text7, a);
        type(C::Text2, l);
        if (system == C::Option13)
            type(C::Text13, "100");
        type(C::Text10, "100");
        type(C::Text12, "200");
        type(C::Text8, english ? "0.8" : "0,8");
        if (pressure)
            type(C::Text8, pressure);
        clickOn(window->control(C::Command2));
        clickOn(window->control(C::Command15));
        clickOn(window->control(C::Command1));
    }

    QTemporaryDir dir;
    std::shared_ptr<PdfHere> report;
    std::unique_ptr<Form> form;
    std::unique_ptr<MainWindow> window;
    bool english = false;
    QStringList faults;
    std::size_t messagesWalked = 0;
};

TEST_P(LanguageWalk, NoWordOfTheOtherScriptShows) {
    walk(QStringLiteral("start"));

    // Every series with every system it offers, designed: the results panel's captions.
    for (const ControlId series : {C::Option10, C::Option11, C::Option12})
        for (const ControlId system : {C::Option9, C::Option13, C::Option14}) {
            clickOn(window->control(series));
            if (!form->visible(system))
                continue;
            design(series, system, "120", "300", nullptr);
            walk(QStringLiteral("designed %1/%2")
                     .arg(controlName(series).data(), controlName(system).data()));
        }

    // No mullion fits; then old results after a change, with the height bands in force.
    design(C::Option11, C::Option9, "300", "900", english ? "1.5" : "1,5");
    walk(QStringLiteral("nothing fits"));
    clickOn(window->control(C::Option2));
    type(C::Text2, "890");
    walk(QStringLiteral("out of date"));

    // A refused run shows its message box.
    type(C::Text4, "");
    clickOn(window->control(C::Command1));
    EXPECT_FALSE(window->shownMessages().empty());
    walk(QStringLiteral("refused"));

    // The status bar after an export, and after switching to the other language and back.
    form->state().exported(dir.filePath(QStringLiteral("r.xlsx")).toStdString());
    walk(QStringLiteral("exported"));
    english = !english;
    showLanguage();
    walk(QStringLiteral("exported, switched"));
    english = !english;
    showLanguage();
    walk(QStringLiteral("exported, switched back"));

    // The dialogs: site wind, out-of-date export, unsaved changes, the report's offer.
    walkDialog(QStringLiteral("site wind"), english, faults,
               [&] { window->standards()->siteWindAction()->trigger(); });
    walkDialog(QStringLiteral("old results export"), english, faults,
               [&] { window->exportAction()->trigger(); });
    walkDialog(QStringLiteral("unsaved changes"), english, faults,
               [&] { window->openAction()->trigger(); });
    design(C::Option10, C::Option9, "120", "300", nullptr);
    walkDialog(QStringLiteral("report written"), english, faults,
               [&] { window->reportMenu()->reportAction()->trigger(); });
    // Help: the shortcuts and About windows (the guide itself is English with a Greek part).
    walkDialog(QStringLiteral("keyboard shortcuts"), english, faults,
               [&] { window->helpMenu()->shortcutsAction()->trigger(); });
    walkDialog(QStringLiteral("about"), english, faults,
               [&] { window->helpMenu()->aboutAction()->trigger(); });
    walkDialog(QStringLiteral("user guide"), english, faults,
               [&] { window->helpMenu()->guideAction()->trigger(); });
    window->reportMenu()->methodAction()->trigger();
    check(QStringLiteral("method's close button"), report->methodClose, english, faults);

    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageWalk,
                         ::testing::Values(Language{"greek", "el_GR", false},
                                           Language{"english", "en_US", true},
                                           Language{"english_greek_locale", "el_GR", true}),
                         [](const ::testing::TestParamInfo<Language>& param) {
                             return std::string(param.param.name);
                         });

// Numbers in the menus follow the regional settings, not the language.
TEST(LanguageWalk, TheStandardsMenuWritesNumbersAsTheLocaleDoes) {
    for (const auto& [locale, span] : {std::pair{"en_US", "7.5 m"}, {"el_GR", "7,5 m"}}) {
        Window w(locale);
        for (const ControlId flag : {C::Command10, C::Command9}) {
            clickOn(w.widget(flag));
            const QString text = w.window.standards()->criterion2015()->text();
            EXPECT_TRUE(text.contains(QString::fromUtf8(span))) << text.toStdString();
        }
    }
}

}  // namespace
}  // namespace cw::gui::test
