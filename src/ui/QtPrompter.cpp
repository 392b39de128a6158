#include "ui/QtPrompter.h"

#include "ui/HelpWindow.h"
#include "ui/Text.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace vantrel::ui {

namespace {

// Qt's file dialog records its history and last folder in the user's Qt settings file whenever
// one closes, and has no switch to stop it. Pointing the user's settings at a place that can hold
// no file keeps every run from writing anything but the configuration files the user picks, and
// every run starts its dialogs afresh.
void keepNoSettings() {
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
}

// The path chosen in a file dialog, or no value on Cancel. Qt's own dialog, not the desktop's: a
// desktop dialog may keep a list of recent files of its own.
std::optional<std::string> chosenPath(QWidget* parent, const QString& title, QFileDialog::AcceptMode mode,
                                      const std::string& filter, const QString& acceptLabel = {}) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // our own overwrite question is the one asked
    dialog.setNameFilter(qtFilter(filter));
    if (!acceptLabel.isEmpty())
        dialog.setLabelText(QFileDialog::Accept, acceptLabel);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty())
        return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

} // namespace

QString qtFilter(const std::string& filter) {
    const QStringList parts = QString::fromUtf8(filter).split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
        QString description = parts[i];
        description.replace(QLatin1String("(*.*)"), QLatin1String("(*)"));
        entries << description.left(description.indexOf(u'(')).trimmed() + QStringLiteral(" (") + pattern +
                       QStringLiteral(")");
    }
    return entries.join(QStringLiteral(";;"));
}

QtPrompter::QtPrompter(QWidget* parent) : parent_(parent) {
    keepNoSettings();
}

void QtPrompter::connect(Editor& editor, QWidget& mainWindow) {
    editor_ = &editor;
    parent_ = &mainWindow;
}

QWidget* QtPrompter::owner() const {
    // A message asked from inside a modal window (a refused input, "String not found.") belongs
    // over that window, not behind it over the main window.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return parent_;
}

Answer QtPrompter::message(const Message& message) {
    QMessageBox box(owner());
    // A message without a title of its own carries the program's, never the executable's name.
    box.setWindowTitle(toQt(message.title.empty() ? std::string(programTitle) : message.title));
    box.setText(toQt(message.text));
    switch (message.icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    }
    if (message.buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(message.defaultButton == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<std::string> QtPrompter::openFileName(const std::string& filter) {
    return chosenPath(parent_, QStringLiteral("Open"), QFileDialog::AcceptOpen, filter);
}

std::optional<std::string> QtPrompter::saveFileName(const std::string& filter, SaveDialog purpose) {
    if (purpose == SaveDialog::New) // New only names the file that a later Save writes
        return chosenPath(parent_, QStringLiteral("New"), QFileDialog::AcceptSave, filter,
                          QStringLiteral("OK"));
    return chosenPath(parent_, QStringLiteral("Save As"), QFileDialog::AcceptSave, filter);
}

void QtPrompter::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

// Over whichever window asked: the main window, or the modal window whose Help button or question
// it was.
void QtPrompter::showHelp() {
    // Unconnected, every Help button and question of the other windows would do nothing at all.
    if (!editor_)
        qFatal("Help was asked of a prompter that no help window is connected to");
    QWidget* opener = QApplication::activeModalWidget();
    showHelpWindow(*editor_, opener ? opener : parent_, *parent_);
}

} // namespace vantrel::ui
