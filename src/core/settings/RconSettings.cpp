#include "settings/RconSettings.h"

#include "text/Text.h"

#include <algorithm>

namespace vantrel {

std::string rconValue(std::string_view line, std::string_view prefix) {
    const std::size_t commandLength = prefix.size() - 1; // the prefix without its space
    line.remove_prefix(std::min(commandLength, line.size()));
    return std::string(trimLeft(line));
}

void RconSettings::Form_Load() {
    port = rconValue(editor_.srconport, rconPortPrefix);
    pass = rconValue(editor_.srconpass, rconPasswordPrefix);
}

void RconSettings::Command2_Click() {
    editor_.srconport = std::string(rconPortPrefix) + port;
    editor_.srconpass = std::string(rconPasswordPrefix) + pass;
}

} // namespace vantrel
