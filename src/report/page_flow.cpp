#include "report/page_flow.h"

namespace cw::report {

void PageFlow::newPage() {
    ++m_page;
    m_y = m_top;
}

void PageFlow::reserve(double h) {
    if (m_y + h > m_bottom && m_y > m_top)
        newPage();
}

std::size_t groupEnd(std::span<const int> keeps, std::size_t i) {
    const int group = keeps[i];
    if (group == 0 || (i > 0 && keeps[i - 1] == group))
        return i;
    std::size_t end = i;
    while (end + 1 < keeps.size() && keeps[end + 1] == group)
        ++end;
    return end;
}

std::vector<int> flowPages(std::span<const FlowItem> items, double top, double bottom) {
    std::vector<int> keeps;
    for (const FlowItem& item : items)
        keeps.push_back(item.keep);
    PageFlow flow(top, bottom);
    std::vector<int> pages;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (const std::size_t end = groupEnd(keeps, i); end > i) {
            double h = 0.0;
            for (std::size_t k = i; k <= end; ++k)
                h += items[k].height;
            flow.reserve(h);
        }
        flow.reserve(items[i].height);
        pages.push_back(flow.page());
        flow.advance(items[i].height);
    }
    return pages;
}

}  // namespace cw::report
