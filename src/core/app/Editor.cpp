#include "app/Editor.h"

#include "compose/BindOrder.h"
#include "compose/Composer.h"
#include "compose/RadioCommands.h"

namespace vantrel {

std::optional<KeyIndex> Editor::selectedKey(Case how) const {
    if (!selectkey)
        return std::nullopt;
    return keyById(*selectkey, how);
}

void Form_Load(Editor& editor) {
    editor.BindOrder = defaultBindOrder;
    editor.slot10s = defaultSlot10s;
    editor.slot10 = defaultSlot10;
    pacombo_Click(editor, "0");
    gacombo_Click(editor, "0");
    radio_Click(editor, std::string(noRadioItem));
    selectPistol(editor, Pistol::None);
    selectGun(editor, Gun::None);
    selectArmour(editor, Armour::None);
}

} // namespace vantrel
