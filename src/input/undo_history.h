#pragma once

#include "input/form.h"
#include "bay/bay_document.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

namespace cw {

// A state of the bay that Undo can go back to: its inputs, and whether its results were
// those of the inputs, so that going back runs it again only where it had been run.
struct BayStep {
    BayDocument document;
    bool ran = false;
};

// The window's step now.
BayStep stepOf(const WindowState& w);

// Edit → Undo / Redo over the bay's inputs. The window records its inputs after each event;
// a change makes a step, except that typing on in the same field grows the step it began, as
// editors do. The language showing is no step of its own: going back keeps the one showing.
class UndoHistory {
public:
    explicit UndoHistory(BayStep start, std::size_t limit = 100);

    // The inputs after an event; `typing` when the event was a key typed into a text field.
    // True when a step was made or grown.
    bool record(const BayStep& now, bool typing);
    // Typing from now on starts a step of its own (the focus moved on).
    void seal() { m_typingIn.reset(); }
    // The step to go back (forth) to, the current one from now on; nothing at either end.
    std::optional<BayStep> undo();
    std::optional<BayStep> redo();
    // What the window holds once a step is given back to it: a run may have rewritten texts
    // in its own notation, which is no new step.
    void settle(const BayStep& applied);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    std::size_t undoDepth() const { return m_undo.size(); }
    const BayStep& current() const { return m_current; }

private:
    std::deque<BayStep> m_undo;
    std::vector<BayStep> m_redo;
    BayStep m_current;
    std::size_t m_limit;
    // The field the current step is typing in, while typing there may grow it.
    std::optional<Field> m_typingIn;
};

// The one text field in which two documents differ, when nothing else does.
std::optional<Field> onlyTextChanged(const BayDocument& a, const BayDocument& b);

// Whether a change of static system emptied geometry that had been typed.
bool geometryCleared(const BayDocument& before, const BayDocument& after);

// The window given back a step's inputs as opening a file gives them, keeping its file, the
// language showing, the report workbook and the focus.
void restoreStep(Form& f, const BayStep& step);

}  // namespace cw
