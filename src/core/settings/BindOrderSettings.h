// The Bind Order window's model (Form7): the preset list and the fourteen position labels.
// Its order table is its own: for "Defuser" and "Grenades" it shows the gun pair where the
// composer joins the pistol pair, and the other way round.
#pragma once

#include "app/Editor.h"
#include "compose/BindOrder.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

struct BindOrderPreset {
    std::string_view name;
    std::array<std::string_view, bindPartCount> captions; // positions 1 to 14
};

inline constexpr std::array<BindOrderPreset, 5> bindOrderPresets = {{
    {"Default",
     {"Gun", "Gun ammo", "Armour", "Defuser", "Pistol", "Pistol ammo", "HE gren.", "Flashbang 1",
      "Flashbang 2", "Smoke gren.", "Night Vision", "Radio", "Messages", "Rcon Say"}},
    {"Pistol",
     {"Pistol", "Pistol ammo", "Armour", "Defuser", "Gun", "Gun ammo", "HE gren.", "Flashbang 1",
      "Flashbang 2", "Smoke gren.", "Night Vision", "Radio", "Messages", "Rcon Say"}},
    {"Armour",
     {"Armour", "Gun", "Gun ammo", "Defuser", "Pistol", "Pistol ammo", "HE gren.", "Flashbang 1",
      "Flashbang 2", "Smoke gren.", "Night Vision", "Radio", "Messages", "Rcon Say"}},
    {"Defuser",
     {"Defuser", "Gun", "Gun ammo", "Armour", "Pistol", "Pistol ammo", "HE gren.", "Flashbang 1",
      "Flashbang 2", "Smoke gren.", "Night Vision", "Radio", "Messages", "Rcon Say"}},
    {"Grenades",
     {"HE gren.", "Flashbang 1", "Flashbang 2", "Smoke gren.", "Gun", "Gun ammo", "Armour", "Defuser",
      "Pistol", "Pistol ammo", "Night Vision", "Radio", "Messages", "Rcon Say"}},
}};

// The preset a text names, compared exactly (letter case counts); none for any other text.
std::optional<std::size_t> recognisePreset(std::string_view text);

class BindOrderSettings {
  public:
    explicit BindOrderSettings(Editor& editor);

    std::string Combo1;                       // the selected item's text; "" while none is selected
    std::array<std::string, bindPartCount> o; // the labels o1 to o14, "1" to "14" in the layout

    void Form_Load();
    void Combo1_Click(std::string_view item);
    // Save and Close: stores the selected preset's name; the window closes afterwards.
    void Command1_Click();
    // Help: opens the help window at its "Bind Order:" section.
    void Command3_Click();

  private:
    Editor& editor_;
};

} // namespace vantrel
