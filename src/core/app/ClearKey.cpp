#include "app/ClearKey.h"

#include "app/Selection.h"
#include "circular/CircularRules.h"
#include "circular/SelfRun.h"
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
    const auto clear = [](Editor& e) {
        clearkeybind(e);
        keepCircularRules(e, {e.selectedKey(Case::Ignore)});
    };
    // A key's pair gone can leave a kept line's alias of that name to run.
    if (refusesSelfRun(editor, clear))
        return;
    clear(editor);
    colourkeys(editor);
    resetComposerAndCbind(editor);
}

} // namespace vantrel
