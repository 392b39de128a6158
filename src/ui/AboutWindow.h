// The About window (Form2): the program's name and version, and a Close button.
#pragma once

#include "ui/DialogTable.h"

namespace vantrel::ui {

class AboutWindow : public FixedDialog {
    Q_OBJECT
  public:
    explicit AboutWindow(QWidget* parent);
};

// Help > About: shows the window modally over the main window, centred on it.
void showAboutWindow(QWidget* mainWindow);

} // namespace vantrel::ui
