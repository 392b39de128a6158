#include "ui/MenuShortcutFilter.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace vantrel::ui {

MenuShortcutFilter::MenuShortcutFilter(const QMenuBar& menus, QObject* parent) : QObject(parent) {
    for (const QMenu* menu : menus.findChildren<QMenu*>())
        for (const QAction* action : menu->actions())
            if (!action->shortcut().isEmpty())
                shortcuts_ << action->shortcut();
}

bool MenuShortcutFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (shortcuts_.contains(QKeySequence(key->keyCombination()))) {
            // Not accepted, and the box never sees it: the shortcut goes on to the menu.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vantrel::ui
