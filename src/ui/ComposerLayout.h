// The composer's controls as data: name, caption, place, the core value each shows and the
// core handler each change runs.
#pragma once

#include "compose/Composer.h"
#include "ui/Geometry.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace vantrel::ui {

// Borderless containers on the main window; the controls inside are placed relative to them.
struct Container {
    std::string_view name;
    Twips rect;
};
inline constexpr std::array<Container, 4> composerContainers = {{
    {"Picture3", {360, 4235, 975, 1695}},   // pistols
    {"Picture1", {1680, 4235, 2655, 1935}}, // guns
    {"Picture2", {1680, 6635, 3975, 975}},  // armour and equipment
    {"Picture4", {6240, 6395, 1095, 255}},  // Team Say
}};

// Grey labels without text behind the buttons of a container, filling the gaps between them.
struct Filler {
    std::string_view name;
    std::string_view container;
    Twips rect;
};
inline constexpr std::array<Filler, 2> composerFillers = {{
    {"coverup1", "Picture1", {0, 240, 2655, 1455}},
    {"coverup2", "Picture2", {2640, 480, 1335, 495}},
}};

template <typename E> struct OptionButton {
    std::string_view name;
    std::string_view caption;
    E value;
    Twips rect; // in the group's container
};

inline constexpr std::array<OptionButton<Pistol>, 7> pistolButtons = {{
    {"nopistol", "None", Pistol::None, {0, 0, 975, 255}},
    {"usp", "USP", Pistol::Usp, {0, 240, 975, 255}},
    {"glock", "Glock", Pistol::Glock, {0, 480, 975, 255}},
    {"deagle", "D Eagle", Pistol::Deagle, {0, 720, 975, 255}},
    {"p228", "P228", Pistol::P228, {0, 960, 975, 255}},
    {"berretas", "Berretas", Pistol::Berretas, {0, 1200, 975, 255}},
    {"fn57", "FN 5-7", Pistol::Fn57, {0, 1440, 975, 255}},
}};

inline constexpr std::array<OptionButton<Gun>, 13> gunButtons = {{
    {"nogun", "None", Gun::None, {0, 0, 1335, 255}},
    {"m3", "M3 Shotgun", Gun::M3, {0, 360, 1215, 255}},
    {"xm1014", "XM1014", Gun::Xm1014, {0, 600, 1215, 255}},
    {"mp5", "MP5", Gun::Mp5, {0, 960, 1215, 255}},
    {"tmp", "TMP / Ingram", Gun::Tmp, {0, 1200, 1335, 255}},
    {"p90", "P90", Gun::P90, {0, 1440, 1215, 255}},
    {"ump45", "UMP45", Gun::Ump45, {0, 1680, 1335, 255}},
    {"colt", "AK47 / Colt", Gun::Colt, {1320, 0, 1335, 255}},
    {"aug", "Sig / Aug", Gun::Aug, {1320, 240, 1335, 255}},
    {"scout", "Scout", Gun::Scout, {1320, 600, 1335, 255}},
    {"awm", "AWM", Gun::Awm, {1320, 840, 1335, 255}},
    {"heckler", "Heckler G3 / Sig 550", Gun::Heckler, {1320, 1080, 1335, 495}},
    {"para", "Machine gun", Gun::Para, {1320, 1680, 1335, 255}},
}};

inline constexpr std::array<OptionButton<Armour>, 4> armourButtons = {{
    {"noarmour", "No armour", Armour::None, {0, 0, 1335, 255}},
    {"kevlar", "Kevlar", Armour::Kevlar, {0, 240, 1335, 255}},
    {"kevhelm", "Kev. + Helm.", Armour::KevHelm, {0, 480, 1335, 255}},
    {"bestarm", "Best armour", Armour::Best, {0, 720, 1335, 255}},
}};

template <typename E> struct OptionGroup {
    std::string_view container;
    std::span<const OptionButton<E>> options;
    E ComposerControls::*value;
    void (*select)(Editor&, E);
};

inline constexpr OptionGroup<Pistol> pistolGroup{"Picture3", pistolButtons, &ComposerControls::pistol,
                                                 selectPistol};
inline constexpr OptionGroup<Gun> gunGroup{"Picture1", gunButtons, &ComposerControls::gun, selectGun};
inline constexpr OptionGroup<Armour> armourGroup{"Picture2", armourButtons, &ComposerControls::armour,
                                                 selectArmour};

struct CheckBox {
    std::string_view name;
    std::string_view caption;
    std::string_view container;
    Twips rect;
    bool ComposerControls::*value;
    void (*set)(Editor&, bool);
};

template <Equipment box> void tick(Editor& editor, bool ticked) {
    setEquipment(editor, box, ticked);
}

inline constexpr std::array<CheckBox, 7> composerCheckBoxes = {{
    {"hegren",
     "HE gren.",
     "Picture2",
     {1320, 0, 1335, 255},
     &ComposerControls::hegren,
     tick<Equipment::HeGren>},
    {"smokegren",
     "Smoke gren.",
     "Picture2",
     {1320, 240, 1335, 255},
     &ComposerControls::smokegren,
     tick<Equipment::SmokeGren>},
    {"fbang1",
     "Flashbang1",
     "Picture2",
     {1320, 480, 1335, 255},
     &ComposerControls::fbang1,
     tick<Equipment::Fbang1>},
    {"fbang2",
     "Flashbang2",
     "Picture2",
     {1320, 720, 1335, 255},
     &ComposerControls::fbang2,
     tick<Equipment::Fbang2>},
    {"defuser",
     "Defuser",
     "Picture2",
     {2640, 0, 1335, 255},
     &ComposerControls::defuser,
     tick<Equipment::Defuser>},
    {"nvision",
     "Nightvision",
     "Picture2",
     {2640, 240, 1335, 255},
     &ComposerControls::nvision,
     tick<Equipment::NVision>},
    {"teamsay", "Team Say", "Picture4", {0, 0, 1095, 255}, &ComposerControls::teamsay, teamsay_Click},
}};

enum class ListItems { Ammunition, Radio };

// Pick-only drop-down lists, placed on the main window.
struct DropDownList {
    std::string_view name;
    Twips rect;
    ListItems items;
    std::string ComposerControls::*value;
    void (*choose)(Editor&, const std::string&);
};
inline constexpr std::array<DropDownList, 3> composerLists = {{
    {"pacombo", {360, 6395, 975, 315}, ListItems::Ammunition, &ComposerControls::pacombo, pacombo_Click},
    {"gacombo", {360, 7235, 975, 315}, ListItems::Ammunition, &ComposerControls::gacombo, gacombo_Click},
    {"radio", {6240, 5675, 2175, 315}, ListItems::Radio, &ComposerControls::radio, radio_Click},
}};

// One-line text boxes whose every change runs their handler.
struct TextBox {
    std::string_view name;
    Twips rect;
    std::string ComposerControls::*value;
    void (*change)(Editor&, const std::string&);
};
inline constexpr std::array<TextBox, 2> composerTextBoxes = {{
    {"saybox", {6240, 6035, 2175, 285}, &ComposerControls::saybox, saybox_Change},
    {"rconsaybox", {6240, 6755, 2175, 285}, &ComposerControls::rconsaybox, rconsaybox_Change},
}};

struct ComposerButton {
    std::string_view name;
    std::string_view caption;
    Twips rect;
    void (*click)(Editor&);
};
inline constexpr std::array<ComposerButton, 2> composerButtons = {{
    {"deletesay", "Delete", {7680, 6395, 735, 255}, deletesay_Click},
    {"deleterconsay", "Delete", {7680, 7115, 735, 255}, deleterconsay_Click},
}};

inline constexpr Twips cbindRect{240, 3275, 5535, 285};

} // namespace vantrel::ui
