// The form holds together in both languages: no two visible controls cover each other unless
// they are meant to, and every caption, button text and value fits its box, before any run and
// after a run of every series and static system. Registered twice: at scale factor 1 and 2.

#include "window_fixture.h"

#include "window/qt/form_layout.h"

#include <QAbstractButton>
#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>

namespace cw::gui::test {
namespace {

using C = ControlId;

// Places where two controls lie on each other on purpose. Twins (the two languages' captions
// at one place) are told by the inventory itself; these are the rest.
struct Stacked {
    std::string_view upper;
    std::string_view lower;
    const char* why;
};
constexpr Stacked kStackedOnPurpose[] = {
    {"Image6", "Image1", "the small logo is drawn over the banner"},
    {"Line14", "Image1", "the rule under the small logo crosses the banner"},
    {"Line14", "Image6", "the rule runs along the small logo's foot"},
    {"Label51", "Label110", "\"έως\" and \"max\" share their place in the height row"},
    {"Command18", "Command12", "\"L1=\" covers \"L =\" while there are two spans"},
};

bool stackedOnPurpose(const QString& a, const QString& b) {
    const auto same = [](std::string_view x, const QString& y) { return fromUtf8(x) == y; };
    for (const Stacked& s : kStackedOnPurpose)
        if ((same(s.upper, a) && same(s.lower, b)) || (same(s.upper, b) && same(s.lower, a)))
            return true;
    const int i = findControl(a.toStdString());
    return i >= 0 && fromUtf8(inventory()[i].twin) == b;
}

// What a user sees as a thing of its own: text, a field, a button, an option, a picture. Border
// boxes and frames only enclose others, and an empty transparent label shows nothing.
bool seenAsOwnThing(QWidget* w) {
    if (qobject_cast<QScrollArea*>(w))
        return false;
    if (auto* label = qobject_cast<QLabel*>(w))
        return !label->text().trimmed().isEmpty();
    const int i = findControl(w->objectName().toStdString());
    if (i < 0)
        return w->objectName() == QLatin1String("verdictLine");
    return inventory()[i].kind != ControlKind::Frame;
}

// The text a widget draws, as it draws it.
QString drawnText(QWidget* w) {
    if (auto* caption = dynamic_cast<CaptionLabel*>(w)) {
        QString text = caption->shownText();
        while (text.endsWith(QLatin1Char('\n')))  // an empty last line shows nothing
            text.chop(1);
        return text;
    }
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->icon().isNull() ? button->text() : QString();
    return {};
}

// The box a widget's text has to fit in, in the widget's coordinates.
QRect textBox(QWidget* w) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        // QLineEdit keeps 2 px inside its frame on each side (QLineEditPrivate::horizontalMargin).
        const int frame =
            edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        return edit->rect().adjusted(frame + 2, 0, -frame - 2, 0);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    return w->contentsRect();
}

// Labels and buttons wrap at blanks; fields show one line.
bool wraps(QWidget* w) {
    return !qobject_cast<QLineEdit*>(w);
}

// Where the text lands: what a user sees of a label is its text, as a label's background is
// the form's own colour; a field or a button is seen whole.
QRect drawnRect(QWidget* w) {
    if (qobject_cast<QLabel*>(w) && !drawnText(w).isEmpty() &&
        qobject_cast<QLabel*>(w)->frameShape() == QFrame::NoFrame) {
        const QRect box = textBox(w);
        const auto* label = qobject_cast<QLabel*>(w);
        return QFontMetrics(w->font())
            .boundingRect(box, int(label->alignment()) | Qt::TextWordWrap, drawnText(w))
            .intersected(box);
    }
    return w->rect();
}

// Whether the text is wider or taller than its box; a cut descender on the last line is
// allowed, as the captions draw a line whose letters fit.
QString overflow(QWidget* w) {
    const QString text = drawnText(w);
    if (text.isEmpty())
        return {};
    const QFontMetrics fm(w->font());
    const QRect box = textBox(w);
    QRect need;
    if (wraps(w)) {
        need = fm.boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    } else {
        need = QRect(0, 0, fm.horizontalAdvance(text), fm.height());
    }
    if (need.width() > box.width() || need.height() - fm.descent() > box.height())
        return QStringLiteral("needs %1×%2, has %3×%4")
            .arg(need.width())
            .arg(need.height())
            .arg(box.width())
            .arg(box.height());
    return {};
}

struct LayoutCase {
    const char* name;
    bool english;
    ControlId series;  // no run when the series is Text44 (none)
    ControlId system;
};

class Layout : public ::testing::TestWithParam<LayoutCase> {
protected:
    // A bay of the given series and system, designed through the wind pressure button.
    void design(const LayoutCase& c) {
        clickOn(w.widget(c.series));
        clickOn(w.widget(c.system));
        for (const auto& [field, text] : {std::pair{C::Text4, "120"},
                                          {C::Text7, "120"},
                                          {C::Text2, "300"},
                                          {C::Text10, "100"},
                                          {C::Text12, "200"}})
            typeInto(w.widget(field), QString::fromLatin1(text));
        if (c.system == C::Option13)
            typeInto(w.widget(C::Text13), QStringLiteral("100"));
        typeInto(w.widget(C::Text8), c.english ? QStringLiteral("0.8") : QStringLiteral("0,8"));
        clickOn(w.widget(C::Command2));
        clickOn(w.widget(C::Command15));
        clickOn(w.widget(C::Command1));
    }

    // Every widget on the form that shows, in the form's coordinates.
    std::vector<std::pair<QWidget*, QRect>> shownThings() const {
        std::vector<std::pair<QWidget*, QRect>> things;
        QWidget* page = w.window.formPage();
        for (QWidget* child : page->findChildren<QWidget*>()) {
            if (!child->isVisibleTo(page) || !seenAsOwnThing(child))
                continue;
            // A Greek caption under its shown English twin draws nothing.
            if (auto* caption = dynamic_cast<CaptionLabel*>(child); caption && caption->covered())
                continue;
            const QRect drawn = drawnRect(child);
            things.emplace_back(child, QRect(child->mapTo(page, drawn.topLeft()), drawn.size()));
        }
        return things;
    }

    // en_US for English, el_GR for Greek: each language with its own notation.
    Window w{GetParam().english ? "en_US" : "el_GR"};
};

TEST_P(Layout, NothingCoversAnotherAndEveryTextFits) {
    const LayoutCase& c = GetParam();
    clickOn(w.widget(c.english ? C::Command10 : C::Command9));
    if (c.series != C::Text44)
        design(c);
    ASSERT_TRUE(w.form.state().lastRun.has_value() == (c.series != C::Text44));

    // Pictures for the eye, when asked for: CW_LAYOUT_SHOTS=<folder>.
    if (const QString shots = qEnvironmentVariable("CW_LAYOUT_SHOTS"); !shots.isEmpty())
        w.window.formPage()->grab().save(
            QDir(shots).filePath(QStringLiteral("%1@%2.png")
                                     .arg(QString::fromLatin1(c.name))
                                     .arg(w.window.devicePixelRatioF())));

    QStringList faults;
    const auto things = shownThings();
    for (std::size_t i = 0; i < things.size(); ++i) {
        const auto& [a, ra] = things[i];
        if (const QString why = overflow(a); !why.isEmpty())
            faults << QStringLiteral("%1 \"%2\" does not fit: %3")
                          .arg(a->objectName(), drawnText(a), why);
        for (std::size_t j = i + 1; j < things.size(); ++j) {
            const auto& [b, rb] = things[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            if (ra.intersects(rb) && !stackedOnPurpose(a->objectName(), b->objectName()))
                faults << QStringLiteral("%1 %2 and %3 %4 overlap")
                              .arg(a->objectName())
                              .arg(QStringLiteral("(%1,%2 %3×%4)")
                                       .arg(ra.x())
                                       .arg(ra.y())
                                       .arg(ra.width())
                                       .arg(ra.height()))
                              .arg(b->objectName())
                              .arg(QStringLiteral("(%1,%2 %3×%4)")
                                       .arg(rb.x())
                                       .arg(rb.y())
                                       .arg(rb.width())
                                       .arg(rb.height()));
        }
    }
    // What starts inside a box stays inside it: a value pushed along its row must not run
    // out of the results panel.
    QWidget* page = w.window.formPage();
    for (QWidget* box : page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        auto* frame = qobject_cast<QLabel*>(box);
        if (!box->isVisibleTo(page) || frame->frameShape() != QFrame::Box ||
            !frame->text().isEmpty())
            continue;
        for (const auto& [thing, rect] : things)
            if (box->geometry().contains(rect.topLeft()) && !box->geometry().contains(rect))
                faults << QStringLiteral("%1 runs out of the box %2")
                              .arg(thing->objectName(), box->objectName());
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, Layout,
    ::testing::Values(LayoutCase{"greek_before_any_run", false, C::Text44, C::Text44},
                      LayoutCase{"greek_veltra_one_span", false, C::Option10, C::Option9},
                      LayoutCase{"greek_veltra_two_spans", false, C::Option10, C::Option13},
                      LayoutCase{"greek_korin_fixed_ends", false, C::Option11, C::Option14},
                      LayoutCase{"greek_terrax_one_span", false, C::Option12, C::Option9},
                      LayoutCase{"greek_terrax_two_spans", false, C::Option12, C::Option13},
                      LayoutCase{"english_before_any_run", true, C::Text44, C::Text44},
                      LayoutCase{"english_veltra_one_span", true, C::Option10, C::Option9},
                      LayoutCase{"english_veltra_two_spans", true, C::Option10, C::Option13},
                      LayoutCase{"english_korin_fixed_ends", true, C::Option11, C::Option14},
                      LayoutCase{"english_terrax_one_span", true, C::Option12, C::Option9},
                      LayoutCase{"english_terrax_two_spans", true, C::Option12, C::Option13}),
    [](const ::testing::TestParamInfo<LayoutCase>& param) {
        return std::string(param.param.name);
    });

// --- The window on the screen ------------------------------------------------------------------

struct ScreenCase {
    const char* name;
    QSize room;
    QMargins frame;
    QSize expected;  // the window without its frame
};

// Form 1007×817 (15105×12255 twips at 96 dpi) under 22 + 22 px of menu and status bar, scroll
// bar 16: worked by hand. 768 - 30 - 4 = 734 high; the cut height adds the scroll bar's width.
class ScreenFit : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(ScreenFit, TheWholeWindowIsOnTheScreen) {
    const ScreenCase& c = GetParam();
    const QSize size = fittedWindowSize(QSize(1007, 817), 44, c.room, c.frame, 16);
    EXPECT_EQ(size, c.expected);
    EXPECT_LE(size.height() + c.frame.top() + c.frame.bottom(), c.room.height());
    EXPECT_LE(size.width() + c.frame.left() + c.frame.right(), c.room.width());
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenFit,
    ::testing::Values(
        ScreenCase{"laptop_1366x768_title_bar_30", {1366, 768}, {4, 30, 4, 4}, {1023, 734}},
        ScreenCase{"laptop_1366x768_panel_and_title", {1366, 740}, {4, 30, 4, 4}, {1023, 706}},
        ScreenCase{"full_hd_fits_whole", {1920, 1040}, {4, 30, 4, 4}, {1007, 861}},
        ScreenCase{"narrow_and_short_both_cut", {800, 600}, {0, 0, 0, 0}, {800, 600}}),
    [](const ::testing::TestParamInfo<ScreenCase>& param) {
        return std::string(param.param.name);
    });

// The window as opened: frame and all inside the screen's free area (offscreen: no desktop
// frame, so the reserved title bar must keep it clear of the bottom edge too).
TEST(ScreenFit, TheOpenedWindowLiesInsideTheFreeArea) {
    Window w;
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = w.window.frameGeometry();
    EXPECT_TRUE(room.contains(frame))
        << room.width() << "x" << room.height() << " holds " << frame.x() << "," << frame.y() << " "
        << frame.width() << "x" << frame.height();
    EXPECT_LT(frame.height(), room.height()) << "no room left for a title bar";
}

}  // namespace
}  // namespace cw::gui::test
