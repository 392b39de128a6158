// The keyboard and mouse picture: one graphical button per key, the unbindable buttons and the
// Enter key's corner strips, painted from the core's colour state.
#pragma once

#include "keys/Buttons.h"

#include <QObject>
#include <QString>
#include <map>

class QPushButton;
class QWidget;

namespace vantrel::ui {

// Paints a graphical button in a colour state; restyles it only when the colour changes.
void paintButton(QPushButton& button, Colour colour);

class KeyboardPicture : public QObject {
    Q_OBJECT
  public:
    // Builds the buttons on `surface`, positioned in its coordinates.
    explicit KeyboardPicture(QWidget& surface);

    void paint(const ButtonColours& colours);

  Q_SIGNALS:
    // A picture button was clicked; the name is its control name, unbindable buttons included.
    void buttonClicked(const QString& name);

  private:
    std::map<std::string_view, QPushButton*> buttons_;
};

} // namespace vantrel::ui
