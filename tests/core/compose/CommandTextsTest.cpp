// Every command a buy control or the radio list puts into the bind, written out in full: the game
// runs these texts as they stand, so a one-character change to any of them must fail here. The
// message parts are pinned beside the rules for typed text.
#include "compose/BuyOptions.h"
#include "compose/Composer.h"
#include "compose/RadioCommands.h"

#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>

namespace vantrel {
namespace {

struct ControlText {
    std::string_view control; // an option button, an equipment box, or a list with its item
    std::string_view item;
    std::string_view bind; // what cbind holds with only this control away from its default
};

constexpr ControlText controlTexts[] = {
    {"nopistol", "", ""},
    {"usp", "", "buy;menuselect 1;menuselect 1;"},
    {"glock", "", "buy;menuselect 1;menuselect 2;"},
    {"deagle", "", "buy;menuselect 1;menuselect 3;"},
    {"p228", "", "buy;menuselect 1;menuselect 4;"},
    {"berretas", "", "buy;menuselect 1;menuselect 5;"},
    {"fn57", "", "buy;menuselect 1;menuselect 6;"},
    {"nogun", "", ""},
    {"m3", "", "buy;menuselect 2;menuselect 1;"},
    {"xm1014", "", "buy;menuselect 2;menuselect 2;"},
    {"mp5", "", "buy;menuselect 3;menuselect 1;"},
    {"tmp", "", "buy;menuselect 2;menuselect 2;menuselect 4;"},
    {"p90", "", "buy;menuselect 2;menuselect 3;"},
    {"ump45", "", "buy;menuselect 2;menuselect 5;"},
    {"colt", "", "buy;menuselect 4;menuselect 1;menuselect 3;"},
    {"aug", "", "buy;menuselect 4;menuselect 2;menuselect 4;"},
    {"scout", "", "buy;menuselect 4;menuselect 5;"},
    {"awm", "", "buy;menuselect 4;menuselect 6;"},
    {"heckler", "", "buy;menuselect 4;menuselect 7;menuselect 8;"},
    {"para", "", "buy;menuselect 5;menuselect 1;"},
    {"noarmour", "", ""},
    {"kevlar", "", "buyequip;menuselect 1;"},
    {"kevhelm", "", "buyequip;menuselect 2;"},
    {"bestarm", "", "buyequip;menuselect 2;buyequip;menuselect 1;"},
    {"hegren", "", "buyequip;menuselect 4;"},
    {"smokegren", "", "buyequip;menuselect 5;"},
    {"fbang1", "", "buyequip;menuselect 3;"},
    {"fbang2", "", "buyequip;menuselect 3;"},
    {"defuser", "", "buyequip;menuselect 6;"},
    {"nvision", "", "buyequip;menuselect 7;"},
    {"pacombo", "0", ""},
    {"pacombo", "1", "buyammo2;"},
    {"pacombo", "2", "buyammo2;buyammo2;"},
    {"pacombo", "3", "buyammo2;buyammo2;buyammo2;"},
    {"pacombo", "4", "buyammo2;buyammo2;buyammo2;buyammo2;"},
    {"pacombo", "5", "buyammo2;buyammo2;buyammo2;buyammo2;buyammo2;"},
    {"gacombo", "0", ""},
    {"gacombo", "1", "buyammo1;"},
    {"gacombo", "2", "buyammo1;buyammo1;"},
    {"gacombo", "3", "buyammo1;buyammo1;buyammo1;"},
    {"gacombo", "4", "buyammo1;buyammo1;buyammo1;buyammo1;"},
    {"gacombo", "5", "buyammo1;buyammo1;buyammo1;buyammo1;buyammo1;"},
    {"radio", "None", ""},
    {"radio", "Cover Me", "radio1;menuselect 1;"},
    {"radio", "You Take the Point", "radio1;menuselect 2;"},
    {"radio", "Hold This Position", "radio1;menuselect 3;"},
    {"radio", "Regroup Team", "radio1;menuselect 4;"},
    {"radio", "Follow Me", "radio1;menuselect 5;"},
    {"radio", "Taking Fire, Need Assistance", "radio1;menuselect 6;"},
    {"radio", "Go", "radio2;menuselect 1;"},
    {"radio", "Fall Back", "radio2;menuselect 2;"},
    {"radio", "Stick Together Team", "radio2;menuselect 3;"},
    {"radio", "Get in Position", "radio2;menuselect 4;"},
    {"radio", "Storm the Front", "radio2;menuselect 5;"},
    {"radio", "Report In", "radio2;menuselect 6;"},
    {"radio", "Affirmative/Roger", "radio3;menuselect 1;"},
    {"radio", "Enemy Spotted", "radio3;menuselect 2;"},
    {"radio", "Need Backup", "radio3;menuselect 3;"},
    {"radio", "Sector Clear", "radio3;menuselect 4;"},
    {"radio", "I'm in Position", "radio3;menuselect 5;"},
    {"radio", "Reporting In", "radio3;menuselect 6;"},
    {"radio", "She's gonna Blow!", "radio3;menuselect 7;"},
    {"radio", "Negative", "radio3;menuselect 8;"},
    {"radio", "Enemy Down", "radio3;menuselect 9;"},
};

template <class Options, class Select>
bool changeNamed(const Options& options, std::string_view name, Select select) {
    const auto option =
        std::find_if(options.begin(), options.end(), [&](const auto& o) { return o.name == name; });
    return option != options.end() && (select(*option), true);
}

// Changes the named control through its handler, as a click or typing would; false when the
// composer has no such control.
bool change(Editor& e, const ControlText& row) {
    const std::string item(row.item);
    // An ammunition list goes to its item from another, so "0" shows that it empties the part.
    if (row.control == "pacombo") {
        pacombo_Click(e, item == "5" ? "4" : "5");
        pacombo_Click(e, item);
    } else if (row.control == "gacombo") {
        gacombo_Click(e, item == "5" ? "4" : "5");
        gacombo_Click(e, item);
    } else if (row.control == "radio")
        radio_Click(e, item);
    else
        return changeNamed(pistolOptions, row.control, [&](const auto& o) { selectPistol(e, o.value); }) ||
               changeNamed(gunOptions, row.control, [&](const auto& o) { selectGun(e, o.value); }) ||
               changeNamed(armourOptions, row.control, [&](const auto& o) { selectArmour(e, o.value); }) ||
               changeNamed(equipmentBoxes, row.control, [&](const auto& b) { setEquipment(e, b.box, true); });
    return true;
}

// Each row starts from a fresh composer; the table names every option, box and list item once.
TEST(CommandTexts, EveryControlComposesItsCommandExactly) {
    std::map<std::string_view, size_t> rows;
    for (const ControlText& row : controlTexts) {
        testing::ScriptedPrompter prompter;
        Editor editor{prompter};
        Form_Load(editor);
        ASSERT_TRUE(change(editor, row)) << row.control;
        EXPECT_EQ(editor.cbind, row.bind) << row.control << ' ' << row.item;
        ++rows[row.control];
    }
    EXPECT_EQ(rows.size() - 3, // less the three lists
              pistolOptions.size() + gunOptions.size() + armourOptions.size() + equipmentBoxes.size())
        << "an option or box without its row";
    EXPECT_EQ(rows["pacombo"], ammoItems.size());
    EXPECT_EQ(rows["gacombo"], ammoItems.size());
    EXPECT_EQ(rows["radio"], radioCommandTable.size());
}

} // namespace
} // namespace vantrel
