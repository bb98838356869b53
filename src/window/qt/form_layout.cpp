#include "window/qt/form_layout.h"

#include "window/qt/control_widgets.h"
#include "window/qt/widget_look.h"

#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace cw::gui {

using C = ControlId;

namespace {

struct Nudge {
    ControlId id;
    TwipRect rect;
};

// Boxes that touch or cross their neighbour by a pixel or two once rounded, and captions
// whose words need one more line in the substitute font.
constexpr Nudge kNudges[] = {
    // The caption buttons end one pixel inside the field they name.
    {C::Command5, {3000, 4680, 345, 375}},
    {C::Command12, {5160, 4680, 345, 375}},
    {C::Command18, {5160, 4680, 345, 375}},
    {C::Command20, {6240, 4680, 465, 375}},
    {C::Command3, {8760, 4680, 465, 375}},
    // The start picture's edge lay one pixel under the banner.
    {C::Image5, {2790, 0, 7155, 5340}},
    // "Simple support - rolling support" takes two lines; the three-line caption below it
    // moves down to make room.
    {C::Label19, {1080, 3480, 1575, 390}},
    {C::Label24, {1080, 3885, 1455, 600}},
    {C::Label83, {360, 8040, 2895, 400}},
    // Shown with the English captions in Terrax, which are longer than the Greek ones.
    {C::Label115, {360, 8640, 2775, 255}},
    {C::Label116, {360, 9240, 2535, 255}},
};

// One row of the results panel: its Greek and English captions, then what follows the caption
// from left to right. Twins share a place: the second of a pair is the other language's.
struct Piece {
    ControlId id;
    ControlId twin;
};
struct ResultRow {
    int section;  // rows of one section share their value column
    ControlId greek;
    ControlId english;
    std::initializer_list<Piece> pieces;
};

constexpr Piece only(ControlId id) {
    return {id, id};
}

const ResultRow kRows[] = {
    {0, C::Label36, C::Label88, {only(C::Text24), only(C::Label44)}},
    {0, C::Label37, C::Label89, {only(C::Text26), only(C::Label45)}},
    {0, C::Label38, C::Label90, {only(C::Text27), only(C::Label46)}},
    {0, C::Label39, C::Label91, {only(C::Text28), only(C::Label47)}},
    {0, C::Label49, C::Label92, {only(C::Text33), only(C::Label54)}},
    {0, C::Label50, C::Label93, {only(C::Text34), only(C::Label55)}},
    {0, C::Label40, C::Label94, {only(C::Text29), only(C::Label48)}},
    {0, C::Label42, C::Label95, {only(C::Text30), only(C::Label53)}},
    {0, C::Label41, C::Label96, {{C::Label51, C::Label110}, only(C::Text31), only(C::Label52)}},
    {0, C::Label43, C::Label97, {only(C::Text43), only(C::Text32), only(C::Label56)}},
    {1, C::Label17, C::Label98, {only(C::Text5), only(C::Label22)}},
    {1, C::Label67, C::Label99, {only(C::Text9), only(C::Label68)}},
    {1, C::Label69, C::Label100, {only(C::Text25), only(C::Label70)}},
    {1, C::Label23, C::Label101, {only(C::Text15), only(C::Label25)}},
    {1, C::Label28, C::Label102, {only(C::Text17), only(C::Label26)}},
    {2, C::Label18, C::Label103, {only(C::Text6)}},
    {2, C::Label27, C::Label104, {only(C::Text14)}},
    {2, C::Label57, C::Label105, {only(C::Text20), only(C::Label58)}},
    {2, C::Label71, C::Label106, {only(C::Text35), only(C::Label72)}},
    {2, C::Label6, C::Label107, {only(C::Text18), only(C::Label33)}},
    {2, C::Label7, C::Label108, {only(C::Text23), only(C::Label34)}},
};

constexpr int kSections = 3;
// The box around each section: Input data, the required values, the profiles.
constexpr ControlId kSectionBoxes[kSections] = {C::Label64, C::Label65, C::Label66};
constexpr int kGap = 4;         // between a value and its unit, in pixels
constexpr int kColumnGap = 8;   // between the widest caption and the value column
constexpr int kFieldSlack = 8;  // a value field's frame and inner margins
constexpr int kNarrowestField = 33;

QString textOf(const QWidget* w) {
    if (const auto* caption = dynamic_cast<const CaptionLabel*>(w))
        return caption->shownText();
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    return {};
}

int textWidth(const QWidget* w) {
    int widest = 0;
    for (const QString& line : textOf(w).split(QLatin1Char('\n')))
        widest = std::max(widest, QFontMetrics(w->font()).horizontalAdvance(line));
    return widest;
}

// The caption of the language showing, or null when the row is not on show.
CaptionLabel* shownCaption(const std::array<QWidget*, kControlCount>& widgets,
                           const ResultRow& row) {
    for (const ControlId id : {row.english, row.greek}) {
        auto* caption = dynamic_cast<CaptionLabel*>(widgets[std::size_t(id)]);
        if (caption && !caption->isHidden() && !caption->covered())
            return caption;
    }
    return nullptr;
}

void placeAt(QWidget* w, int x, int width) {
    w->setGeometry(x, w->y(), width, w->height());
}

// The two stresses under their symbols in the caption "σ (…)  <  σ ( max)", each with its unit.
void layOutStressRow(const std::array<QWidget*, kControlCount>& widgets) {
    auto* value = static_cast<QLineEdit*>(widgets[std::size_t(C::Text36)]);
    const bool stressShown = !value->isHidden() && !value->text().isEmpty();
    auto* greek = static_cast<CaptionLabel*>(widgets[std::size_t(C::Label73)]);
    auto* english = static_cast<CaptionLabel*>(widgets[std::size_t(C::Label109)]);
    // Without a stress the caption would compare nothing with nothing.
    const bool englishShown = !english->isHidden();
    greek->setCovered(englishShown || !stressShown);
    english->setCovered(!stressShown);
    QWidget* unit = widgets[std::size_t(C::Label76)];
    QWidget* allowable = widgets[std::size_t(C::Label75)];
    unit->setVisible(stressShown);
    allowable->setVisible(stressShown);
    CaptionLabel* caption = englishShown ? english : greek;
    if (!stressShown || caption->isHidden())
        return;
    const QString text = caption->shownText();
    const int first = int(text.indexOf(QChar(0x03C3)));
    const int second = int(text.indexOf(QChar(0x03C3), first + 1));
    if (first < 0 || second < 0)
        return;
    const QFontMetrics fm(caption->font());
    const int left = caption->x() + caption->contentsRect().left();
    const int x1 = left + fm.horizontalAdvance(text.left(first));
    const int x2 = left + fm.horizontalAdvance(text.left(second));
    const int valueWidth = std::max(kNarrowestField, textWidth(value) + kFieldSlack);
    const int unitWidth = textWidth(unit) + 2;
    placeAt(value, x1, valueWidth);
    placeAt(unit, x1 + valueWidth + kGap, unitWidth);
    // A caption that states the outcome in words has its symbols side by side: the allowable
    // stress then follows the mullion's, a blank's width apart.
    const int afterUnit = unit->x() + unitWidth + 3 * kColumnGap;
    placeAt(allowable, std::max(x2, afterUnit), textWidth(allowable) + 2);
}

}  // namespace

QRect placedRect(const ControlSpec& s, qreal dpi) {
    for (const Nudge& n : kNudges)
        if (n.id == s.id)
            return toPixels(n.rect, dpi);
    return toPixels(s.rect, dpi);
}

QSize fittedWindowSize(QSize form, int chrome, QSize room, QMargins frame, int scrollBar) {
    QSize size = form + QSize(0, chrome);
    const QSize inside = room - QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    if (size.height() > inside.height())
        size.rwidth() += scrollBar;
    if (size.width() > inside.width())
        size.rheight() += scrollBar;
    return size.boundedTo(inside);
}

QMargins expectedFrame(int titleBar) {
    constexpr int border = 4;
    return {border, titleBar + border, border, border};
}

void layOutResults(const std::array<QWidget*, kControlCount>& widgets) {
    // Units follow their values onto the screen.
    for (const ResultRow& row : kRows) {
        const QWidget* value = nullptr;
        for (const Piece& p : row.pieces) {
            QWidget* w = widgets[std::size_t(p.id)];
            if (qobject_cast<QLineEdit*>(w)) {
                if (!value)
                    value = w;
            } else if (p.id == p.twin && value && !value->isHidden() && !textOf(value).isEmpty()) {
                w->show();
            }
        }
    }

    std::array<int, kSections> widest{};
    std::vector<std::pair<const ResultRow*, CaptionLabel*>> shown;
    for (const ResultRow& row : kRows) {
        CaptionLabel* caption = shownCaption(widgets, row);
        if (!caption)
            continue;
        caption->setCompact(true);
        widest[std::size_t(row.section)] =
            std::max(widest[std::size_t(row.section)], textWidth(caption) + 2);
        shown.emplace_back(&row, caption);
    }
    for (const auto& [row, caption] : shown) {
        const int width = widest[std::size_t(row->section)];
        placeAt(caption, caption->x(), width);
        // The pieces' widths first: a row too long for its box leaves the column and follows
        // its own caption more closely.
        std::vector<int> widths;
        int total = 0;
        for (const Piece& p : row->pieces) {
            QWidget* w = widgets[std::size_t(p.id)];
            QWidget* twin = widgets[std::size_t(p.twin)];
            int pieceWidth = 0;
            for (QWidget* one : {w, twin}) {
                if (qobject_cast<QLineEdit*>(one))
                    pieceWidth =
                        std::max({pieceWidth, kNarrowestField, textWidth(one) + kFieldSlack});
                else
                    pieceWidth = std::max(pieceWidth, textWidth(one) + 2);
            }
            widths.push_back(pieceWidth);
            if (!w->isHidden() || !twin->isHidden())
                total += pieceWidth + kGap;
        }
        const QWidget* box = widgets[std::size_t(kSectionBoxes[std::size_t(row->section)])];
        const int right = box->geometry().right() - kGap;
        int x = caption->x() + width + kColumnGap;
        if (x + total > right)
            x = std::max(caption->x() + textWidth(caption) + kGap, right - total);
        std::size_t i = 0;
        for (const Piece& p : row->pieces) {
            QWidget* w = widgets[std::size_t(p.id)];
            QWidget* twin = widgets[std::size_t(p.twin)];
            placeAt(w, x, widths[i]);
            placeAt(twin, x, widths[i]);
            if (!w->isHidden() || !twin->isHidden())
                x += widths[i] + kGap;
            ++i;
        }
    }
    layOutStressRow(widgets);
}

int diagramsPanelWidth(int spare) {
    constexpr int kNarrowest = 300;
    constexpr int kWidest = 460;
    // A few pixels kept back for the splitter between the form and the panel.
    constexpr int kSplitter = 8;
    const int width = std::min(spare - kSplitter, kWidest);
    return width >= kNarrowest ? width : 0;
}

}  // namespace cw::gui
