#include "circular/CircularBindButton.h"

#include "circular/CircularRules.h"
#include "circular/Markers.h"

namespace vantrel {

namespace {
constexpr const char* circularBindsTitle = "Circular binds";
} // namespace

bool circularbind_Click(Editor& editor) {
    if (!editor.selectkey) {
        editor.prompter->message({"Select a key first, then press Circular Bind.", circularBindsTitle});
        return false;
    }
    // The selected key's own bind holds no slot here: Save and Close replaces it.
    if (!markerInUse(editor.form6, editor.cbind) && !firstFreeSlot(editor, editor.selectedKey(Case::Exact))) {
        editor.prompter->message(
            {"All ten circular binds are in use. Clear one with Clear Key first.", circularBindsTitle});
        return false;
    }
    return true;
}

} // namespace vantrel
