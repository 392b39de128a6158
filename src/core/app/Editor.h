// Everything the main window owns: the key store, the composer, the settings texts, the kept
// lines, the key clipboard, the help flags, the current file name and the picture's colours.
#pragma once

#include "circular/CircularTable.h"
#include "compose/BindParts.h"
#include "compose/Controls.h"
#include "keys/Buttons.h"
#include "keys/KeyTable.h"
#include "platform/Prompter.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

inline constexpr const char* defaultBindOrder = "Default";
inline constexpr const char* defaultSlot10s = "slot10;wait;wait;slot10;wait;wait;slot10;wait;wait";
inline constexpr const char* defaultSlot10 = "slot10s;slot10s;slot10s;slot10s;slot10s";
inline constexpr const char* noKeyCaption = "none";

struct Editor {
    explicit Editor(Prompter& p) : prompter(&p) {}

    std::array<std::string, kKeyCount> store; // one bind per key, declaration order; "" = unbound
    BindParts parts;
    ComposerControls controls;
    std::string cbind;                    // the current-bind box
    std::optional<std::string> selectkey; // no value until the first key click
    std::string ckeybox = noKeyCaption;
    std::string BindOrder;
    std::string slot10;
    std::string slot10s;
    std::string srconport;
    std::string srconpass;
    std::vector<std::string> ssettings; // kept lines of an opened file, in file order
    std::string skeycopy;
    int showhelp1 = 0;
    int showhelp2 = 0;
    int showhelp3 = 0;
    int showhelp4 = 0;
    std::string fileName; // the current file name; "" = none
    ButtonColours colours;
    CircularTable form6; // the circular-bind table, alive for the whole run
    Prompter* prompter;

    std::string& bind(KeyIndex key) { return store[key]; }
    const std::string& bind(KeyIndex key) const { return store[key]; }
    // The selected key, compared as the caller's rule says; none before the first click.
    std::optional<KeyIndex> selectedKey(Case how) const;
};

// Start-up: the settings defaults and the composer's controls at their defaults.
void Form_Load(Editor& editor);

} // namespace vantrel
