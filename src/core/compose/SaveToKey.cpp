#include "compose/SaveToKey.h"

namespace vantrel {

// Provisional: the full Save to key replaces this.
void savetokey_Click(Editor& editor) {
    if (const auto key = editor.selectedKey(Case::Ignore))
        editor.bind(*key) = editor.cbind;
}

} // namespace vantrel
