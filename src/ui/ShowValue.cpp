#include "ui/ShowValue.h"

#include "ui/Text.h"
#include "ui/ValueCheckBox.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

namespace vantrel::ui {

// Texts are compared as shown: bytes that are not valid UTF-8 show the same each time, so their
// box is not reset on every refresh.
void showText(QLineEdit& box, std::string_view text) {
    const QString shown = toQt(text);
    if (box.text() == shown)
        return;
    box.setText(shown);
    box.setCursorPosition(0);
}

void showChecked(QAbstractButton& button, bool checked) {
    if (button.isChecked() != checked)
        button.setChecked(checked);
}

void showValue(ValueCheckBox& box, int value) {
    box.setValue(value);
}

void showItem(QComboBox& list, std::string_view item) {
    const int index = list.findText(toQt(item), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (list.currentIndex() != index)
        list.setCurrentIndex(index);
}

void showEditText(QComboBox& combo, std::string_view text) {
    const QString shown = toQt(text);
    const int item = combo.findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (combo.currentIndex() == item && combo.currentText() == shown)
        return;
    combo.setCurrentIndex(item);
    if (combo.currentText() != shown)
        combo.setEditText(shown);
}

namespace {

// A typed item becomes current at once, so the arrow keys and the wheel step from it. The box
// already shows the item's text, so its cursor and undo stay as they are.
void followTypedItem(QComboBox& combo, const QString& text) {
    const int item = combo.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0 && item != combo.currentIndex())
        combo.setCurrentIndex(item);
}

} // namespace

void onUserText(QComboBox& combo, QObject& context, const std::function<void(const QString&)>& heard) {
    QObject::connect(combo.lineEdit(), &QLineEdit::textEdited, &context,
                     [&combo, heard](const QString& text) {
                         followTypedItem(combo, text);
                         heard(text);
                     });
    QObject::connect(&combo, &QComboBox::textActivated, &context, heard);
}

} // namespace vantrel::ui
