#include "app/KeyClipboard.h"

#include "app/StoredBind.h"
#include "circular/CircularRules.h"
#include "compose/ShowKeyBind.h"

namespace vantrel {

void menu_key_copy_Click(Editor& editor) {
    if (const auto key = editor.selectedKey(Case::Exact))
        editor.skeycopy = editor.bind(*key);
}

void menu_key_paste_Click(Editor& editor) {
    if (const auto key = editor.selectedKey(Case::Exact)) {
        editor.bind(*key) = bindToStore(editor, *key, editor.skeycopy);
        keepCircularRules(editor, {key});
    }
    showkeybind(editor);
}

} // namespace vantrel
