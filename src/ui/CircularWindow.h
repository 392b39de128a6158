// The circular-bind window, Form6: shows the core's window model and forwards every event to it.
// The two drop-down boxes' input checks run before the focus leaves them.
#pragma once

#include "circular/CircularWindowModel.h"
#include "ui/DialogTable.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantrel::ui {

class ValueCheckBox;

class CircularWindow : public FixedDialog {
    Q_OBJECT
  public:
    explicit CircularWindow(Editor& editor, QWidget* parent = nullptr);

    void setVisible(bool visible) override;

    const CircularWindowModel& model() const { return model_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void connectControls();
    void refresh();
    void closeWhenDone();
    // The focusable control that holds `widget` (a combo box holds its line edit).
    QWidget* controlOf(QObject* widget) const;
    // Runs the input check of the box the focus last left or is in, unless the focus goes to
    // `target` without leaving it. False keeps the focus in the box.
    [[nodiscard]] bool validateBefore(QWidget* target);
    bool bypassesChecks(QWidget* control) const;

    CircularWindowModel model_;
    std::array<QLineEdit*, maxCircularBinds> text_{};
    ValueCheckBox* check1_ = nullptr;
    ValueCheckBox* check2_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QComboBox* combo3_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* clearAll_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* save_ = nullptr;
    QLabel* reverselabel_ = nullptr;
    QList<QWidget*> tabOrder_;     // the focusable controls in tab order
    QComboBox* pending_ = nullptr; // the checked box the focus is in or last left for Help or Close
};

} // namespace vantrel::ui
