#include "app/KeyClipboard.h"

#include "app/SavedBinds.h"
#include "circular/CircularRules.h"
#include "circular/SelfRun.h"
#include "compose/ShowKeyBind.h"

namespace vantrel {

void menu_key_copy_Click(Editor& editor) {
    if (const auto key = editor.selectedKey(Case::Exact))
        editor.skeycopy = editor.bind(*key);
}

void menu_key_paste_Click(Editor& editor) {
    if (const auto key = editor.selectedKey(Case::Exact)) {
        const auto paste = [key, bind = SavedBinds(editor).throughPairs(editor.skeycopy)](Editor& e) {
            e.bind(*key) = bind;
            keepCircularRules(e, {key});
        };
        if (refusesSelfRun(editor, paste))
            return;
        paste(editor);
    }
    showkeybind(editor);
}

} // namespace vantrel
