// Finding the say, team-say and rcon-say messages in a stored bind, the way showkeybind puts
// them back into the message boxes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// The say message, when the bind holds "say " anywhere and a "say" outside the leading
// "rcon say" commands; no value otherwise.
std::optional<std::string> extractSayMessage(std::string_view shown);
// The team message, when the bind holds "say_team " anywhere.
std::optional<std::string> extractTeamMessage(std::string_view shown);
// The rcon message, when the bind holds "rcon say " anywhere. Trailing spaces stay when no ";"
// ends the message.
std::optional<std::string> extractRconMessage(std::string_view shown);

} // namespace vantrel
