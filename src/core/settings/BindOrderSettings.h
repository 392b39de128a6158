// The Bind Order window's model (Form7): the preset list and the fourteen position labels, which
// show the order the composer joins the parts in.
#pragma once

#include "app/Editor.h"
#include "compose/BindOrder.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// The caption each bind part has in the position labels.
struct PartCaption {
    PartField part;
    std::string_view caption;
};

inline constexpr std::array<PartCaption, bindPartCount> partCaptions = {{
    {&BindParts::scbindg, "Gun"},
    {&BindParts::scbindga, "Gun ammo"},
    {&BindParts::scbindarm, "Armour"},
    {&BindParts::scbindde, "Defuser"},
    {&BindParts::scbindp, "Pistol"},
    {&BindParts::scbindpa, "Pistol ammo"},
    {&BindParts::scbindhe, "HE gren."},
    {&BindParts::scbindfl1, "Flashbang 1"},
    {&BindParts::scbindfl2, "Flashbang 2"},
    {&BindParts::scbindsm, "Smoke gren."},
    {&BindParts::scbindnv, "Night Vision"},
    {&BindParts::sradio, "Radio"},
    {&BindParts::smessage, "Messages"},
    {&BindParts::srconsay, "Rcon Say"},
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
