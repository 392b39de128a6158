#include "ui/RconWindow.h"

#include "ui/ShowValue.h"
#include "ui/Text.h"

#include <QLineEdit>
#include <QPushButton>

namespace vantrel::ui {

namespace {

constexpr int formWidth = 2775; // client area, twips
constexpr int formHeight = 1950;

constexpr ControlSpec controls[] = {
    {"Label1", ControlKind::Label, "Port number:", 240, 360, 975, 255, 1},
    {"port", ControlKind::TextBox, "", 1440, 360, 1215, 285, 0},
    {"Label2", ControlKind::Label, "Password:", 240, 840, 975, 255, 2},
    {"pass", ControlKind::TextBox, "", 1440, 840, 1215, 285, 3},
    {"Command1", ControlKind::Button, "Close", 240, 1320, 975, 495, 4},
    {"Command2", ControlKind::Button, "Save and Close", 1560, 1320, 975, 495, 5},
};

} // namespace

RconWindow::RconWindow(Editor& editor, QWidget* parent)
    : FixedDialog(parent, "Form5", "Rcon Settings", formWidth, formHeight), model_(editor) {
    const ControlMap byName = buildControls(this, controls);
    auto& port = byName.at<QLineEdit>("port");
    auto& pass = byName.at<QLineEdit>("pass");
    model_.Form_Load();
    showText(port, model_.port);
    showText(pass, model_.pass);
    connect(&port, &QLineEdit::textEdited, this, [this](const QString& text) { model_.port = fromQt(text); });
    connect(&pass, &QLineEdit::textEdited, this, [this](const QString& text) { model_.pass = fromQt(text); });
    connect(&byName.at<QPushButton>("Command1"), &QPushButton::clicked, this, &QDialog::reject);
    connect(&byName.at<QPushButton>("Command2"), &QPushButton::clicked, this, [this] {
        model_.Command2_Click();
        accept();
    });
}

void showRconWindow(Editor& editor, QWidget* mainWindow) {
    RconWindow window(editor, mainWindow);
    centreOn(window, *mainWindow);
    window.exec();
}

} // namespace vantrel::ui
