#include "ui/Slot10Window.h"

#include "ui/ShowValue.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace vantrel::ui {

namespace {

constexpr int formWidth = 5925; // client area, twips
constexpr int formHeight = 2820;

constexpr ControlSpec controls[] = {
    {"Label1", ControlKind::Label, "Slot10s string:", 120, 480, 1575, 255, 7},
    {"slot10box", ControlKind::TextBox, "", 120, 840, 5655, 315, 2},
    // Wide and tall enough for the caption's two lines in the window's font; the space up to the
    // list is free.
    {"Label4", ControlKind::CentredLabel, "Multiplication factor:", 240, 1440, 1095, 390, 4},
    {"waitno", ControlKind::DropDownCombo, "waitno", 1440, 1440, 975, 315, 5},
    {"Command1", ControlKind::Button, "Help", 4800, 1440, 975, 495, 6},
    {"defaultbutton", ControlKind::Button, "Reset to Default", 240, 2160, 975, 495, 0},
    {"closebutton", ControlKind::Button, "Close", 3600, 2160, 975, 495, 3},
    {"savebutton", ControlKind::Button, "Save and Close", 4800, 2160, 975, 495, 1},
};

} // namespace

Slot10Window::Slot10Window(Editor& editor, QWidget* parent)
    : FixedDialog(parent, "form4", "Slot10 Settings", formWidth, formHeight), model_(editor) {
    const ControlMap byName = buildControls(this, controls);
    slot10box_ = &byName.at<QLineEdit>("slot10box");
    waitno_ = &byName.at<QComboBox>("waitno");
    for (std::string_view item : waitnoItems)
        waitno_->addItem(toQt(item));
    waitno_->setEditText(toQt(waitnoInitial));

    connect(slot10box_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.slot10box = fromQt(text); });
    onUserText(*waitno_, *this, [this](const QString& text) { model_.waitno = fromQt(text); });
    connect(&byName.at<QPushButton>("defaultbutton"), &QPushButton::clicked, this, [this] {
        model_.defaultbutton_Click();
        refresh();
    });
    connect(&byName.at<QPushButton>("savebutton"), &QPushButton::clicked, this, [this] {
        if (model_.savebutton_Click())
            accept();
    });
    connect(&byName.at<QPushButton>("closebutton"), &QPushButton::clicked, this, &QDialog::reject);
    connect(&byName.at<QPushButton>("Command1"), &QPushButton::clicked, this,
            [this] { model_.Command1_Click(); });

    model_.Form_Load();
    refresh();
}

void Slot10Window::refresh() {
    showText(*slot10box_, model_.slot10box);
    showEditText(*waitno_, model_.waitno);
}

void showSlot10Window(Editor& editor, QWidget* mainWindow) {
    Slot10Window window(editor, mainWindow);
    centreOn(window, *mainWindow);
    window.exec();
}

} // namespace vantrel::ui
