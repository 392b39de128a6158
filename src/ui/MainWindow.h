// The main window: the keyboard and mouse picture, the composer panel and the menus.
#pragma once

#include "app/Editor.h"

#include <QMainWindow>

namespace vantrel::ui {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Editor& editor, QWidget* parent = nullptr);

private:
    Editor& editor_;
};

} // namespace vantrel::ui
