#include "cfgread/SettingsPass.h"

#include "text/Text.h"

#include <array>

namespace vantrel {

namespace {

constexpr size_t slot10sAliasPrefixLength = 15; // `alias slot10s "`
constexpr int maxFactor = 7;
constexpr std::string_view factorCopy = "slot10s";

bool containsIgnoreCase(std::string_view text, std::string_view needle) {
    return findIgnoreCase(text, needle) != std::string_view::npos;
}

std::string copies(int n) {
    std::string out(factorCopy);
    for (int i = 1; i < n; ++i)
        out.append(";").append(factorCopy);
    return out;
}

} // namespace

std::string slot10Text(std::string_view line) {
    line = trimRight(line);
    line =
        line.size() > slot10sAliasPrefixLength ? line.substr(slot10sAliasPrefixLength) : std::string_view();
    line = trimLeft(line);
    if (!line.empty())
        line.remove_suffix(1);
    return std::string(trimRight(line));
}

std::string slot10Factor(std::string_view line) {
    static const std::array<std::string, maxFactor + 1> runs = [] {
        std::array<std::string, maxFactor + 1> out;
        for (int n = 1; n <= maxFactor; ++n)
            out[static_cast<size_t>(n)] = copies(n);
        return out;
    }();
    int factor = 1;
    for (int n = 2; n <= maxFactor; ++n)
        if (containsIgnoreCase(line, runs[static_cast<size_t>(n)]))
            factor = n;
    return runs[static_cast<size_t>(factor)];
}

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
            if (containsIgnoreCase(line, factorCopy))
                editor.slot10 = slot10Factor(line);
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
