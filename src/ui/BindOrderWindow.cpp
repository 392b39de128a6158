#include "ui/BindOrderWindow.h"

#include "text/Text.h"
#include "ui/ShowValue.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <string>

namespace vantrel::ui {

namespace {

constexpr int formWidth = 5130; // client area, twips
constexpr int formHeight = 5610;

// o1 to o14 sit inside the frame and show the picked preset's order, position by position.
constexpr ControlSpec controls[] = {
    {"Label1", ControlKind::Label,
     "Choose the order in which you want the various parts of your binds to be executed.", 360, 360, 2535,
     615, 1},
    {"Label3", ControlKind::Label, "Preset:", 360, 1080, 975, 255, 21},
    {"Combo1", ControlKind::DropDownList, "", 360, 1320, 2535, 315, 0},
    // Tall enough for the five lines its text takes in the window's font; the space below it is free
    // down to the Help button.
    {"Label2", ControlKind::Label,
     "This new order will only take effect for keys bound or edited from now on. Previous keys will "
     "keep their old order until they are altered.",
     360, 1920, 2535, 975, 19},
    {"Command3", ControlKind::Button, "Help", 1920, 3120, 975, 495, 20},
    {"Command2", ControlKind::Button, "Close", 720, 4800, 975, 495, 18},
    {"Command1", ControlKind::Button, "Save and Close", 1920, 4800, 975, 495, 17},
    {"Frame1", ControlKind::Frame, "Order", 3240, 240, 1815, 5295, 2},
    {"o1", ControlKind::Label, "1", 120, 240, 1455, 255, 3, "Frame1"},
    {"o2", ControlKind::Label, "2", 120, 600, 1455, 255, 4, "Frame1"},
    {"o3", ControlKind::Label, "3", 120, 960, 1455, 255, 5, "Frame1"},
    {"o4", ControlKind::Label, "4", 120, 1320, 1455, 255, 6, "Frame1"},
    {"o5", ControlKind::Label, "5", 120, 1680, 1455, 255, 7, "Frame1"},
    {"o6", ControlKind::Label, "6", 120, 2040, 1455, 255, 8, "Frame1"},
    {"o7", ControlKind::Label, "7", 120, 2400, 1455, 255, 9, "Frame1"},
    {"o8", ControlKind::Label, "8", 120, 2760, 1455, 255, 10, "Frame1"},
    {"o9", ControlKind::Label, "9", 120, 3120, 1455, 255, 11, "Frame1"},
    {"o10", ControlKind::Label, "10", 120, 3480, 1455, 255, 12, "Frame1"},
    {"o11", ControlKind::Label, "11", 120, 3840, 1455, 255, 13, "Frame1"},
    {"o12", ControlKind::Label, "12", 120, 4200, 1455, 255, 14, "Frame1"},
    {"o13", ControlKind::Label, "13", 120, 4560, 1455, 255, 15, "Frame1"},
    {"o14", ControlKind::Label, "14", 120, 4920, 1455, 255, 16, "Frame1"},
};

} // namespace

BindOrderWindow::BindOrderWindow(Editor& editor, QWidget* parent)
    : FixedDialog(parent, "Form7", "Bind Order", formWidth, formHeight), model_(editor) {
    const ControlMap byName = buildControls(this, controls);
    combo1_ = &byName.at<QComboBox>("Combo1");
    for (const BindOrderRow& order : bindOrderTable)
        combo1_->addItem(toQt(order.name));
    combo1_->setCurrentIndex(-1);
    for (std::size_t n = 0; n < bindPartCount; ++n)
        labels_[n] = &byName.at<QLabel>(newString("o").append(std::to_string(n + 1)));

    connect(combo1_, &QComboBox::textActivated, this, [this](const QString& item) {
        model_.Combo1_Click(fromQt(item));
        refresh();
    });
    connect(&byName.at<QPushButton>("Command1"), &QPushButton::clicked, this, [this] {
        model_.Command1_Click();
        accept();
    });
    connect(&byName.at<QPushButton>("Command2"), &QPushButton::clicked, this, &QDialog::reject);
    connect(&byName.at<QPushButton>("Command3"), &QPushButton::clicked, this,
            [this] { model_.Command3_Click(); });

    model_.Form_Load();
    refresh();
}

void BindOrderWindow::refresh() {
    showItem(*combo1_, model_.Combo1);
    for (std::size_t n = 0; n < bindPartCount; ++n)
        labels_[n]->setText(toQt(model_.o[n]));
}

void showBindOrderWindow(Editor& editor, QWidget* mainWindow) {
    BindOrderWindow window(editor, mainWindow);
    window.exec();
}

} // namespace vantrel::ui
