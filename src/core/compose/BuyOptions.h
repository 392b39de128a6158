// The buy inputs as data: every option button and check box of the composer with the command text
// it puts into its bind part, and the ammunition commands the two lists repeat.
#pragma once

#include "compose/BindParts.h"
#include "compose/Controls.h"

#include <array>
#include <string>
#include <string_view>

namespace vantrel {

enum class Equipment { HeGren, SmokeGren, Fbang1, Fbang2, Defuser, NVision };

// One option button of a group: the value it selects, its control name and its part's text.
template <class Value> struct BuyOption {
    Value value;
    std::string_view name;
    std::string_view command;
};

inline constexpr std::array<BuyOption<Pistol>, 7> pistolOptions = {{
    {Pistol::None, "nopistol", ""},
    {Pistol::Usp, "usp", "buy;menuselect 1;menuselect 1;"},
    {Pistol::Glock, "glock", "buy;menuselect 1;menuselect 2;"},
    {Pistol::Deagle, "deagle", "buy;menuselect 1;menuselect 3;"},
    {Pistol::P228, "p228", "buy;menuselect 1;menuselect 4;"},
    {Pistol::Berretas, "berretas", "buy;menuselect 1;menuselect 5;"},
    {Pistol::Fn57, "fn57", "buy;menuselect 1;menuselect 6;"},
}};

inline constexpr std::array<BuyOption<Gun>, 13> gunOptions = {{
    {Gun::None, "nogun", ""},
    {Gun::M3, "m3", "buy;menuselect 2;menuselect 1;"},
    {Gun::Xm1014, "xm1014", "buy;menuselect 2;menuselect 2;"},
    {Gun::Mp5, "mp5", "buy;menuselect 3;menuselect 1;"},
    {Gun::Tmp, "tmp", "buy;menuselect 2;menuselect 2;menuselect 4;"},
    {Gun::P90, "p90", "buy;menuselect 2;menuselect 3;"},
    {Gun::Ump45, "ump45", "buy;menuselect 2;menuselect 5;"},
    {Gun::Colt, "colt", "buy;menuselect 4;menuselect 1;menuselect 3;"},
    {Gun::Aug, "aug", "buy;menuselect 4;menuselect 2;menuselect 4;"},
    {Gun::Scout, "scout", "buy;menuselect 4;menuselect 5;"},
    {Gun::Awm, "awm", "buy;menuselect 4;menuselect 6;"},
    {Gun::Heckler, "heckler", "buy;menuselect 4;menuselect 7;menuselect 8;"},
    {Gun::Para, "para", "buy;menuselect 5;menuselect 1;"},
}};

inline constexpr std::array<BuyOption<Armour>, 4> armourOptions = {{
    {Armour::None, "noarmour", ""},
    {Armour::Kevlar, "kevlar", "buyequip;menuselect 1;"},
    {Armour::KevHelm, "kevhelm", "buyequip;menuselect 2;"},
    {Armour::Best, "bestarm", "buyequip;menuselect 2;buyequip;menuselect 1;"},
}};

// One equipment check box: its control name, the control value and bind part it owns, and the
// part's text when ticked.
struct EquipmentBox {
    Equipment box;
    std::string_view name;
    bool ComposerControls::*ticked;
    std::string BindParts::*part;
    std::string_view command;
};

// In the order the composer reset clears them.
inline constexpr std::array<EquipmentBox, 6> equipmentBoxes = {{
    {Equipment::HeGren, "hegren", &ComposerControls::hegren, &BindParts::scbindhe, "buyequip;menuselect 4;"},
    {Equipment::SmokeGren, "smokegren", &ComposerControls::smokegren, &BindParts::scbindsm,
     "buyequip;menuselect 5;"},
    {Equipment::Fbang1, "fbang1", &ComposerControls::fbang1, &BindParts::scbindfl1, "buyequip;menuselect 3;"},
    {Equipment::Fbang2, "fbang2", &ComposerControls::fbang2, &BindParts::scbindfl2, "buyequip;menuselect 3;"},
    {Equipment::Defuser, "defuser", &ComposerControls::defuser, &BindParts::scbindde,
     "buyequip;menuselect 6;"},
    {Equipment::NVision, "nvision", &ComposerControls::nvision, &BindParts::scbindnv,
     "buyequip;menuselect 7;"},
}};

// The ammunition lists repeat one purchase n times, n = 0 to 5 (pistol: buyammo2, gun: buyammo1).
inline constexpr std::string_view pistolAmmoCommand = "buyammo2;";
inline constexpr std::string_view gunAmmoCommand = "buyammo1;";
inline constexpr std::array<std::string_view, 6> ammoItems = {"0", "1", "2", "3", "4", "5"};

template <class Value, size_t N>
constexpr std::string_view commandOf(const std::array<BuyOption<Value>, N>& options, Value value) {
    for (const auto& option : options)
        if (option.value == value)
            return option.command;
    return {};
}

constexpr const EquipmentBox& equipmentBox(Equipment box) {
    return equipmentBoxes[static_cast<size_t>(box)];
}

} // namespace vantrel
