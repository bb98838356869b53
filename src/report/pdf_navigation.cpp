#include "report/pdf_navigation.h"

#include <podofo.h>

namespace cw::report {

namespace {

PoDoFo::PdfString utf8(const std::string& s) {
    return PoDoFo::PdfString(reinterpret_cast<const PoDoFo::pdf_utf8*>(s.c_str()));
}

// Bookmarks as siblings under `parent`: the first as its child, the rest each after the one
// before.
void addLevel(PoDoFo::PdfMemDocument& doc, PoDoFo::PdfOutlineItem* parent,
              const std::vector<Bookmark>& bookmarks) {
    PoDoFo::PdfOutlineItem* last = nullptr;
    for (const Bookmark& b : bookmarks) {
        const PoDoFo::PdfDestination to(doc.GetPage(b.page), PoDoFo::ePdfDestinationFit_Fit);
        last = last ? last->CreateNext(utf8(b.title), to) : parent->CreateChild(utf8(b.title), to);
        addLevel(doc, last, b.children);
    }
}

void collect(const PoDoFo::PdfOutlineItem* item, int depth, std::vector<std::string>& out) {
    for (; item; item = item->Next()) {
        out.push_back(std::string(std::size_t(depth) * 2, ' ') + item->GetTitle().GetStringUtf8());
        collect(item->First(), depth + 1, out);
    }
}

}  // namespace

std::optional<std::string> addNavigation(const std::string& path,
                                         const std::vector<Bookmark>& bookmarks,
                                         const std::vector<PageLink>& links) {
    // PoDoFo writes its trailer and notes to stdout unless told not to.
    PoDoFo::PdfError::EnableDebug(false);
    PoDoFo::PdfError::EnableLogging(false);
    try {
        // An incremental update: Qt's bytes stay as written, the outline, the links and the
        // pages that carry them are appended.
        PoDoFo::PdfMemDocument doc;
        doc.Load(path.c_str(), true);
        const int pages = doc.GetPageCount();
        if (!bookmarks.empty())
            addLevel(doc, doc.GetOutlines(true), bookmarks);
        for (const PageLink& l : links) {
            if (l.page < 0 || l.page >= pages || l.target < 0 || l.target >= pages)
                continue;
            PoDoFo::PdfPage* page = doc.GetPage(l.page);
            const double pageHeight = page->GetPageSize().GetHeight();
            PoDoFo::PdfAnnotation* a = page->CreateAnnotation(
                PoDoFo::ePdfAnnotation_Link,
                PoDoFo::PdfRect(l.left, pageHeight - l.top - l.height, l.width, l.height));
            a->SetDestination(
                PoDoFo::PdfDestination(doc.GetPage(l.target), PoDoFo::ePdfDestinationFit_Fit));
            a->SetBorderStyle(0.0, 0.0, 0.0);
        }
        doc.WriteUpdate(path.c_str());
    } catch (const PoDoFo::PdfError& e) {
        return std::string("PoDoFo: ") + PoDoFo::PdfError::ErrorMessage(e.GetError());
    }
    return std::nullopt;
}

std::vector<std::string> readBookmarks(const std::string& path) {
    std::vector<std::string> out;
    try {
        PoDoFo::PdfMemDocument doc(path.c_str());
        if (PoDoFo::PdfOutlines* outlines = doc.GetOutlines(false))
            collect(outlines->First(), 0, out);
    } catch (const PoDoFo::PdfError&) {
        out.clear();
    }
    return out;
}

std::vector<std::pair<int, int>> readLinks(const std::string& path) {
    std::vector<std::pair<int, int>> out;
    try {
        PoDoFo::PdfMemDocument doc(path.c_str());
        for (int i = 0; i < doc.GetPageCount(); ++i) {
            PoDoFo::PdfPage* page = doc.GetPage(i);
            for (int k = 0; k < page->GetNumAnnots(); ++k) {
                PoDoFo::PdfAnnotation* a = page->GetAnnotation(k);
                if (a->GetType() != PoDoFo::ePdfAnnotation_Link || !a->HasDestination())
                    continue;
                if (PoDoFo::PdfPage* to = a->GetDestination(&doc).GetPage(&doc))
                    out.emplace_back(i, int(to->GetPageNumber()) - 1);
            }
        }
    } catch (const PoDoFo::PdfError&) {
        out.clear();
    }
    return out;
}

}  // namespace cw::report
