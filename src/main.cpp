// Vantrel: a key-binding editor for Counter-Strike configuration files.
#include "app/Editor.h"
#include "ui/DisplayStart.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompter.h"

int main(int argc, char* argv[]) {
    const auto app = vantrel::ui::startOnDisplay(argc, argv);
    vantrel::ui::QtPrompter prompter;
    vantrel::Editor editor(prompter);
    vantrel::Form_Load(editor);
    vantrel::ui::MainWindow window(editor);
    prompter.connect(editor, window);
    window.show();
    return app->exec();
}
