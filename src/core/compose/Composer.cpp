#include "compose/Composer.h"

#include "compose/BindOrder.h"
#include "compose/RadioCommands.h"

#include <algorithm>
#include <optional>

namespace vantrel {

namespace {

constexpr std::string_view sayCommand = "say ";
constexpr std::string_view teamSayCommand = "say_team ";
constexpr std::string_view rconSayCommand = "rcon say ";

static_assert(std::ranges::all_of(equipmentBoxes,
                                  [](const EquipmentBox& b) {
                                      return &equipmentBoxes[static_cast<size_t>(b.box)] == &b;
                                  }),
              "equipmentBoxes must follow the order of Equipment");

// A message part: the command, the text exactly as typed and ";"; empty for an empty text.
std::string messagePart(std::string_view command, const std::string& text) {
    if (text.empty())
        return {};
    return std::string(command) + text + ";";
}

const BindOrderRow* bindOrderByName(std::string_view name) {
    for (const BindOrderRow& row : bindOrderTable)
        if (equalsIgnoreCase(row.name, name))
            return &row;
    return nullptr;
}

// Gives a control its value; true when that changes it. A value that leaves the control as it was
// runs no handler, as with the control itself: its part already agrees with it, and cbind, which
// the user may have typed, keeps its text.
template <class Value> bool changeControl(Value& control, const Value& value) {
    if (control == value)
        return false;
    control = value;
    return true;
}

// The part an ammunition list item gives: n copies of the command for item n; no value for a text
// that is no item (no item chosen yet), which leaves the part as it was.
std::optional<std::string> ammoPart(std::string_view item, std::string_view command) {
    const auto found = std::find(ammoItems.begin(), ammoItems.end(), item);
    if (found == ammoItems.end())
        return std::nullopt;
    std::string part;
    for (auto n = found - ammoItems.begin(); n > 0; --n)
        part += command;
    return part;
}

} // namespace

void composebind(Editor& editor) {
    BindParts& parts = editor.parts;
    if (auto part = ammoPart(editor.controls.pacombo, pistolAmmoCommand))
        parts.scbindpa = std::move(*part);
    if (auto part = ammoPart(editor.controls.gacombo, gunAmmoCommand))
        parts.scbindga = std::move(*part);
    if (const RadioCommand* radio = radioCommandByItem(editor.controls.radio, Case::Ignore))
        parts.sradio = radio->command;

    const BindOrderRow* order = bindOrderByName(editor.BindOrder);
    if (!order)
        return;
    std::string joined;
    for (PartField field : order->parts)
        joined += parts.*field;
    editor.cbind = std::move(joined);
}

void selectPistol(Editor& editor, Pistol pistol) {
    if (!changeControl(editor.controls.pistol, pistol))
        return;
    editor.parts.scbindp = commandOf(pistolOptions, pistol);
    composebind(editor);
}

void selectGun(Editor& editor, Gun gun) {
    if (!changeControl(editor.controls.gun, gun))
        return;
    editor.parts.scbindg = commandOf(gunOptions, gun);
    composebind(editor);
}

void selectArmour(Editor& editor, Armour armour) {
    if (!changeControl(editor.controls.armour, armour))
        return;
    editor.parts.scbindarm = commandOf(armourOptions, armour);
    composebind(editor);
}

void setEquipment(Editor& editor, Equipment box, bool ticked) {
    const EquipmentBox& row = equipmentBox(box);
    if (!changeControl(editor.controls.*row.ticked, ticked))
        return;
    editor.parts.*row.part = ticked ? std::string(row.command) : std::string();
    composebind(editor);
}

void pacombo_Click(Editor& editor, const std::string& item) {
    if (!changeControl(editor.controls.pacombo, item))
        return;
    if (auto part = ammoPart(item, pistolAmmoCommand))
        editor.parts.scbindpa = std::move(*part);
    composebind(editor);
}

void gacombo_Click(Editor& editor, const std::string& item) {
    if (!changeControl(editor.controls.gacombo, item))
        return;
    if (auto part = ammoPart(item, gunAmmoCommand))
        editor.parts.scbindga = std::move(*part);
    composebind(editor);
}

void radio_Click(Editor& editor, const std::string& item) {
    if (!changeControl(editor.controls.radio, item))
        return;
    if (const RadioCommand* radio = radioCommandByItem(item, Case::Exact))
        editor.parts.sradio = radio->command;
    composebind(editor);
}

void saybox_Change(Editor& editor, const std::string& text) {
    if (!changeControl(editor.controls.saybox, text))
        return;
    editor.parts.smessage = messagePart(editor.controls.teamsay ? teamSayCommand : sayCommand, text);
    composebind(editor);
}

void teamsay_Click(Editor& editor, bool ticked) {
    if (!changeControl(editor.controls.teamsay, ticked))
        return;
    editor.parts.smessage = messagePart(ticked ? teamSayCommand : sayCommand, editor.controls.saybox);
    composebind(editor);
}

void rconsaybox_Change(Editor& editor, const std::string& text) {
    if (!changeControl(editor.controls.rconsaybox, text))
        return;
    editor.parts.srconsay = messagePart(rconSayCommand, text);
    composebind(editor);
}

// Emptying a box that held text runs its change handler first, as the box itself would; the
// button's own composebind runs whatever the box held.
void deletesay_Click(Editor& editor) {
    saybox_Change(editor, "");
    composebind(editor);
}

void deleterconsay_Click(Editor& editor) {
    rconsaybox_Change(editor, "");
    composebind(editor);
}

void resetComposerButNotCbind(Editor& editor) {
    BindParts& p = editor.parts;
    for (PartField buy :
         {&BindParts::scbindp, &BindParts::scbindpa, &BindParts::scbindg, &BindParts::scbindga,
          &BindParts::scbindarm, &BindParts::scbindhe, &BindParts::scbindsm, &BindParts::scbindfl1,
          &BindParts::scbindfl2, &BindParts::scbindde, &BindParts::scbindnv})
        (p.*buy).clear();
    selectPistol(editor, Pistol::None);
    selectGun(editor, Gun::None);
    pacombo_Click(editor, "0");
    gacombo_Click(editor, "0");
    selectArmour(editor, Armour::None);
    for (const EquipmentBox& box : equipmentBoxes)
        setEquipment(editor, box.box, false);
    radio_Click(editor, std::string(noRadioItem));
    saybox_Change(editor, "");
    teamsay_Click(editor, false);
    rconsaybox_Change(editor, "");
}

void resetComposerAndCbind(Editor& editor) {
    editor.cbind.clear();
    resetComposerButNotCbind(editor);
}

} // namespace vantrel
