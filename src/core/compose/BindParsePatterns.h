// The commands showkeybind recognises in a stored bind, as ordered data: the buy and equipment
// rows tested first, then the three radio chains, and the matcher that tests one command sequence.
#pragma once

#include "compose/BuyOptions.h"
#include "compose/Controls.h"

#include <array>
#include <string_view>
#include <variant>

namespace vantrel {

struct PistolAmmo {
    std::string_view item;
};
struct GunAmmo {
    std::string_view item;
};

// What a matching row does to the composer: select an option, set a list, tick a box.
using ParseChange = std::variant<Pistol, Gun, Armour, PistolAmmo, GunAmmo, Equipment>;

inline constexpr size_t maxSequencesPerRow = 3;

struct BuyParseRow {
    std::array<std::string_view, maxSequencesPerRow> sequences; // unused entries are empty
    ParseChange change;
};

// Tested in order, every row whatever the earlier ones gave: a later option or count wins.
inline constexpr std::array<BuyParseRow, 37> buyParseRows = {{
    {{"buy;menuselect 1;menuselect 1"}, Pistol::Usp},
    {{"buy;menuselect 1;menuselect 2"}, Pistol::Glock},
    {{"buy;menuselect 1;menuselect 3"}, Pistol::Deagle},
    {{"buy;menuselect 1;menuselect 4"}, Pistol::P228},
    {{"buy;menuselect 1;menuselect 5"}, Pistol::Berretas},
    {{"buy;menuselect 1;menuselect 6"}, Pistol::Fn57},
    {{"buyammo2"}, PistolAmmo{"1"}},
    {{"buyammo2;buyammo2"}, PistolAmmo{"2"}},
    {{"buyammo2;buyammo2;buyammo2"}, PistolAmmo{"3"}},
    {{"buyammo2;buyammo2;buyammo2;buyammo2"}, PistolAmmo{"4"}},
    {{"buyammo2;buyammo2;buyammo2;buyammo2;buyammo2"}, PistolAmmo{"5"}},
    {{"buy;menuselect 2;menuselect 1"}, Gun::M3},
    {{"buy;menuselect 2;menuselect 2"}, Gun::Xm1014},
    {{"buy;menuselect 3;menuselect 1"}, Gun::Mp5},
    {{"buy;menuselect 2;menuselect 2;menuselect 4"}, Gun::Tmp},
    {{"buy;menuselect 2;menuselect 3"}, Gun::P90},
    {{"buy;menuselect 2;menuselect 5"}, Gun::Ump45},
    {{"buy;menuselect 4;menuselect 1;menuselect 3", "buy;menuselect 4;menuselect 1",
      "buy;menuselect 4;menuselect 3"},
     Gun::Colt},
    {{"buy;menuselect 4;menuselect 2;menuselect 4", "buy;menuselect 4;menuselect 2",
      "buy;menuselect 4;menuselect 4"},
     Gun::Aug},
    {{"buy;menuselect 4;menuselect 5"}, Gun::Scout},
    {{"buy;menuselect 4;menuselect 6"}, Gun::Awm},
    {{"buy;menuselect 4;menuselect 7;menuselect 8", "buy;menuselect 4;menuselect 7",
      "buy;menuselect 4;menuselect 8"},
     Gun::Heckler},
    {{"buy;menuselect 5;menuselect 1"}, Gun::Para},
    {{"buyammo1"}, GunAmmo{"1"}},
    {{"buyammo1;buyammo1"}, GunAmmo{"2"}},
    {{"buyammo1;buyammo1;buyammo1"}, GunAmmo{"3"}},
    {{"buyammo1;buyammo1;buyammo1;buyammo1"}, GunAmmo{"4"}},
    {{"buyammo1;buyammo1;buyammo1;buyammo1;buyammo1"}, GunAmmo{"5"}},
    {{"buy;menuselect 8;menuselect 1", "buyequip;menuselect 1"}, Armour::Kevlar},
    {{"buy;menuselect 8;menuselect 2", "buyequip;menuselect 2"}, Armour::KevHelm},
    {{"buy;menuselect 8;menuselect 2;buy;menuselect 8;menuselect 1", "buyequip;menuselect 2;menuselect 1",
      "buyequip;menuselect 2;buyequip;menuselect 1"},
     Armour::Best},
    {{"buy;menuselect 8;menuselect 4", "buyequip;menuselect 4"}, Equipment::HeGren},
    {{"buy;menuselect 8;menuselect 5", "buyequip;menuselect 5"}, Equipment::SmokeGren},
    {{"buy;menuselect 8;menuselect 3", "buyequip;menuselect 3"}, Equipment::Fbang1},
    {{"buy;menuselect 8;menuselect 3;buy;menuselect 8;menuselect 3", "buyequip;menuselect 3;menuselect 3",
      "buyequip;menuselect 3;buyequip;menuselect 3"},
     Equipment::Fbang2},
    {{"buy;menuselect 8;menuselect 6", "buyequip;menuselect 6"}, Equipment::Defuser},
    {{"buy;menuselect 8;menuselect 7", "buyequip;menuselect 7"}, Equipment::NVision},
}};

struct RadioParseRow {
    int chain;
    std::string_view sequence;
    std::string_view item; // the radio list item it selects
};

// Tested after the buy rows, chain by chain: in a chain the first matching row wins and ends it;
// a match in a later chain replaces an earlier chain's item.
inline constexpr std::array<RadioParseRow, 21> radioParseRows = {{
    {1, "radio1;menuselect 1", "Cover Me"},
    {1, "radio1;menuselect 2", "You Take the Point"},
    {1, "radio1;menuselect 3", "Hold This Position"},
    {1, "radio1;menuselect 4", "Regroup Team"},
    {1, "radio1;menuselect 5", "Follow Me"},
    {1, "radio1;menuselect 6", "Taking Fire, Need Assistance"},
    {2, "radio2;menuselect 1", "Go"},
    {2, "radio2;menuselect 2", "Fall Back"},
    {2, "radio2;menuselect 3", "Stick Together Team"},
    {2, "radio2;menuselect 4", "Get in Position"},
    {2, "radio2;menuselect 5", "Storm the Front"},
    {2, "radio2;menuselect 6", "Report In"},
    {3, "radio3;menuselect 1", "Affirmative/Roger"},
    {3, "radio3;menuselect 2", "Enemy Spotted"},
    {3, "radio3;menuselect 3", "Need Backup"},
    {3, "radio3;menuselect 4", "Sector Clear"},
    {3, "radio3;menuselect 5", "I'm in Position"},
    {3, "radio3;menuselect 6", "Reporting In"},
    {3, "radio3;menuselect 7", "She's gonna Blow!"},
    {3, "radio3;menuselect 8", "Negative"},
    {3, "radio3;menuselect 9", "Enemy Down"},
}};

// True when the text contains the sequence anywhere, letters compared ignoring case, where each
// ";" inside the sequence may be followed in the text by no space or by exactly one space.
bool containsSequence(std::string_view text, std::string_view sequence);

} // namespace vantrel
