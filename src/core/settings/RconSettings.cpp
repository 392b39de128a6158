#include "settings/RconSettings.h"

#include "cfgwrite/ConfigText.h"
#include "text/Text.h"

#include <algorithm>

namespace vantrel {

std::string rconValue(std::string_view line, std::string_view prefix) {
    const std::size_t commandLength = prefix.size() - 1; // the prefix without its space
    line.remove_prefix(std::min(commandLength, line.size()));
    return std::string(trimLeft(line));
}

std::string rconArgument(std::string_view value) {
    std::string_view text = value;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    const bool cut =
        text.find_first_of("; \t") != std::string_view::npos || text.find("//") != std::string_view::npos;
    const bool wrapped =
        text.size() >= 2 && text.front() == '"' && text.back() == '"' && text.find('"', 1) == text.size() - 1;
    if (!cut || wrapped)
        return std::string(value);
    return quoted(text);
}

void RconSettings::Form_Load() {
    port = rconValue(editor_.srconport, rconPortPrefix);
    pass = rconValue(editor_.srconpass, rconPasswordPrefix);
    loadedPort_ = port;
    loadedPass_ = pass;
}

void RconSettings::Command2_Click() {
    // A line read from a file and left alone in the window keeps its bytes, comment and all.
    const auto store = [](std::string& line, std::string_view prefix, const std::string& box,
                          const std::string& loaded) {
        if (line.empty() || box != loaded)
            line = std::string(prefix) + rconArgument(box);
    };
    store(editor_.srconport, rconPortPrefix, port, loadedPort_);
    store(editor_.srconpass, rconPasswordPrefix, pass, loadedPass_);
}

} // namespace vantrel
