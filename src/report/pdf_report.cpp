#include "report/pdf_report.h"

#include "report/diagrams.h"
#include "report/elevation.h"
#include "report/figure.h"
#include "report/page_flow.h"
#include "report/pdf_navigation.h"
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

// The first page of every section, filled in once all are laid out and read when the pages
// are painted.
using SectionPages = std::shared_ptr<std::vector<int>>;

}  // namespace

struct PdfReport::Layout {
    ReportMeta meta;
    struct Section {
        std::string bayName;  // in the page header; empty for the front
        std::string bookmark;
        std::vector<Block> blocks;
        bool contents = false;
    };
    std::vector<Section> front;
    std::vector<Section> bays;
    std::vector<RefusedRow> refused;
    int pages = 0;
    int frontPages = 0;
};

PdfReport::PdfReport(ReportMeta meta) : m_layout(std::make_unique<Layout>()) {
    m_layout->meta = std::move(meta);
}

PdfReport::~PdfReport() = default;

void PdfReport::addFront(const std::string& bookmark, std::vector<Block> blocks) {
    m_layout->front.push_back({std::string(), bookmark, std::move(blocks), false});
}

void PdfReport::addContents() {
    m_layout->front.push_back(
        {std::string(), say(Message::PackageHeadingContents, m_layout->meta.language), {}, true});
}

void PdfReport::addBay(const std::string& bayName, std::vector<Block> blocks) {
    // Every bay of a schedule is held until the pages are laid out: without the growth slack.
    blocks.shrink_to_fit();
    m_layout->bays.push_back({bayName, bayName, std::move(blocks), false});
}

void PdfReport::addRefused(const std::vector<RefusedRow>& rows) {
    m_layout->refused.insert(m_layout->refused.end(), rows.begin(), rows.end());
}

int PdfReport::pageCount() const {
    return m_layout->pages;
}

void PdfReport::setProject(std::string project) {
    m_layout->meta.project = std::move(project);
}

int PdfReport::frontPageCount() const {
    return m_layout->frontPages;
}

namespace {

// Places blocks on pages, top to bottom, measuring with the PDF's own font metrics.
class Placer {
public:
    // A measuring placer has no page end: it tells how tall a run of blocks is.
    explicit Placer(QPaintDevice* device, bool measuring = false)
        : m_device(device), m_flow(mm(kTop_mm), measuring ? 1e12 : mm(kBottom_mm)) {}

    std::vector<Page> pages;
    std::vector<PageLink> links;
    SectionPages sectionPages = std::make_shared<std::vector<int>>();
    int sectionOffset = 0;  // what a block's link adds to reach its section

    void newPage(const std::string& bayName) {
        if (!pages.empty())
            m_flow.newPage();
        pages.push_back({bayName, {}});
    }
    double width() const { return mm(kRight_mm - kLeft_mm); }
    double left() const { return mm(kLeft_mm); }

    double heightOf(const QString& text, const QFont& f, double w,
                    int wrap = Qt::TextWordWrap) const {
        const QFontMetricsF fm(f, m_device);
        return fm.boundingRect(QRectF(0, 0, w, 1e9), wrap, text).height();
    }
    // Words wrap; a word wider than the column (a bay's name) is broken where it must be.
    int wrapFor(const QString& text, const QFont& f, double w) const {
        const QFontMetricsF fm(f, m_device);
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (fm.horizontalAdvance(word) > w)
                return Qt::TextWrapAnywhere;
        return Qt::TextWordWrap;
    }
    // Room for `h` (and `keep` more below it) on this page, else a new one.
    void reserve(double h, double keep = 0.0) {
        const int before = m_flow.page();
        m_flow.reserve(h + keep);
        if (m_flow.page() != before)
            pages.push_back({pages.back().bayName, {}});
    }
    void text(const QString& s, const QFont& f, double x, double w, QColor colour = Qt::black,
              Qt::Alignment align = Qt::AlignLeft, int wrap = Qt::TextWordWrap) {
        const double h = heightOf(s, f, w, wrap);
        const QRectF box(x, m_flow.y(), w, h);
        pages.back().ops.push_back([=](QPainter& p) {
            p.setFont(f);
            p.setPen(colour);
            p.drawText(box, int(align) | wrap, s);
        });
        m_lastHeight = std::max(m_lastHeight, h);
    }
    // The page of section `section`, as known when the pages are painted.
    void pageNumber(int section, const QFont& f, QRectF box, Qt::Alignment align) {
        const SectionPages known = sectionPages;
        pages.back().ops.push_back([=](QPainter& p) {
            if (section < 0 || std::size_t(section) >= known->size())
                return;
            p.setFont(f);
            p.setPen(Qt::black);
            p.drawText(box, int(align), QString::number((*known)[std::size_t(section)] + 1));
        });
    }
    void link(QRectF box, int section) {
        // Drawing units to points, from the page's top left.
        const double pt = 72.0 / kResolution;
        links.push_back({int(pages.size()) - 1, box.left() * pt, box.top() * pt, box.width() * pt,
                         box.height() * pt, section});
    }
    void advance(double extra = 0.0) {
        m_flow.advance(m_lastHeight + extra);
        m_lastHeight = 0.0;
    }
    void space(double h) { m_flow.advance(h); }
    double y() const { return m_flow.y(); }
    void op(double h, std::function<void(QPainter&, QRectF)> paint) {
        reserve(h);
        const QRectF box(left(), y(), width(), h);
        pages.back().ops.push_back([=](QPainter& p) { paint(p, box); });
        m_flow.advance(h);
    }

private:
    QPaintDevice* m_device;
    PageFlow m_flow;
    double m_lastHeight = 0.0;
};

// A row of cells, each wrapped in its column; the page of the linked section in the last
// cell where the row asks for it.
void placeTableRow(Placer& pl, const Block& b) {
    const QFont f = font(7.0, b.header);
    std::vector<double> widths;
    double h = 0.0;
    for (std::size_t i = 0; i < b.cells.size() && i < b.widths_mm.size(); ++i) {
        widths.push_back(mm(b.widths_mm[i]));
        const QString cell = qs(b.cells[i]);
        const double w = widths.back() - mm(1.0);
        h = std::max(h, pl.heightOf(cell, f, w, pl.wrapFor(cell, f, w)));
    }
    pl.reserve(h + mm(1.2));
    const double top = pl.y();
    const QColor colour = b.ok ? QColor(Qt::black) : kFail;
    double x = pl.left();
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const bool page = b.pageCell && i + 1 == widths.size();
        if (page)
            pl.pageNumber(pl.sectionOffset + b.link, f, QRectF(x, top, widths[i] - mm(1.0), h),
                          Qt::AlignRight | Qt::AlignTop);
        else
            pl.text(qs(b.cells[i]), f, x, widths[i] - mm(1.0), colour, Qt::AlignLeft,
                    pl.wrapFor(qs(b.cells[i]), f, widths[i] - mm(1.0)));
        x += widths[i];
    }
    const QRectF row(pl.left(), top, x - pl.left(), h);
    if (b.link >= 0)
        pl.link(row, pl.sectionOffset + b.link);
    pl.advance(mm(0.4));
    const double ruleY = pl.y();
    const double ruleWidth = b.header ? mm(0.3) : mm(0.1);
    pl.op(0.0, [=](QPainter& p, QRectF) {
        p.setPen(QPen(kRule, ruleWidth));
        p.drawLine(QPointF(row.left(), ruleY), QPointF(row.right(), ruleY));
    });
    pl.space(mm(0.8));
}

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
            elevationFigure(b.picture->elevation, kRight_mm - kLeft_mm, kElevationHeight_mm).figure;
        const double h = figure.size.height() / kFigureUnitsPerMm;
        pl.op(mm(h + 2.0), [figure](QPainter& p, QRectF box) {
            paintFigure(p, figure,
                        QRectF(box.topLeft(), QSizeF(box.width(), box.height() - mm(2.0))));
        });
        break;
    }
    case BlockKind::Diagrams: {
        const Figure figure = diagramFigure(
            b.picture->drawn ? *b.picture->drawn : computeDiagrams(b.picture->diagram), b.language,
            b.format, kRight_mm - kLeft_mm);
        const double h = figure.size.height() / kFigureUnitsPerMm;
        pl.op(mm(h + 2.0), [figure](QPainter& p, QRectF box) {
            paintFigure(p, figure,
                        QRectF(box.topLeft(), QSizeF(box.width(), box.height() - mm(2.0))));
        });
        break;
    }
    case BlockKind::Drawing: {
        const Figure figure = systemFigure(b.picture->drawing, kRight_mm - kLeft_mm);
        const double h = figure.size.height() / kFigureUnitsPerMm;
        pl.op(mm(h), [figure](QPainter& p, QRectF box) { paintFigure(p, figure, box); });
        break;
    }
    case BlockKind::TableRow: placeTableRow(pl, b); break;
    case BlockKind::TocEntry: {
        const double numberW = mm(14.0);
        pl.reserve(pl.heightOf(qs(b.a), body, w - numberW));
        const double top = pl.y();
        pl.text(qs(b.a), body, x, w - numberW);
        const double h = pl.heightOf(qs(b.a), body, w - numberW);
        pl.pageNumber(b.link, body, QRectF(x + w - numberW, top, numberW, h), Qt::AlignRight);
        pl.link(QRectF(x, top, w, h), b.link);
        pl.advance(mm(0.8));
        break;
    }
    }
}

void keepShortSectionTogether(Placer& placer, QPaintDevice* device,
                              const std::vector<Block>& blocks, std::size_t heading);

// Lays out a section's blocks: a group of blocks that fits on a page is moved whole to the
// next page rather than split.
void placeBlocks(Placer& placer, QPaintDevice* device, const std::vector<Block>& blocks) {
    std::vector<int> keeps;
    keeps.reserve(blocks.size());
    for (const Block& b : blocks)
        keeps.push_back(b.keep);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (blocks[i].kind == BlockKind::Heading)
            keepShortSectionTogether(placer, device, blocks, i);
        if (const std::size_t end = groupEnd(keeps, i); end > i) {
            Placer measure(device, true);
            measure.newPage(std::string());
            const double top = measure.y();
            for (std::size_t k = i; k <= end; ++k)
                place(measure, blocks[k]);
            placer.reserve(measure.y() - top);
        }
        place(placer, blocks[i]);
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
    // Only what is known is labelled: no project, no "Project:".
    QString left;
    if (!meta.project.empty())
        left = qs(say(Message::ReportProjectLabel, language)) + QStringLiteral(": ") +
               qs(meta.project);
    if (!bayName.empty())
        left += (left.isEmpty() ? QString() : QStringLiteral("    ")) +
                qs(say(Message::ReportBayLabel, language)) + QStringLiteral(": ") + qs(bayName);
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, left);
    const QString pageText =
        qs(say(Message::ReportPageOf, language, {std::to_string(page), std::to_string(pages)}));
    p.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
               qs(meta.date) + QStringLiteral("    ") + qs(meta.program) + QStringLiteral("    ") +
                   pageText);
    p.setPen(QPen(kRule, mm(0.2)));
    p.drawLine(QPointF(mm(kLeft_mm), mm(16.5)), QPointF(mm(kRight_mm), mm(16.5)));
}

// The contents: every front section after the title page, every bay, the refused rows.
std::vector<Block> contentsBlocks(const std::vector<std::string>& titles, std::size_t front,
                                  std::size_t bays, Language language) {
    std::vector<Block> blocks;
    blocks.push_back(makeBlock(BlockKind::Title, say(Message::PackageHeadingContents, language)));
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const bool bay = i >= front && i < front + bays;
        if (i == front && bays > 0)
            blocks.push_back(
                makeBlock(BlockKind::Heading, say(Message::PackageBookmarkBays, language)));
        Block entry = makeBlock(BlockKind::TocEntry, (bay ? "    " : "") + titles[i]);
        entry.link = int(i);
        blocks.push_back(std::move(entry));
    }
    return blocks;
}

}  // namespace

std::optional<std::string> PdfReport::write(const QString& path) {
    Layout& l = *m_layout;
    const Language language = l.meta.language;
    auto pdf = std::make_unique<QPdfWriter>(path);
    pdf->setResolution(kResolution);
    pdf->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    pdf->setCreator(qs(l.meta.program));
    pdf->setTitle(qs(say(Message::PackageTitle, language) +
                     (l.meta.project.empty() ? std::string() : " — " + l.meta.project)));

    // Every section in the order printed: the front, the bays, the refused rows.
    std::vector<const Layout::Section*> sections;
    for (const Layout::Section& s : l.front)
        sections.push_back(&s);
    for (const Layout::Section& s : l.bays)
        sections.push_back(&s);
    Layout::Section refused;
    if (!l.refused.empty()) {
        refused.bookmark = say(Message::ReportHeadingRefused, language);
        refused.blocks.push_back(makeBlock(BlockKind::Heading, refused.bookmark));
        for (const RefusedRow& r : l.refused)
            refused.blocks.push_back(makeBlock(
                BlockKind::Verdict,
                say(Message::ReportRefusedRow, language, {std::to_string(r.line), r.id, r.reason}),
                {}, {}, false));
        sections.push_back(&refused);
    }
    std::vector<std::string> titles;
    for (const Layout::Section* s : sections)
        titles.push_back(s->bookmark);

    Placer placer(pdf.get());
    placer.sectionOffset = int(l.front.size());
    std::vector<int> firstPage;
    for (const Layout::Section* s : sections) {
        placer.newPage(s->bayName);
        firstPage.push_back(int(placer.pages.size()) - 1);
        placeBlocks(placer, pdf.get(),
                    s->contents ? contentsBlocks(titles, l.front.size(), l.bays.size(), language)
                                : s->blocks);
    }
    if (placer.pages.empty())
        placer.newPage(std::string());
    *placer.sectionPages = firstPage;
    l.pages = int(placer.pages.size());
    l.frontPages = l.bays.empty() ? l.pages : firstPage[l.front.size()];

    // The front sections and the refused rows at the top level, the bays under one entry.
    std::vector<Bookmark> bookmarks;
    Bookmark bays{say(Message::PackageBookmarkBays, language), 0, {}};
    for (std::size_t i = 0; i < sections.size(); ++i) {
        Bookmark b{titles[i], firstPage[i], {}};
        if (i >= l.front.size() && i < l.front.size() + l.bays.size()) {
            if (bays.children.empty())
                bays.page = b.page;
            bays.children.push_back(std::move(b));
            if (i + 1 == l.front.size() + l.bays.size())
                bookmarks.push_back(std::move(bays));
        } else {
            bookmarks.push_back(std::move(b));
        }
    }
    std::vector<PageLink> links = std::move(placer.links);
    for (PageLink& link : links)
        link.target = link.target >= 0 && std::size_t(link.target) < firstPage.size()
                          ? firstPage[std::size_t(link.target)]
                          : -1;

    const std::string cannot = say(Message::ReportCannotWrite, language) + " " + path.toStdString();
    {
        QPainter painter;
        if (!painter.begin(pdf.get()))
            return cannot;
        for (std::size_t i = 0; i < placer.pages.size(); ++i) {
            if (i > 0)
                pdf->newPage();
            paintHeader(painter, l.meta, placer.pages[i].bayName, int(i) + 1, l.pages);
            for (const PaintOp& op : placer.pages[i].ops)
                op(painter);
        }
        if (!painter.end())
            return cannot;
    }
    // The pages are written: what laid them out is let go before PoDoFo reads the file, so
    // a long schedule does not hold both at once.
    placer.pages = {};
    pdf.reset();
    l.front = {};
    l.bays = {};
    if (!QFile::exists(path))
        return cannot;
    if (auto error = addNavigation(path.toStdString(), bookmarks, links))
        return cannot + ": " + *error;
    return std::nullopt;
}

}  // namespace cw::report
