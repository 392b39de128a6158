// The Rcon Settings window's model (Form5): the port and password boxes and how srconport and
// srconpass hold them as whole console commands.
#pragma once

#include "app/Editor.h"

#include <string>
#include <string_view>

namespace vantrel {

inline constexpr std::string_view rconPortPrefix = "rcon_port ";
inline constexpr std::string_view rconPasswordPrefix = "rcon_password ";

// The box text of a stored rcon line: the command word is cut off by its length, whatever its
// letters, then the leading spaces; trailing spaces and quotes stay.
std::string rconValue(std::string_view line, std::string_view prefix);

class RconSettings {
  public:
    explicit RconSettings(Editor& editor) : editor_(editor) {}

    std::string port;
    std::string pass;

    void Form_Load();
    // Save and Close: stores both lines, changed or not; the window closes afterwards.
    void Command2_Click();

  private:
    Editor& editor_;
};

} // namespace vantrel
