// The Rcon Settings window's model (Form5): the port and password boxes and how srconport and
// srconpass hold them as whole console commands.
#pragma once

#include "app/Editor.h"

#include <string>
#include <string_view>

namespace vantrel {

inline constexpr std::string_view rconPortPrefix = "rcon_port ";
inline constexpr std::string_view rconPasswordPrefix = "rcon_password ";

// The box text of a stored rcon line: the value the game reads, the second word of its command.
std::string rconValue(std::string_view line);

// The typed value as the rcon line holds it, so that the game's first argument is the typed text:
// its blanks at the ends dropped, control characters inside written as blanks (a pasted line break
// would end the command and run the rest as one of its own); a value the game would not read as
// that one word goes between double quotes, any double quote inside becoming '. A value typed
// between double quotes stays as typed, and an empty one is "" so the game still sets it.
std::string rconArgument(std::string_view typed);

class RconSettings {
  public:
    explicit RconSettings(Editor& editor) : editor_(editor) {}

    std::string port;
    std::string pass;

    void Form_Load();
    // Save and Close: stores both lines; a line the window loaded and whose box is unchanged is
    // kept as it stands, and a box that was empty and stays empty stores the bare command word. The
    // window closes afterwards.
    void Command2_Click();

  private:
    Editor& editor_;
    std::string loadedPort_;
    std::string loadedPass_;
};

} // namespace vantrel
