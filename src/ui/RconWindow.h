// The Rcon Settings window (Form5): the rcon port and password.
#pragma once

#include "settings/RconSettings.h"
#include "ui/DialogTable.h"

namespace vantrel::ui {

class RconWindow : public FixedDialog {
    Q_OBJECT
  public:
    RconWindow(Editor& editor, QWidget* parent);

  private:
    RconSettings model_;
};

// Settings > Rcon: shows the window modally over the main window, centred on it.
void showRconWindow(Editor& editor, QWidget* mainWindow);

} // namespace vantrel::ui
