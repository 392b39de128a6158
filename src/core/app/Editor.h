// Everything the main window owns: the key store, the composer, the settings texts, the kept
// lines, the key clipboard, the help section to open at, the current file name and the picture's
// colours; and what the help window keeps across showings.
#pragma once

#include "app/Slot10Factors.h"
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

inline constexpr const char* defaultSlot10s = "slot10;wait;wait;slot10;wait;wait;slot10;wait;wait";
inline constexpr const char* noKeyCaption = "none";

// The section a showing of the help window opens at: set just before a Help button or question
// shows it, cleared by the help window as it jumps.
enum class HelpSection { None, BindTooLong, CircularBinds, Slot10, BindOrder };

// The help window's search state that outlives each showing: the last Search's text and Find
// next's working copy.
struct HelpMemory {
    std::string ssearchtext;
    std::string sst; // the document text, its passed part blanked
};

struct Editor {
    explicit Editor(Prompter& p) : prompter(&p) {}

    std::array<std::string, keyCount> store; // one bind per key, declaration order; "" = unbound
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
    HelpSection helpSection = HelpSection::None;
    std::string fileName; // the current file name; "" = none
    ButtonColours colours;
    CircularTable form6;   // the circular-bind table, alive for the whole run
    HelpMemory helpMemory; // alive for the whole run
    Prompter* prompter;

    std::string& bind(KeyIndex key) { return store[key]; }
    const std::string& bind(KeyIndex key) const { return store[key]; }
    // The selected key, compared as the caller's rule says; none before the first click.
    std::optional<KeyIndex> selectedKey(Case how) const;
};

// Start-up: the settings defaults and the composer's controls at their defaults.
void Form_Load(Editor& editor);

} // namespace vantrel
