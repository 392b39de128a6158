// Vantrel: a key-binding editor for Counter-Strike configuration files.
#include "app/Editor.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompter.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vantrel::ui::QtPrompter prompter;
    vantrel::Editor editor(prompter);
    vantrel::Form_Load(editor);
    vantrel::ui::MainWindow window(editor);
    prompter.connect(editor, window);
    window.show();
    return app.exec();
}
