#include "report/pdf_report.h"

#include "report/diagrams.h"
#include "report/elevation.h"
#include "report/figure.h"
#include "report/system_figure.h"
#include "text/messages.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace cw::report {

namespace {

constexpr int kResolution = 1200;  // dots per inch of the PDF's drawing units
constexpr double kLeft_mm = 18.0;
constexpr double kRight_mm = 192.0;
constexpr double kTop_mm = 26.0;
constexpr double kBottom_mm = 282.0;
constexpr double kElevationHeight_mm = 46.0;  // the bay itself, its dimensions around it
// Sections shorter than this are kept on one page.
constexpr double kShortSection_mm = 55.0;

const QString kFamily = QStringLiteral("DejaVu Sans");

double mm(double v) {
    return v * kResolution / 25.4;
}

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Without shaping there are no ligatures, so "fi" stays two letters a search finds.
QFont font(double points, bool bold = false) {
    QFont f(kFamily);
    f.setStyleStrategy(QFont::PreferNoShaping);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

const QColor kPass(0x1b, 0x6e, 0x2a);
const QColor kFail(0xb0, 0x20, 0x20);
const QColor kRule(0x9a, 0xa5, 0xb1);

using PaintOp = std::function<void(QPainter&)>;

struct Page {
    std::string bayName;
    std::vector<PaintOp> ops;
};

}  // namespace

struct PdfReport::Layout {
    ReportMeta meta;
    struct Section {
        std::string bayName;
        std::vector<Block> blocks;
    };
    std::vector<Section> sections;
    std::vector<RefusedRow> refused;
    int pages = 0;
};

PdfReport::PdfReport(ReportMeta meta) : m_layout(std::make_unique<Layout>()) {
    m_layout->meta = std::move(meta);
}

PdfReport::~PdfReport() = default;

void PdfReport::addBay(const std::string& bayName, const std::vector<Block>& blocks) {
    m_layout->sections.push_back({bayName, blocks});
}

void PdfReport::addRefused(const std::vector<RefusedRow>& rows) {
    m_layout->refused.insert(m_layout->refused.end(), rows.begin(), rows.end());
}

int PdfReport::pageCount() const {
    return m_layout->pages;
}

namespace {

// Places blocks on pages, top to bottom, measuring with the PDF's own font metrics.
class Placer {
public:
    // A measuring placer has no page end: it tells how tall a run of blocks is.
    explicit Placer(QPaintDevice* device, bool measuring = false)
        : m_device(device), m_bottom(measuring ? 1e12 : mm(kBottom_mm)) {}

    std::vector<Page> pages;

    void newPage(const std::string& bayName) {
        pages.push_back({bayName, {}});
        m_y = mm(kTop_mm);
    }
    double width() const { return mm(kRight_mm - kLeft_mm); }
    double left() const { return mm(kLeft_mm); }

    double heightOf(const QString& text, const QFont& f, double w) const {
        const QFontMetricsF fm(f, m_device);
        return fm.boundingRect(QRectF(0, 0, w, 1e9), Qt::TextWordWrap, text).height();
    }
    // Room for `h` (and `keep` more below it) on this page, else a new one.
    void reserve(double h, double keep = 0.0) {
        if (m_y + h + keep > m_bottom)
            newPage(pages.back().bayName);
    }
    void text(const QString& s, const QFont& f, double x, double w, QColor colour = Qt::black,
              Qt::Alignment align = Qt::AlignLeft) {
        const double h = heightOf(s, f, w);
        const QRectF box(x, m_y, w, h);
        pages.back().ops.push_back([=](QPainter& p) {
            p.setFont(f);
            p.setPen(colour);
            p.drawText(box, int(align) | Qt::TextWordWrap, s);
        });
        m_lastHeight = std::max(m_lastHeight, h);
    }
    void advance(double extra = 0.0) {
        m_y += m_lastHeight + extra;
        m_lastHeight = 0.0;
    }
    void space(double h) { m_y += h; }
    double y() const { return m_y; }
    void op(double h, std::function<void(QPainter&, QRectF)> paint) {
        reserve(h);
        const QRectF box(left(), m_y, width(), h);
        pages.back().ops.push_back([=](QPainter& p) { paint(p, box); });
        m_y += h;
    }

private:
    QPaintDevice* m_device;
    double m_y = 0.0;
    double m_bottom;
    double m_lastHeight = 0.0;
};

void place(Placer& pl, const Block& b) {
    const QFont body = font(9.0);
    const QFont bold = font(9.0, true);
    const double x = pl.left();
    const double w = pl.width();
    switch (b.kind) {
    case BlockKind::Title:
        pl.text(qs(b.a), font(14.0, true), x, w);
        pl.advance(mm(3.0));
        break;
    case BlockKind::Heading: {
        const QFont f = font(11.0, true);
        pl.reserve(pl.heightOf(qs(b.a), f, w), mm(14.0));
        pl.space(mm(2.0));
        pl.text(qs(b.a), f, x, w, QColor(0x1f, 0x2a, 0x36));
        pl.advance(mm(1.5));
        break;
    }
    case BlockKind::Row: {
        pl.reserve(pl.heightOf(qs(b.a), body, mm(78.0)));
        pl.text(qs(b.a), body, x, mm(78.0));
        pl.text(qs(b.b), bold, x + mm(80.0), mm(70.0));
        pl.text(qs(b.c), body, x + mm(152.0), mm(22.0));
        pl.advance(mm(0.8));
        break;
    }
    case BlockKind::Formula: {
        const double resultW = mm(58.0);
        const double numbersW = w - resultW - mm(10.0);
        const QString result = QStringLiteral("= ") + qs(b.c);
        const double h = pl.heightOf(qs(b.a), body, w - mm(4.0)) +
                         (b.b.empty() ? 0.0 : pl.heightOf(qs(b.b), body, numbersW));
        pl.reserve(h + mm(1.5));
        if (b.b.empty()) {
            pl.text(qs(b.a), body, x + mm(4.0), numbersW + mm(4.0));
            pl.text(result, bold, x + w - resultW, resultW, Qt::black, Qt::AlignRight);
            pl.advance(mm(1.5));
            break;
        }
        pl.text(qs(b.a), body, x + mm(4.0), w - mm(4.0), QColor(0x33, 0x33, 0x33));
        pl.advance(mm(0.4));
        pl.text(qs(b.b), body, x + mm(8.0), numbersW);
        pl.text(result, bold, x + w - resultW, resultW, Qt::black, Qt::AlignRight);
        pl.advance(mm(1.2));
        break;
    }
    case BlockKind::Text:
        pl.reserve(pl.heightOf(qs(b.a), body, w));
        pl.text(qs(b.a), body, x, w);
        pl.advance(mm(1.0));
        break;
    case BlockKind::Verdict: {
        const QString s = (b.ok ? QStringLiteral("✔ ") : QStringLiteral("✘ ")) + qs(b.a);
        pl.reserve(pl.heightOf(s, bold, w));
        pl.text(s, bold, x, w, b.ok ? kPass : kFail);
        pl.advance(mm(1.0));
        break;
    }
    case BlockKind::Elevation: {
        const Figure figure =
            elevationFigure(b.elevation, kRight_mm - kLeft_mm, kElevationHeight_mm).figure;
        const double h = figure.size.height() / kFigureUnitsPerMm;
        pl.op(mm(h + 2.0), [figure](QPainter& p, QRectF box) {
            paintFigure(p, figure, QRectF(box.topLeft(), QSizeF(box.width(), box.height() - mm(2.0))));
        });
        break;
    }
    case BlockKind::Diagrams: {
        const Figure figure =
            diagramFigure(computeDiagrams(b.diagram), b.language, b.format, kRight_mm - kLeft_mm);
        const double h = figure.size.height() / kFigureUnitsPerMm;
        pl.op(mm(h + 2.0), [figure](QPainter& p, QRectF box) {
            paintFigure(p, figure, QRectF(box.topLeft(), QSizeF(box.width(), box.height() - mm(2.0))));
        });
        break;
    }
    case BlockKind::Drawing: {
        const Figure figure = systemFigure(b.drawing, kRight_mm - kLeft_mm);
        const double h = figure.size.height() / kFigureUnitsPerMm;
        pl.op(mm(h), [figure](QPainter& p, QRectF box) { paintFigure(p, figure, box); });
        break;
    }
    }
}

// A short section (a heading and the blocks up to the next one) starts on a new page rather
// than leave its last lines alone on the next.
void keepShortSectionTogether(Placer& placer, QPaintDevice* device,
                              const std::vector<Block>& blocks, std::size_t heading) {
    Placer measure(device, true);
    measure.newPage(std::string());
    const double top = measure.y();
    for (std::size_t i = heading; i < blocks.size(); ++i) {
        if (i > heading && blocks[i].kind == BlockKind::Heading)
            break;
        place(measure, blocks[i]);
    }
    const double height = measure.y() - top;
    if (height < mm(kShortSection_mm)) {
        placer.reserve(height);
        return;
    }
    // A heading stays with the picture that follows it, and its lines before the picture.
    Placer upToPicture(device, true);
    upToPicture.newPage(std::string());
    for (std::size_t i = heading; i < blocks.size(); ++i) {
        if (i > heading && blocks[i].kind == BlockKind::Heading)
            break;
        place(upToPicture, blocks[i]);
        if (blocks[i].kind == BlockKind::Diagrams) {
            placer.reserve(upToPicture.y() - top);
            return;
        }
    }
}

void paintHeader(QPainter& p, const ReportMeta& meta, const std::string& bayName, int page,
                 int pages) {
    const Language language = meta.language;
    const QFont f = font(8.0);
    p.setFont(f);
    p.setPen(QColor(0x33, 0x33, 0x33));
    const QRectF line(mm(kLeft_mm), mm(10.0), mm(kRight_mm - kLeft_mm), mm(5.0));
    const QString left = qs(say(Message::ReportProjectLabel, language)) + QStringLiteral(": ") +
                         qs(meta.project) + QStringLiteral("    ") +
                         qs(say(Message::ReportBayLabel, language)) + QStringLiteral(": ") +
                         qs(bayName);
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, left);
    const QString pageText =
        qs(say(Message::ReportPageOf, language, {std::to_string(page), std::to_string(pages)}));
    p.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
               qs(meta.date) + QStringLiteral("    ") + qs(meta.program) + QStringLiteral("    ") +
                   pageText);
    p.setPen(QPen(kRule, mm(0.2)));
    p.drawLine(QPointF(mm(kLeft_mm), mm(16.5)), QPointF(mm(kRight_mm), mm(16.5)));
}

}  // namespace

std::optional<std::string> PdfReport::write(const QString& path) {
    const Layout& l = *m_layout;
    QPdfWriter pdf(path);
    pdf.setResolution(kResolution);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    pdf.setCreator(qs(l.meta.program));
    pdf.setTitle(qs(say(Message::ReportTitle, l.meta.language) + " — " + l.meta.project));

    Placer placer(&pdf);
    for (const Layout::Section& s : l.sections) {
        placer.newPage(s.bayName);
        for (std::size_t i = 0; i < s.blocks.size(); ++i) {
            if (s.blocks[i].kind == BlockKind::Heading)
                keepShortSectionTogether(placer, &pdf, s.blocks, i);
            place(placer, s.blocks[i]);
        }
    }
    if (!l.refused.empty()) {
        placer.newPage(std::string());
        place(placer,
              makeBlock(BlockKind::Heading, say(Message::ReportHeadingRefused, l.meta.language)));
        for (const RefusedRow& r : l.refused) {
            const std::string s = say(Message::ReportRefusedRow, l.meta.language,
                                      {std::to_string(r.line), r.id, r.reason});
            place(placer, makeBlock(BlockKind::Verdict, s, {}, {}, false));
        }
    }
    if (placer.pages.empty())
        placer.newPage(std::string());
    m_layout->pages = int(placer.pages.size());

    QPainter painter;
    if (!painter.begin(&pdf))
        return say(Message::ReportCannotWrite, l.meta.language) + " " + path.toStdString();
    for (std::size_t i = 0; i < placer.pages.size(); ++i) {
        if (i > 0)
            pdf.newPage();
        paintHeader(painter, l.meta, placer.pages[i].bayName, int(i) + 1, m_layout->pages);
        for (const PaintOp& op : placer.pages[i].ops)
            op(painter);
    }
    if (!painter.end())
        return say(Message::ReportCannotWrite, l.meta.language) + " " + path.toStdString();
    if (!QFile::exists(path))
        return say(Message::ReportCannotWrite, l.meta.language) + " " + path.toStdString();
    return std::nullopt;
}

}  // namespace cw::report
