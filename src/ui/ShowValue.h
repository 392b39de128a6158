// The one way the windows show a core value in a widget, and hear the user in an editable
// drop-down box. A widget is changed only when it shows something else, so the user's cursor and
// undo survive a refresh; showing emits none of the user-only signals the windows listen to
// (textEdited, clicked, textActivated, activated), so it never runs a handler.
#pragma once

#include <QObject>
#include <functional>
#include <string_view>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QString;

namespace vantrel::ui {

class ValueCheckBox;

// A text given by the program is shown from its start.
void showText(QLineEdit& box, std::string_view text);

// A check box ticked or clear, or an option button chosen (an option is not cleared by hand: its
// group clears it when another is chosen).
void showChecked(QAbstractButton& button, bool checked);

// A three-state check box's value: 0 clear, 1 ticked, 2 greyed.
void showValue(ValueCheckBox& box, int value);

// A pick-only list's item; a text that is not listed shows no item.
void showItem(QComboBox& list, std::string_view item);

// An editable drop-down box's text. A text that is one of the list's items makes that item
// current, so the arrow keys and the open list step from the text shown; any other text stands in
// the box with no item current.
void showEditText(QComboBox& combo, std::string_view text);

// Runs `heard` with an editable drop-down box's text whenever the user changes it, by typing or
// by picking from its list. A typed text that is one of the items makes that item current as it
// is typed; any other text leaves the current item as it is.
void onUserText(QComboBox& combo, QObject& context, const std::function<void(const QString&)>& heard);

} // namespace vantrel::ui
