#include "settings/RconSettings.h"

#include "cfgwrite/ConfigText.h"
#include "text/Console.h"

#include <algorithm>

namespace vantrel {

namespace {
constexpr unsigned char deleteCharacter = 0x7f; // the one control character above the blank
} // namespace

std::string rconValue(std::string_view line) {
    const std::optional<ConsoleWord> value = secondWord(line.substr(0, commandEnd(line)));
    return value ? std::string(value->text) : std::string();
}

std::string rconArgument(std::string_view typed) {
    std::string value(typed);
    const auto isControl = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < ' ' || byte == deleteCharacter;
    };
    std::replace_if(value.begin(), value.end(), isControl, ' ');
    const std::string_view text = trimBlanks(value);
    const bool wrapped =
        text.size() >= 2 && text.front() == '"' && text.back() == '"' && text.find('"', 1) == text.size() - 1;
    if (!mustQuote(text) || wrapped)
        return std::string(text);
    return quoted(text);
}

void RconSettings::Form_Load() {
    port = rconValue(editor_.srconport);
    pass = rconValue(editor_.srconpass);
    loadedPort_ = port;
    loadedPass_ = pass;
}

void RconSettings::Command2_Click() {
    // A line read from a file and left alone in the window keeps its bytes, comment and all.
    const auto store = [](std::string& line, std::string_view prefix, const std::string& box,
                          const std::string& loaded) {
        if (!line.empty() && box == loaded)
            return;
        // A box that showed nothing and still holds nothing changes nothing the game reads.
        if (loaded.empty() && trimBlanks(box).empty()) {
            if (line.empty())
                line = prefix;
            return;
        }
        line = std::string(prefix) + rconArgument(box);
    };
    store(editor_.srconport, rconPortPrefix, port, loadedPort_);
    store(editor_.srconpass, rconPasswordPrefix, pass, loadedPass_);
}

} // namespace vantrel
