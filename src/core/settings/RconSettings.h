// The Rcon Settings window's model (Form5): the port and password boxes and how srconport and
// srconpass hold them as whole console commands.
#pragma once

#include "app/Editor.h"

#include <string>
#include <string_view>

namespace vantrel {

inline constexpr std::string_view rconPortPrefix = "rcon_port ";
inline constexpr std::string_view rconPasswordPrefix = "rcon_password ";

// The box text of a stored rcon line: the value the game reads after the command word, cut off by
// its length whatever its letters: the text between double quotes (to the line's end without a
// closing one), else the first word, which ends at a blank, a tab, a ";" or "//".
std::string rconValue(std::string_view line, std::string_view prefix);

// The typed value as the rcon line holds it. Control characters, a pasted line break among them,
// become blanks. A value the game would cut (a ";", a blank, a tab or "//" once blanks and tabs are
// gone from its ends) goes between double quotes without those blanks, any double quote inside
// becoming ', so it can neither run a command nor reach the game cut; a value already between
// double quotes, and any other, stays as typed.
std::string rconArgument(std::string_view typed);

class RconSettings {
  public:
    explicit RconSettings(Editor& editor) : editor_(editor) {}

    std::string port;
    std::string pass;

    void Form_Load();
    // Save and Close: stores both lines; a line the window loaded and whose box is unchanged is
    // kept as it stands. The window closes afterwards.
    void Command2_Click();

  private:
    Editor& editor_;
    std::string loadedPort_;
    std::string loadedPass_;
};

} // namespace vantrel
