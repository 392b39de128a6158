#include "cfgwrite/FileCommands.h"

#include "cfgwrite/ConfigWriter.h"
#include "cfgwrite/StoreReset.h"
#include "platform/AtomicFile.h"

namespace vantrel {

namespace {

// The Save dialog and the overwrite question. The file that was current is forgotten whatever
// the answer; the accepted path becomes current.
std::string chooseSaveName(Editor& editor, SaveDialog purpose) {
    editor.fileName.clear();
    const std::optional<std::string> path = editor.prompter->saveFileName(configFileFilter, purpose);
    if (!path || path->empty())
        return {};
    if (pathInUse(*path)) {
        const Message question{overwriteQuestion, "", Buttons::YesNo, Answer::No, Icon::None};
        if (editor.prompter->message(question) != Answer::Yes)
            return {};
    }
    editor.fileName = *path;
    return *path;
}

void writeCurrentFile(Editor& editor) {
    editor.prompter->setBusy(true);
    const std::optional<std::string> failure = saveFile(editor.fileName, writeConfig(editor));
    editor.prompter->setBusy(false);
    if (failure) {
        const std::string text = "Cannot write file " + editor.fileName + ":\n" + *failure + ".";
        editor.prompter->message({text, programTitle, Buttons::Ok, Answer::Ok, Icon::Warning});
    }
}

} // namespace

void newconfig(Editor& editor) {
    if (!chooseSaveName(editor, SaveDialog::New).empty())
        resetallbinds(editor);
}

void saveconfig(Editor& editor) {
    if (editor.fileName.empty()) {
        saveconfigas(editor);
        return;
    }
    writeCurrentFile(editor);
}

std::string saveconfigas(Editor& editor) {
    const std::string path = chooseSaveName(editor, SaveDialog::SaveAs);
    if (!path.empty())
        writeCurrentFile(editor);
    return path;
}

} // namespace vantrel
