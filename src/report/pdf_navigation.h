#pragma once

// Bookmarks and links added to a PDF Qt has written: Qt's PDF writer makes neither, so the
// finished file is opened with PoDoFo and given them.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cw::report {

struct Bookmark {
    std::string title;
    int page = 0;  // from 0
    std::vector<Bookmark> children;
};

// A clickable rectangle, in points from the page's top left, that opens a page.
struct PageLink {
    int page = 0;
    double left = 0.0, top = 0.0, width = 0.0, height = 0.0;
    int target = 0;
};

// Nothing on success, otherwise what PoDoFo reported.
std::optional<std::string> addNavigation(const std::string& path,
                                         const std::vector<Bookmark>& bookmarks,
                                         const std::vector<PageLink>& links);

// The bookmarks of a PDF as titles, depth first, each child after "  " per level: how a
// test reads them back.
std::vector<std::string> readBookmarks(const std::string& path);

// The links of a PDF as (page, page it opens), from 0, in page order.
std::vector<std::pair<int, int>> readLinks(const std::string& path);

}  // namespace cw::report
