// The main window's menu bar, built from one table of items, shortcuts and handlers.
#include "ui/MainWindow.h"

#include "ui/MenuShortcutFilter.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <array>
#include <span>

namespace vantrel::ui {

namespace {

struct MenuItem {
    const char* name;
    const char* caption;
    int shortcut; // a key combination; 0 for none
    void (MainWindow::*handler)();
};

struct Menu {
    const char* name;
    const char* caption;
    std::span<const MenuItem> items;
};

constexpr int ctrl(Qt::Key key) {
    return (Qt::CTRL | key).toCombined();
}

} // namespace

void MainWindow::buildMenus() {
    static constexpr std::array<MenuItem, 5> fileItems = {{
        {"menu_file_new", "&New", ctrl(Qt::Key_N), &MainWindow::menu_file_new_Click},
        {"menu_file_open", "&Open", ctrl(Qt::Key_O), &MainWindow::menu_file_open_Click},
        {"menu_file_save", "&Save", ctrl(Qt::Key_S), &MainWindow::menu_file_save_Click},
        {"menu_file_saveas", "Save &As...", ctrl(Qt::Key_A), &MainWindow::menu_file_saveas_Click},
        {"menu_file_exit", "E&xit", 0, &MainWindow::menu_file_exit_Click},
    }};
    static constexpr std::array<MenuItem, 3> settingsItems = {{
        {"menu_settings_slot10", "&Slot10", 0, &MainWindow::menu_settings_slot10_Click},
        {"menu_settings_bindorder", "&Bind Order", ctrl(Qt::Key_B),
         &MainWindow::menu_settings_bindorder_Click},
        {"menu_settings_slot10_rcon", "&Rcon", 0, &MainWindow::menu_settings_slot10_rcon_Click},
    }};
    static constexpr std::array<MenuItem, 2> keyItems = {{
        {"menu_key_copy", "&Copy", ctrl(Qt::Key_G), &MainWindow::menu_key_copy_Click},
        {"menu_key_paste", "&Paste", ctrl(Qt::Key_H), &MainWindow::menu_key_paste_Click},
    }};
    static constexpr std::array<MenuItem, 2> helpItems = {{
        {"menu_help_help", "&Help", Qt::Key_F1, &MainWindow::menu_help_help_Click},
        {"menu_help_about", "&About", 0, &MainWindow::menu_help_about_Click},
    }};
    static constexpr std::array<Menu, 4> menus = {{
        {"menu_file", "&File", fileItems},
        {"menu_settings", "&Settings", settingsItems},
        {"menu_key", "&Key Functions", keyItems},
        {"menu_help", "&Help", helpItems},
    }};

    for (const Menu& spec : menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(spec.caption));
        menu->setObjectName(QString::fromLatin1(spec.name));
        for (const MenuItem& item : spec.items) {
            QAction* action = menu->addAction(QString::fromLatin1(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            if (item.shortcut != 0)
                action->setShortcut(QKeySequence(item.shortcut));
            connect(action, &QAction::triggered, this, item.handler);
        }
    }

    auto* filter = new MenuShortcutFilter(*menuBar(), this);
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->installEventFilter(filter);
}

} // namespace vantrel::ui
