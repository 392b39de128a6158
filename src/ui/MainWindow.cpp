#include "ui/MainWindow.h"

namespace vantrel::ui {

MainWindow::MainWindow(Editor& editor, QWidget* parent) : QMainWindow(parent), editor_(editor) {
    setWindowTitle(QStringLiteral("Vantrel"));
}

} // namespace vantrel::ui
