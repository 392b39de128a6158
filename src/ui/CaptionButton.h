// A command button whose caption wraps onto a second line when it is too wide, as the
// window's narrow buttons ("Save to key", "Button 1") need.
#pragma once

#include <QPushButton>

namespace vantrel::ui {

class CaptionButton : public QPushButton {
    Q_OBJECT
  public:
    CaptionButton(const QString& caption, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vantrel::ui
