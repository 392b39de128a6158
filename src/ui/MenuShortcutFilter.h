// Leaves the menu's shortcuts to the menu while a text box has the focus: a line edit would
// otherwise claim Ctrl+A (select all) and others before the menu sees them.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QMenuBar;

namespace vantrel::ui {

class MenuShortcutFilter : public QObject {
    Q_OBJECT
  public:
    MenuShortcutFilter(const QMenuBar& menus, QObject* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QList<QKeySequence> shortcuts_;
};

} // namespace vantrel::ui
