#include "ui/HelpWindow.h"

#include "ui/ShowValue.h"
#include "ui/Text.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>

// The resource lives in a static library, so it is registered by hand before its first use.
static void initHelpResource() {
    Q_INIT_RESOURCE(help);
}

namespace vantrel::ui {

namespace {

constexpr int timer1Interval = 100; // ms

constexpr int formWidth = 7575; // client area, twips
constexpr int formHeight = 5925;

constexpr ControlSpec controls[] = {
    {"rtb1", ControlKind::RichText, "", 120, 120, 7335, 5055, 1},
    {"searchtextbox", ControlKind::TextBox, "", 120, 5400, 3135, 285, 3},
    {"Command2", ControlKind::Button, "Search", 3480, 5280, 855, 495, 2},
    {"Command3", ControlKind::Button, "Find next", 4560, 5280, 855, 495, 4},
    {"Command1", ControlKind::Button, "Close", 6600, 5280, 855, 495, 0},
};

} // namespace

QString helpDocument() {
    initHelpResource();
    QFile file(QStringLiteral(":/help/help.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll());
}

HelpWindow::HelpWindow(Editor& editor, QWidget* parent)
    : FixedDialog(parent, "Form3", "Help", formWidth, formHeight), editor_(editor) {
    const ControlMap byName = buildControls(this, controls);
    rtb1_ = &byName.at<QTextBrowser>("rtb1");
    searchtextbox_ = &byName.at<QLineEdit>("searchtextbox");
    rtb1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    rtb1_->setHtml(helpDocument());
    model_.Form_Load(fromQt(rtb1_->toPlainText()));

    connect(searchtextbox_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.searchtextbox = fromQt(text); });
    connect(&byName.at<QPushButton>("Command1"), &QPushButton::clicked, this, &QDialog::accept);
    connect(&byName.at<QPushButton>("Command2"), &QPushButton::clicked, this, [this] {
        readView();
        model_.Command2_Click(editor_);
        refresh();
    });
    connect(&byName.at<QPushButton>("Command3"), &QPushButton::clicked, this, [this] {
        readView();
        model_.Command3_Click(editor_);
        refresh();
    });
    // A child under its control name, so a test can tell when the jump has run.
    timer1_.setParent(this);
    timer1_.setObjectName("Timer1");
    timer1_.setInterval(timer1Interval);
    connect(&timer1_, &QTimer::timeout, this, [this] {
        timer1_.stop();
        readView();
        model_.Timer1_Timer(editor_);
        refresh();
    });
    timer1_.start();
}

// The user may have moved the caret or selected text since the last step.
void HelpWindow::readView() {
    const QTextCursor cursor = rtb1_->textCursor();
    model_.text = fromQt(rtb1_->toPlainText());
    model_.SelStart = static_cast<std::size_t>(cursor.selectionStart());
    model_.SelLength = static_cast<std::size_t>(cursor.selectionEnd() - cursor.selectionStart());
}

void HelpWindow::refresh() {
    showText(*searchtextbox_, model_.searchtextbox);
    // The view's positions count the same characters as its plain text.
    QTextCursor cursor = rtb1_->textCursor();
    cursor.setPosition(static_cast<int>(model_.SelStart));
    QTextCursor start = cursor;
    cursor.setPosition(static_cast<int>(model_.SelStart + model_.SelLength), QTextCursor::KeepAnchor);
    // A find out of sight is brought to the top of the view, so that what follows it (a section
    // under its heading) can be read; a find already in sight leaves the view where it is.
    const QRect view = rtb1_->viewport()->rect();
    const bool inSight = view.contains(rtb1_->cursorRect(start)) && view.contains(rtb1_->cursorRect(cursor));
    rtb1_->setTextCursor(cursor);
    if (!inSight) {
        QScrollBar* bar = rtb1_->verticalScrollBar();
        bar->setValue(bar->value() + rtb1_->cursorRect(start).top());
    }
    rtb1_->ensureCursorVisible();
}

void showHelpWindow(Editor& editor, QWidget* opener, const QWidget& mainWindow) {
    HelpWindow window(editor, opener);
    centreOn(window, mainWindow);
    window.exec();
}

} // namespace vantrel::ui
