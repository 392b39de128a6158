#include "app/ClearKey.h"

#include "app/Selection.h"
#include "circular/CircularRules.h"
#include "compose/Composer.h"

namespace vantrel {

namespace {
bool isMouseKey(KeyIndex key) {
    return startsWithIgnoreCase(keyTable[key].id, "button");
}
} // namespace

void clearkeybind(Editor& editor) {
    const auto key = editor.selectedKey(Case::Ignore);
    if (!key)
        return;
    editor.bind(*key).clear();
    if (isMouseKey(*key))
        editor.colours.paintKey(*key, Colour::Selection);
}

void clearkey_Click(Editor& editor) {
    clearkeybind(editor);
    keepCircularRules(editor, {editor.selectedKey(Case::Ignore)});
    colourkeys(editor);
    resetComposerAndCbind(editor);
}

} // namespace vantrel
