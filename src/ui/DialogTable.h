// The small modal windows' common parts: controls built from a table of names, kinds, captions,
// rectangles in twips and tab places, and a fixed-size dialog that Esc does not close.
#pragma once

#include "ui/ControlMap.h"

#include <QDialog>
#include <span>

namespace vantrel::ui {

// A CheckBox holds the values 0 clear, 1 ticked, 2 greyed (ValueCheckBox).
enum class ControlKind {
    Label,
    CentredLabel,
    Button,
    TextBox,
    DropDownList,
    DropDownCombo,
    Frame,
    RichText,
    CheckBox
};

struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* caption;
    int left, top, width, height; // twips, within `parent` (the window when none is named)
    int tab;                      // place in the tab order
    const char* parent = nullptr;
};

// Whether controls of the kind take the focus (labels and frames do not).
bool takesFocus(ControlKind kind);

// Builds the table's controls on `window`: objectName set, no push button a default button, tab
// order as given, the focus on the first control in it. Returns them by name; a row whose
// `parent` names no earlier row throws std::logic_error.
[[nodiscard]] ControlMap buildControls(QWidget* window, std::span<const ControlSpec> table);

// A modal window of fixed size (given in twips) with a close box and no minimise or maximise
// button. It has no default or cancel button: Enter presses only a focused button, Esc nothing.
class FixedDialog : public QDialog {
    Q_OBJECT
  public:
    FixedDialog(QWidget* parent, const char* name, const char* caption, int widthTwips, int heightTwips);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Places `dialog` centred on `window` (the main window), whatever its parent.
void centreOn(QWidget& dialog, const QWidget& window);

} // namespace vantrel::ui
