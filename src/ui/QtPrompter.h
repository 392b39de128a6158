// The prompter of the running program: Qt message boxes, file dialogs, the override cursor and
// the help window.
#pragma once

#include "platform/Prompter.h"

#include <QString>
#include <functional>

class QWidget;

namespace vantrel::ui {

// "Config Files (*.cfg)|*.cfg|All Files (*.*)|*.*" in Qt's form; "*.*" becomes "*" so that
// files without a dot are listed too.
QString qtFilter(const std::string& filter);

class QtPrompter : public Prompter {
  public:
    explicit QtPrompter(QWidget* parent = nullptr);

    void setParent(QWidget* parent) { parent_ = parent; }
    // What showHelp opens; set by the main window once the help window exists.
    std::function<void()> helpWindow;

    Answer message(const Message& message) override;
    std::optional<std::string> openFileName(const std::string& filter) override;
    std::optional<std::string> saveFileName(const std::string& filter, SaveDialog purpose) override;
    void setBusy(bool busy) override;
    void showHelp() override;

  private:
    QWidget* owner() const;

    QWidget* parent_;
};

} // namespace vantrel::ui
