// The application's start on the desktop's display. Where Qt cannot reach a display it aborts
// with advice to reinstall, which helps nothing; the program says instead, in one line, which
// display it could not reach, and exits with 1.
#pragma once

#include <QApplication>
#include <memory>

namespace vantrel::ui {

// The application on the display; `argc` must outlive it. Qt's messages of its start are held
// back and shown as Qt shows them once a display is reached, or dropped for that one line.
std::unique_ptr<QApplication> startOnDisplay(int& argc, char** argv);

} // namespace vantrel::ui
