// A check box that holds the core's check values (0 clear, 1 ticked, 2 greyed); a click only ticks
// or clears it, whatever it showed before.
#pragma once

#include <QCheckBox>

namespace vantrel::ui {

class ValueCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    using QCheckBox::QCheckBox;

    int value() const;
    void setValue(int value);

  protected:
    void nextCheckState() override;
};

} // namespace vantrel::ui
