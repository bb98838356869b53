#include "window/qt/widget_look.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

#include <cmath>

namespace cw::gui {

int toPixels(int twips, qreal dpi) {
    return int(std::lround(twips * dpi / 1440.0));
}

QRect toPixels(const TwipRect& rect, qreal dpi) {
    return {toPixels(rect.left, dpi), toPixels(rect.top, dpi), toPixels(rect.width, dpi),
            toPixels(rect.height, dpi)};
}

qreal screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

QColor qtColour(std::uint32_t colour, const QPalette& system) {
    switch (colour) {
    case colour::ButtonText: return system.color(QPalette::ButtonText);
    case colour::WindowText: return system.color(QPalette::WindowText);
    case colour::Highlight: return system.color(QPalette::Highlight);
    case colour::ButtonFace: return system.color(QPalette::Button);
    default: break;
    }
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QStringList substituteFamilies() {
    // Liberation Sans has Arial's metrics, which run closest to MS Sans Serif at 8 pt;
    // DejaVu Sans is wider but is on every Debian desktop.
    return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

QFont controlFont(const FontSpec& look) {
    QFont font;
    font.setFamilies(substituteFamilies());
    font.setPointSizeF(look.pointSize);
    font.setBold(look.bold);
    font.setUnderline(look.underline);
    // The captions were laid out for a narrow bitmap font: a slightly condensed face keeps
    // more of them inside their boxes. Full hinting keeps the advances whole pixels.
    font.setStretch(95);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString displayCaption(std::string_view caption) {
    QString text = fromUtf8(caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

bool isUpperLayer(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::CommandButton ||
           kind == ControlKind::OptionButton || kind == ControlKind::Frame;
}

QString pictureResource(std::string_view name) {
    return QStringLiteral(":/pictures/") + fromUtf8(name) + QStringLiteral(".svg");
}

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("curtainwall"));
    QApplication::setApplicationVersion(QStringLiteral(CW_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.curtainwall.curtainwall"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/curtainwall.svg")));
    // One style everywhere, so the window looks the same on every desktop and in tests.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
        QApplication::setPalette(fusion->standardPalette());
    }
    app.setFont(controlFont(kDefaultFont));
}

}  // namespace cw::gui
