// Vantrel: a key-binding editor for Counter-Strike configuration files.
#include "app/Editor.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompter.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vantrel::ui::QtPrompter prompter;
    vantrel::Editor editor(prompter);
    vantrel::Form_Load(editor);
    vantrel::ui::MainWindow window(editor);
    prompter.setParent(&window);
    // Help buttons and questions of other windows reach the help window through the prompter.
    vantrel::ui::connectHelpWindow(prompter, editor, window);
    window.show();
    return app.exec();
}
