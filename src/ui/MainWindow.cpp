#include "ui/MainWindow.h"

#include "app/ClearKey.h"
#include "app/KeyClipboard.h"
#include "app/Selection.h"
#include "cfgread/OpenConfig.h"
#include "cfgwrite/FileCommands.h"
#include "circular/CircularBindButton.h"
#include "compose/SaveToKey.h"
#include "ui/AboutWindow.h"
#include "ui/Backdrop.h"
#include "ui/BindOrderWindow.h"
#include "ui/CaptionButton.h"
#include "ui/CircularWindow.h"
#include "ui/ComposerPanel.h"
#include "ui/ControlMap.h"
#include "ui/HelpWindow.h"
#include "ui/KeyboardPicture.h"
#include "ui/Look.h"
#include "ui/MainLayout.h"
#include "ui/RconWindow.h"
#include "ui/Slot10Window.h"
#include "ui/Text.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>

namespace vantrel::ui {

namespace {

constexpr const char* exitQuestion = "Are you sure you want to quit? (Any unsaved changes will be lost)";
constexpr const char* exitTitle = "Quit";

Qt::Alignment alignmentOf(Align align) {
    switch (align) {
    case Align::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case Align::Centre:
        break;
    }
    return Qt::AlignCenter;
}

QFont boldFont() {
    QFont font = windowFont();
    font.setBold(true);
    return font;
}

} // namespace

MainWindow::MainWindow(Editor& editor, QWidget* parent) : QMainWindow(parent), editor_(editor) {
    setWindowTitle(QStringLiteral("Vantrel"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto* surface = new Backdrop(this);
    surface->setObjectName(QStringLiteral("client"));
    surface->setFont(windowFont());
    surface->setFixedSize(toPixels(clientWidth), toPixels(clientHeight));
    setCentralWidget(surface);

    keyboard_ = new KeyboardPicture(*surface);
    connect(keyboard_, &KeyboardPicture::buttonClicked, this, &MainWindow::pictureButton_Click);
    composer_ = new ComposerPanel(editor_, *surface);
    ControlMap byName;
    buildLabels(*surface, byName);
    buildButtons(*surface, byName);
    ckeybox_ = &byName.at<QLabel>("ckeybox");
    circularbind_ = &byName.at<QPushButton>(circularBindButton);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    refresh();
}

void MainWindow::buildLabels(QWidget& surface, ControlMap& byName) {
    for (const TextLabel& spec : windowLabels) {
        auto* label = new QLabel(toQt(spec.caption), &surface);
        label->setObjectName(toQt(spec.name));
        label->setGeometry(toPixels(spec.rect));
        label->setStyleSheet(lightLabelStyle());
        label->setAlignment(alignmentOf(spec.align));
        if (spec.bold)
            label->setFont(boldFont());
        byName.add(spec.name, *label);
    }
}

void MainWindow::buildButtons(QWidget& surface, ControlMap& byName) {
    using Handler = void (MainWindow::*)();
    static constexpr std::array<Handler, buyButtons.size()> handlers = {
        &MainWindow::savetokey_Click, &MainWindow::clearkey_Click, &MainWindow::circularbind_Click};
    for (size_t i = 0; i < buyButtons.size(); ++i) {
        auto* button = new CaptionButton(toQt(buyButtons[i].caption), &surface);
        button->setObjectName(toQt(buyButtons[i].name));
        button->setFont(boldFont());
        button->setGeometry(toPixels(buyButtons[i].rect));
        connect(button, &QPushButton::clicked, this, handlers[i]);
        byName.add(buyButtons[i].name, *button);
    }
}

void MainWindow::refresh() {
    keyboard_->paint(editor_.colours);
    paintButton(*circularbind_, editor_.colours.of(circularBindButton));
    ckeybox_->setText(toQt(editor_.ckeybox));
    composer_->refresh();
}

void MainWindow::pictureButton_Click(const QString& name) {
    keyClick(editor_, fromQt(name));
    refresh();
}

void MainWindow::savetokey_Click() {
    vantrel::savetokey_Click(editor_);
    refresh();
}

void MainWindow::clearkey_Click() {
    vantrel::clearkey_Click(editor_);
    refresh();
}

// The circular-bind window, shown modally when a key is selected and a slot can take the bind.
void MainWindow::circularbind_Click() {
    if (!vantrel::circularbind_Click(editor_))
        return;
    CircularWindow form6(editor_, this);
    centreOn(form6, *this);
    form6.exec();
    refresh();
}

void MainWindow::menu_file_new_Click() {
    newconfig(editor_);
    refresh();
}

void MainWindow::menu_file_open_Click() {
    openconfig(editor_);
    refresh();
}

void MainWindow::menu_file_save_Click() {
    saveconfig(editor_);
    refresh();
}

void MainWindow::menu_file_saveas_Click() {
    saveconfigas(editor_);
    refresh();
}

void MainWindow::menu_file_exit_Click() {
    const Message question{exitQuestion, exitTitle, Buttons::YesNo, Answer::No, Icon::None};
    if (editor_.prompter->message(question) == Answer::Yes)
        close();
}

void MainWindow::menu_settings_slot10_Click() {
    showSlot10Window(editor_, this);
}

void MainWindow::menu_settings_bindorder_Click() {
    showBindOrderWindow(editor_, this);
}

void MainWindow::menu_settings_slot10_rcon_Click() {
    showRconWindow(editor_, this);
}

void MainWindow::menu_key_copy_Click() {
    vantrel::menu_key_copy_Click(editor_);
}

void MainWindow::menu_key_paste_Click() {
    vantrel::menu_key_paste_Click(editor_);
    refresh();
}

void MainWindow::menu_help_help_Click() {
    showHelpWindow(editor_, this, *this);
}

void MainWindow::menu_help_about_Click() {
    showAboutWindow(this);
}

} // namespace vantrel::ui
