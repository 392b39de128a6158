#include "ui/QtPrompter.h"

#include "ui/Text.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vantrel::ui {

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

QWidget* QtPrompter::owner() const {
    // A message asked from inside a modal window (a refused input, "String not found.") belongs
    // over that window, not behind it over the main window.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return parent_;
}

Answer QtPrompter::message(const Message& message) {
    QMessageBox box(owner());
    box.setWindowTitle(toQt(message.title));
    box.setText(toQt(message.text));
    switch (message.icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
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
    const QString path =
        QFileDialog::getOpenFileName(parent_, QStringLiteral("Open"), QString(), qtFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

std::optional<std::string> QtPrompter::saveFileName(const std::string& filter) {
    // Our own overwrite question is the one asked.
    const QString path =
        QFileDialog::getSaveFileName(parent_, QStringLiteral("Save As"), QString(), qtFilter(filter), nullptr,
                                     QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

void QtPrompter::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void QtPrompter::showHelp() {
    if (helpWindow)
        helpWindow();
}

} // namespace vantrel::ui
