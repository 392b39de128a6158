// The main window's colours and the style sheets that paint them as flat fills.
#pragma once

#include "keys/Buttons.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QWidget;

namespace vantrel::ui {

inline const QColor lightEdge(150, 150, 100);
inline const QColor darkEdge(100, 100, 60);
inline const QColor labelText(245, 255, 220);
inline const QColor controlGrey(128, 128, 128);
inline const QColor selectionColour(192, 192, 255);
inline const QColor boundColour(255, 50, 35);
inline const QColor unbindableColour(224, 224, 224);

// The background a picture button shows for a colour state; unbound is the palette's button face.
QColor backgroundOf(Colour colour, const QWidget& button);
// A graphical button: flat fill, raised edge, sunken while pressed.
QString pictureButtonStyle(const QColor& background);
// The window's transparent labels in the light text colour.
QString lightLabelStyle();
// White captions on grey, for the buy box's option buttons and check boxes. Only the window's
// background and text roles change: the indicators keep the plain window's box and mark colours,
// so a mark stands out against its box as it does on any other window.
QPalette greyControlPalette(QPalette palette);

// The windows' font: DejaVu Sans Condensed, 11 pixels high. A narrow face at a small size lets
// every caption fit its control at the windows' fixed sizes; ./run installs it.
QFont windowFont();

} // namespace vantrel::ui
