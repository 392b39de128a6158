#include "circular/CircularBindButton.h"

#include "circular/CircularRules.h"
#include "circular/Markers.h"

namespace vantrel {

bool circularbind_Click(Editor& editor) {
    if (!editor.selectkey) {
        editor.prompter->message({"Select a key first, then press Circular Bind.", circularBindsTitle});
        return false;
    }
    // The selected key's own bind holds no slot here: Save and Close replaces it.
    const std::optional<KeyIndex> selected = editor.selectedKey(Case::Exact);
    if (!markerInUse(editor.form6, editor.cbind) && !firstFreeSlot(editor, selected)) {
        editor.prompter->message({noFreeSlotMessage(editor, selected), circularBindsTitle});
        return false;
    }
    return true;
}

} // namespace vantrel
