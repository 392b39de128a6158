#include "FullStore.h"

#include <string>

namespace vantrel {

namespace {

constexpr int keptLineCount = 40;

} // namespace

void fillFullStore(Editor& editor) {
    Form_Load(editor);
    editor.srconport = "rcon_port 27015";
    editor.srconpass = "rcon_password benchmark";
    editor.slot10 = "slot10s;slot10s;slot10s";
    for (int i = 0; i < keptLineCount; ++i)
        editor.ssettings.push_back("echo kept line " + std::to_string(i));
    const auto& order = fileOrder();
    size_t next = 0;
    for (int n = 1; n <= slotCount; ++n) {
        CircularSlot& slot = editor.form6.slot(n);
        for (size_t b = 1; b <= maxCircularBinds; ++b)
            slot.binds.push_back("slot" + std::to_string(b) + ";weapon_knife");
        slot.k = std::string(keyTable[order[next]].id);
        slot.r = std::string(keyTable[order[next + 1]].id);
        slot.o = n % 2 ? "3" : "14";
        editor.bind(order[next++]) = "aCB" + std::to_string(n);
        editor.bind(order[next++]) = "aCB" + std::to_string(n) + "r";
    }
    // The other keys take turns at a hold alias pair and a plain bind.
    for (size_t i = 0; next < order.size(); ++next, ++i)
        editor.bind(order[next]) = i % 2 ? "buy;menuselect 4;menuselect 6;buyammo1;buyammo1;vesthelm;"
                                         : "+attack;say \"nice shot\";";
}

} // namespace vantrel
