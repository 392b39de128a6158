#include "ui/ValueCheckBox.h"

#include "circular/CheckValues.h"

namespace vantrel::ui {

// Qt numbers the states 0 clear, 1 partially checked, 2 checked: not the order of the core's values.
int ValueCheckBox::value() const {
    switch (checkState()) {
    case Qt::Checked:
        return checkTicked;
    case Qt::PartiallyChecked:
        return checkGreyed;
    case Qt::Unchecked:
        break;
    }
    return checkClear;
}

void ValueCheckBox::setValue(int value) {
    const Qt::CheckState state = value == checkTicked   ? Qt::Checked
                                 : value == checkGreyed ? Qt::PartiallyChecked
                                                        : Qt::Unchecked;
    if (state != checkState())
        setCheckState(state);
}

void ValueCheckBox::nextCheckState() {
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

} // namespace vantrel::ui
