// The Slot10 Settings window (form4): the Slot10s string and the multiplication factor.
#pragma once

#include "settings/Slot10Settings.h"
#include "ui/DialogTable.h"

class QComboBox;
class QLineEdit;

namespace vantrel::ui {

class Slot10Window : public FixedDialog {
    Q_OBJECT
  public:
    Slot10Window(Editor& editor, QWidget* parent);

  private:
    void refresh();

    Slot10Settings model_;
    QLineEdit* slot10box_;
    QComboBox* waitno_;
};

// Settings > Slot10: shows the window modally over the main window, centred on it.
void showSlot10Window(Editor& editor, QWidget* mainWindow);

} // namespace vantrel::ui
