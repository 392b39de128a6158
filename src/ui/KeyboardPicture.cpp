#include "ui/KeyboardPicture.h"

#include "ui/CaptionButton.h"
#include "ui/KeyboardLayout.h"
#include "ui/Look.h"
#include "ui/Text.h"

#include <QPushButton>
#include <QVariant>

namespace vantrel::ui {

namespace {

const char* const colourProperty = "vantrelColour";

void cornerStrip(QWidget& surface, const Twips& rect) {
    auto* w = new QWidget(&surface);
    w->setStyleSheet(
        QStringLiteral("background-color: %1;").arg(surface.palette().color(QPalette::Light).name()));
    w->setAttribute(Qt::WA_StyledBackground);
    w->setGeometry(toPixels(rect));
}

} // namespace

void paintButton(QPushButton& button, Colour colour) {
    const QVariant now = button.property(colourProperty);
    if (now.isValid() && now.toInt() == static_cast<int>(colour))
        return;
    button.setProperty(colourProperty, static_cast<int>(colour));
    // A style sheet set again drops the font the button inherits; made its own, the font stays.
    if (!now.isValid())
        button.setFont(button.font());
    button.setStyleSheet(pictureButtonStyle(backgroundOf(colour, button)));
}

KeyboardPicture::KeyboardPicture(QWidget& surface) : QObject(&surface) {
    for (const PictureButton& spec : pictureButtons) {
        auto* button = new CaptionButton(toQt(captionOf(spec)), &surface);
        button->setObjectName(toQt(spec.name));
        button->setGeometry(toPixels(spec.rect));
        const QString name = button->objectName();
        connect(button, &QPushButton::clicked, this, [this, name] { Q_EMIT buttonClicked(name); });
        buttons_.emplace(spec.name, button);
    }
    cornerStrip(surface, enterCornerStrip);
}

void KeyboardPicture::paint(const ButtonColours& colours) {
    for (const auto& [name, button] : buttons_)
        paintButton(*button, colours.of(name));
}

} // namespace vantrel::ui
