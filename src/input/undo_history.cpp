#include "input/undo_history.h"

#include "input/bay_document_io.h"
#include "input/next_run.h"
#include "model/used_inputs.h"

#include <utility>

namespace cw {

namespace {

BayDocument inLanguage(BayDocument d, Language language) {
    d.language = language;
    return d;
}

}  // namespace

BayStep stepOf(const WindowState& w) {
    return {documentOf(w), resultsCurrent(w)};
}

UndoHistory::UndoHistory(BayStep start, std::size_t limit)
    : m_current(std::move(start)), m_limit(limit == 0 ? 1 : limit) {}

bool UndoHistory::record(const BayStep& now, bool typing) {
    if (inLanguage(now.document, m_current.document.language) == m_current.document) {
        // A run, a language switch or a move of the focus: the same inputs.
        m_current = now;
        return false;
    }
    const std::optional<Field> field = onlyTextChanged(m_current.document, now.document);
    if (typing && field && field == m_typingIn) {
        m_current = now;
        return true;
    }
    m_undo.push_back(std::move(m_current));
    if (m_undo.size() > m_limit)
        m_undo.pop_front();
    m_redo.clear();
    m_current = now;
    m_typingIn = typing ? field : std::nullopt;
    return true;
}

std::optional<BayStep> UndoHistory::undo() {
    if (m_undo.empty())
        return std::nullopt;
    m_redo.push_back(std::move(m_current));
    m_current = std::move(m_undo.back());
    m_undo.pop_back();
    m_typingIn.reset();
    return m_current;
}

std::optional<BayStep> UndoHistory::redo() {
    if (m_redo.empty())
        return std::nullopt;
    m_undo.push_back(std::move(m_current));
    m_current = std::move(m_redo.back());
    m_redo.pop_back();
    m_typingIn.reset();
    return m_current;
}

void UndoHistory::settle(const BayStep& applied) {
    m_current = applied;
    m_typingIn.reset();
}

std::optional<Field> onlyTextChanged(const BayDocument& a, const BayDocument& b) {
    std::optional<Field> changed;
    for (const BayDocumentText& slot : bayDocumentTexts()) {
        if (a.*slot.text == b.*slot.text)
            continue;
        if (changed)
            return std::nullopt;
        changed = slot.field;
        BayDocument put = b;
        put.*slot.text = a.*slot.text;
        if (!(put == a))
            return std::nullopt;
    }
    return changed;
}

bool geometryCleared(const BayDocument& before, const BayDocument& after) {
    if (before.staticSystem == after.staticSystem || !before.staticSystem)
        return false;
    for (std::string BayDocument::*text :
         {&BayDocument::gridWidthA1_cm, &BayDocument::gridWidthA2_cm, &BayDocument::spanL1_cm,
          &BayDocument::spanL2_cm, &BayDocument::glazingHeightH1_cm,
          &BayDocument::glazingHeightH2_cm})
        if (!(before.*text).empty() && (after.*text).empty())
            return true;
    return false;
}

void restoreStep(Form& f, const BayStep& step) {
    WindowState& w = f.state();
    const DocumentFile file = w.document;
    const std::string workbook = w.reportWorkbook;
    const std::optional<ControlId> focus = w.focused();
    // Run as NEXT was: a file opens with a run only when complete, but NEXT also runs the
    // wind load of a bay without a static system.
    openDocument(f, inLanguage(step.document, w.languageShowing()), false);
    if (step.ran)
        runNext(w);
    w.document = file;
    w.reportWorkbook = workbook;
    if (focus && w.visible(*focus))
        w.setFocus(*focus);
}

}  // namespace cw
