#include "settings/RconSettings.h"

#include "cfgwrite/ConfigText.h"
#include "text/Text.h"

#include <algorithm>

namespace vantrel {

namespace {
constexpr unsigned char deleteCharacter = 0x7f; // the one control character above the blank
} // namespace

std::string rconValue(std::string_view line, std::string_view prefix) {
    const std::size_t commandLength = prefix.size() - 1; // the prefix without its space
    line.remove_prefix(std::min(commandLength, line.size()));
    line = skipBlanks(line);
    if (!line.empty() && line.front() == '"') {
        line.remove_prefix(1);
        return std::string(line.substr(0, line.find('"')));
    }
    return std::string(line.substr(0, std::min(line.find_first_of("; \t"), line.find("//"))));
}

std::string rconArgument(std::string_view typed) {
    // A pasted line break would end the command and run the rest as one of its own.
    std::string value(typed);
    const auto isControl = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < ' ' && c != '\t') || byte == deleteCharacter;
    };
    std::replace_if(value.begin(), value.end(), isControl, ' ');
    const std::string_view text = trimBlanks(value);
    const bool cut =
        text.find_first_of("; \t") != std::string_view::npos || text.find("//") != std::string_view::npos;
    const bool wrapped =
        text.size() >= 2 && text.front() == '"' && text.back() == '"' && text.find('"', 1) == text.size() - 1;
    if (!cut || wrapped)
        return value;
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
