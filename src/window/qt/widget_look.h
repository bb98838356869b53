#pragma once

#include "model/inventory.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string_view>

class QApplication;

namespace cw::gui {

// Twips to device-independent pixels at the screen's logical resolution.
int toPixels(int twips, qreal dpi);
QRect toPixels(const TwipRect& rect, qreal dpi);

// The logical resolution of the primary screen (96 when there is none).
qreal screenDpi();

// An &HBBGGRR colour; system colours (&H8000xxxx) come from `system`.
QColor qtColour(std::uint32_t colour, const QPalette& system);

// MS Sans Serif is not on Linux: the families tried in its place, closest width first.
// Each of them carries Greek.
QStringList substituteFamilies();
QFont controlFont(const FontSpec& look);

// A caption as the window shows it (a stored CR LF is a line break).
QString displayCaption(std::string_view caption);
QString fromUtf8(std::string_view text);

// Text boxes, buttons, option buttons and frames lie above labels, pictures and the line.
bool isUpperLayer(ControlKind kind);

// The compiled-in picture of that resource name.
QString pictureResource(std::string_view name);

// Style, palette, fonts and name that the window and its tests share.
void setUpApplication(QApplication& app);

}  // namespace cw::gui
