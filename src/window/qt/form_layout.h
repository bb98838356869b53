#pragma once

#include "model/inventory.h"

#include <QMargins>
#include <QRect>
#include <QSize>

#include <array>

class QWidget;

namespace cw::gui {

// Where the window puts a control: the inventory's box, nudged where the substitute font or
// pixel rounding would make it run into its neighbour.
QRect placedRect(const ControlSpec& s, qreal dpi);

// How far, in pixels, the window may move a control from the inventory's box (for its tests).
inline constexpr int kLargestNudgePx = 12;

// Lays out the results panel for the captions showing: each value right after its caption,
// in one column per section, with its unit right after it; the two stresses under their
// symbols. A unit the model leaves out beside a shown value is shown all the same, and the
// stress caption is drawn only with a stress to compare. Only positions, sizes and
// decoration of widgets change: never a text or what the model shows.
void layOutResults(const std::array<QWidget*, kControlCount>& widgets);

// The window's size (without its frame) for a form of `form` pixels under `chrome` pixels of
// menu and status bar, on a screen whose free area is `room`, inside a frame of `frame`
// (title bar included): the whole form where it fits, else as much as fits with room for
// the scroll bar that the cut side needs.
QSize fittedWindowSize(QSize form, int chrome, QSize room, QMargins frame, int scrollBar);

// The width the Diagrams panel takes beside the form when `spare` pixels of the screen are
// left beside it: as much as there is up to a comfortable width, nothing when its figures
// would be too small to read.
int diagramsPanelWidth(int spare);

// The frame a desktop puts around a window before the window has one to measure: a title bar
// and thin borders.
QMargins expectedFrame(int titleBar);

}  // namespace cw::gui
