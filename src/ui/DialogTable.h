// The small modal windows' common parts: controls built from a table of names, kinds, captions,
// rectangles in twips and tab places, and a fixed-size dialog that Esc does not close.
#pragma once

#include <QDialog>
#include <span>

class QComboBox;

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
// order as given, the focus on the first control in it.
void buildControls(QWidget* window, std::span<const ControlSpec> table);

// A modal window of fixed size (given in twips) with a close box and no minimise or maximise
// button. It has no default or cancel button: Enter presses only a focused button, Esc nothing.
class FixedDialog : public QDialog {
    Q_OBJECT
  public:
    FixedDialog(QWidget* parent, const char* name, const char* caption, int widthTwips, int heightTwips);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Shows a text in a drop-down combo box whose text can be typed. A text that is one of the list's
// items makes that item current, so the arrow keys and the open list step from the text shown;
// any other text stands in the box with no item current. Signals are the caller's to block.
void showComboText(QComboBox& combo, const QString& text);

// Places `dialog` centred on `window` (the main window), whatever its parent.
void centreOn(QWidget& dialog, const QWidget& window);

} // namespace vantrel::ui
