#include "cfgwrite/StoreReset.h"

namespace vantrel {

void resetallbinds(Editor& editor) {
    for (std::string& bind : editor.store)
        bind.clear();
    editor.ssettings.clear();
    editor.parts = BindParts{};
    editor.srconport.clear();
    editor.srconpass.clear();

    CircularTable& form6 = editor.form6;
    for (CircularSlot& slot : form6.slots)
        slot = CircularSlot{};
    form6.lookup.clear();
    form6.lookedup.clear();

    // Live keys only: the grey buttons, keyLSLASH among them, keep their colour.
    for (KeyIndex key = 0; key < keyCount; ++key)
        editor.colours.paintKey(key, Colour::Unbound);
}

} // namespace vantrel
