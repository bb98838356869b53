#pragma once

// Where blocks fall on pages: the report's page-break rules on heights alone, so that they can
// be checked without a PDF.

#include <span>
#include <vector>

namespace cw::report {

class PageFlow {
public:
    PageFlow(double top, double bottom) : m_top(top), m_bottom(bottom), m_y(top) {}

    void newPage();
    // Room for `h` on this page, else a new page. A fresh page takes anything, so a block
    // taller than a page is split rather than pushed on past empty pages.
    void reserve(double h);
    void advance(double h) { m_y += h; }
    double y() const { return m_y; }
    int page() const { return m_page; }

private:
    double m_top;
    double m_bottom;
    double m_y;
    int m_page = 0;
};

struct FlowItem {
    double height = 0.0;
    int keep = 0;  // blocks of one nonzero group stay on one page
};

// The last item of the group block `i` opens (i itself when it opens none): a group opens
// where its id differs from the item before.
std::size_t groupEnd(std::span<const int> keeps, std::size_t i);

// The page each item starts on, by the rules the report lays its blocks out with.
std::vector<int> flowPages(std::span<const FlowItem> items, double top, double bottom);

}  // namespace cw::report
