#include "ui/AboutWindow.h"

#include <QPushButton>

namespace vantrel::ui {

namespace {

constexpr int formWidth = 3900; // client area, twips
constexpr int formHeight = 2355;

// The credits name who makes the program and where its source is kept; it has no web address.
constexpr ControlSpec controls[] = {
    {"Label1", ControlKind::Label, "Vantrel Program", 240, 120, 1455, 315, 1},
    {"label2", ControlKind::Label, "By the Vantrel developers", 240, 480, 2175, 255, 2},
    {"Label3", ControlKind::Label, "Beta Version " VANTREL_VERSION, 240, 840, 1455, 255, 3},
    {"Label4", ControlKind::Label, "Hosted by:", 240, 1200, 855, 255, 4},
    {"Label6", ControlKind::CentredLabel, "The Vantrel project's own Git repository", 480, 1560, 2175, 495,
     5},
    {"closebutton", ControlKind::Button, "Close", 2880, 1680, 855, 495, 0},
    {"Label5", ControlKind::Label, "(source code and history)", 600, 2040, 1935, 255, 6},
};

} // namespace

AboutWindow::AboutWindow(QWidget* parent) : FixedDialog(parent, "Form2", "About", formWidth, formHeight) {
    const ControlMap byName = buildControls(this, controls);
    connect(&byName.at<QPushButton>("closebutton"), &QPushButton::clicked, this, &QDialog::accept);
}

void showAboutWindow(QWidget* mainWindow) {
    AboutWindow window(mainWindow);
    centreOn(window, *mainWindow);
    window.exec();
}

} // namespace vantrel::ui
