// The Bind Order window (Form7): the preset list and the order it gives, position by position.
#pragma once

#include "settings/BindOrderSettings.h"
#include "ui/DialogTable.h"

#include <array>

class QComboBox;
class QLabel;

namespace vantrel::ui {

class BindOrderWindow : public FixedDialog {
    Q_OBJECT
  public:
    BindOrderWindow(Editor& editor, QWidget* parent);

  private:
    void refresh();

    BindOrderSettings model_;
    QComboBox* combo1_;
    std::array<QLabel*, bindPartCount> labels_{};
};

// Settings > Bind Order: shows the window modally over the main window where the platform puts
// a new window, not centred.
void showBindOrderWindow(Editor& editor, QWidget* mainWindow);

} // namespace vantrel::ui
