#include "app/ClearKey.h"

#include "app/Selection.h"
#include "circular/Markers.h"
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

void clearReverseKeyBind(Editor& editor, const CircularSlot& slot) {
    const auto remembered = editor.selectkey;
    editor.selectkey = slot.r;
    clearkeybind(editor);
    editor.selectkey = remembered;
}

void clearkey_Click(Editor& editor) {
    if (const auto marker = findMarker(editor.cbind, Case::Exact)) {
        CircularSlot& slot = editor.form6.slot(marker->slot);
        if (!marker->reverse) {
            slot.binds.clear();
            clearReverseKeyBind(editor, slot);
        }
        slot.r.clear();
    }
    clearkeybind(editor);
    colourkeys(editor);
    composerReset(editor);
}

} // namespace vantrel
