// Qt cannot cancel a focus change, so the circular-bind window asks the input checks before it
// moves the focus itself: on a mouse press on another control, and on Tab and Shift+Tab.
#include "ui/CircularWindow.h"

#include <QComboBox>
#include <QEvent>
#include <QPushButton>

namespace vantrel::ui {

QWidget* CircularWindow::controlOf(QObject* widget) const {
    for (QObject* o = widget; o && o != this; o = o->parent())
        if (auto* w = qobject_cast<QWidget*>(o); w && tabOrder_.contains(w))
            return w;
    return nullptr;
}

bool CircularWindow::bypassesChecks(QWidget* control) const {
    return control == help_ || control == close_;
}

bool CircularWindow::validateBefore(QWidget* target) {
    if (!pending_ || target == pending_ || bypassesChecks(target))
        return true;
    const bool passes = pending_ == combo3_ ? model_.Combo3_Validate() : model_.Combo2_Validate();
    if (!passes) {
        pending_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    pending_ = nullptr;
    return true;
}

bool CircularWindow::eventFilter(QObject* watched, QEvent* event) {
    QWidget* control = controlOf(watched);
    if (!control)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (control == combo2_ || control == combo3_)
            pending_ = static_cast<QComboBox*>(control);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (bypassesChecks(control) || !control->isEnabled())
            break;
        if (!validateBefore(control))
            return true; // the refused box keeps the focus and the click goes nowhere
        if (!control->hasFocus())
            control->setFocus(Qt::MouseFocusReason);
        break;
    case QEvent::Wheel:
        // A drop-down box changes its text by the wheel only while it has the focus.
        if (qobject_cast<QComboBox*>(control) && !control->hasFocus())
            return true;
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool CircularWindow::focusNextPrevChild(bool next) {
    const qsizetype count = tabOrder_.size();
    const qsizetype from = tabOrder_.indexOf(controlOf(focusWidget()));
    qsizetype i = from < 0 ? (next ? -1 : 0) : from;
    for (qsizetype step = 0; step < count; ++step) {
        i = (i + (next ? 1 : count - 1)) % count;
        QWidget* target = tabOrder_[i];
        if (!target->isEnabled() || !target->isVisible())
            continue;
        if (validateBefore(target))
            target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return true;
}

} // namespace vantrel::ui
