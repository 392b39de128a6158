#include "ui/Look.h"

#include <QApplication>
#include <QWidget>

namespace vantrel::ui {

namespace {
constexpr int windowFontPixels = 11;
}

QColor backgroundOf(Colour colour, const QWidget& button) {
    switch (colour) {
    case Colour::Selection:
        return selectionColour;
    case Colour::Bound:
        return boundColour;
    case Colour::Unbindable:
        return unbindableColour;
    case Colour::Unbound:
        break;
    }
    // The application's palette: a style sheet rewrites the button's own palette to its last fill.
    return QApplication::palette(&button).color(QPalette::Button);
}

QString pictureButtonStyle(const QColor& background) {
    return QStringLiteral("QPushButton { background-color: %1; color: black; border: 1px solid;"
                          " border-color: #ffffff #404040 #404040 #ffffff; padding: 0px; }"
                          "QPushButton:pressed { border-color: #404040 #ffffff #ffffff #404040; }")
        .arg(background.name());
}

QString lightLabelStyle() {
    return QStringLiteral("color: %1; background: transparent;").arg(labelText.name());
}

QPalette greyControlPalette(QPalette palette) {
    palette.setColor(QPalette::Window, controlGrey);
    palette.setColor(QPalette::WindowText, Qt::white);
    return palette;
}

QFont windowFont() {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(windowFontPixels);
    return font;
}

} // namespace vantrel::ui
