#include "cfgread/SettingsPass.h"

#include "settings/Slot10Settings.h"
#include "text/Text.h"

namespace vantrel {

namespace {

constexpr size_t slot10sAliasPrefixLength = 15; // `alias slot10s "`

bool containsIgnoreCase(std::string_view text, std::string_view needle) {
    return findIgnoreCase(text, needle) != std::string_view::npos;
}

// The body of a `slot10s` alias line, cut by position from the line as the writer forms it.
std::string slot10Text(std::string_view line) {
    line = trimRight(line);
    line =
        line.size() > slot10sAliasPrefixLength ? line.substr(slot10sAliasPrefixLength) : std::string_view();
    line = trimLeft(line);
    if (!line.empty())
        line.remove_suffix(1);
    return std::string(trimRight(line));
}

// The factor a line sets: the longest run of copies of "slot10s" joined by ";" that it holds, at
// most seven, stored in lower case. A line holding a run holds every shorter one.
std::string_view lineFactor(std::string_view line) {
    std::string_view factor = slot10Factors.front();
    for (std::string_view run : slot10Factors)
        if (containsIgnoreCase(line, run))
            factor = run;
    return factor;
}

} // namespace

void settingspass(Editor& editor, const ConfigIndex& file) {
    const ConfigLines& lines = file.lines();
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty())
            continue;
        if (startsWithIgnoreCase(line, "bind")) {
            if (!file.isKeyBindLine(i))
                editor.ssettings.emplace_back(line);
            continue;
        }
        if (startsWithIgnoreCase(line, "alias")) {
            if (startsWithIgnoreCase(line, "alias aCB"))
                continue;
            if (startsWithIgnoreCase(line, "alias slot10s")) {
                editor.slot10s = slot10Text(line);
                continue;
            }
            if (containsIgnoreCase(line, slot10Factors.front()))
                editor.slot10 = lineFactor(line);
            const std::optional<KeyIndex> own = file.ownAliasKey(i);
            if (!own || !file.pairTaken[*own])
                editor.ssettings.emplace_back(line);
            continue;
        }
        if (startsWithIgnoreCase(line, "rcon_port"))
            editor.srconport = line;
        else if (startsWithIgnoreCase(line, "rcon_password"))
            editor.srconpass = line;
        else
            editor.ssettings.emplace_back(line);
    }
}

} // namespace vantrel
