// The prompter of the running program: Qt message boxes, file dialogs, the override cursor and
// the help window.
#pragma once

#include "platform/Prompter.h"

#include <QString>

class QWidget;

namespace vantrel {
struct Editor;
}

namespace vantrel::ui {

// "Config Files (*.cfg)|*.cfg|All Files (*.*)|*.*" in Qt's form; "*.*" becomes "*" so that
// files without a dot are listed too.
QString qtFilter(const std::string& filter);

class QtPrompter : public Prompter {
  public:
    explicit QtPrompter(QWidget* parent = nullptr);

    // Called once where the program is put together: messages and dialogs then belong over the
    // main window, and showHelp builds a new help window on the editor for each showing.
    void connect(Editor& editor, QWidget& mainWindow);

    Answer message(const Message& message) override;
    std::optional<std::string> openFileName(const std::string& filter) override;
    std::optional<std::string> saveFileName(const std::string& filter, SaveDialog purpose) override;
    void setBusy(bool busy) override;
    void showHelp() override;

  private:
    QWidget* owner() const;

    QWidget* parent_;
    Editor* editor_ = nullptr; // none until connected
};

} // namespace vantrel::ui
