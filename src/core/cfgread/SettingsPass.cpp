#include "cfgread/SettingsPass.h"

#include "app/HoldAliasBind.h"
#include "app/Slot10Factors.h"
#include "cfgread/CircularReader.h"
#include "cfgread/CommandText.h"
#include "circular/Markers.h"
#include "text/Console.h"
#include "text/Text.h"

#include <array>

namespace vantrel {

namespace {

// An rcon command without a value only prints the game's value, so it replaces only a line that
// gives none either: the last value a file sets is the one kept.
void keepRconLine(std::string& kept, std::string_view line) {
    if (secondWord(line) || !secondWord(kept))
        kept = line;
}

} // namespace

std::string fileFactor(const ConfigIndex& file) {
    std::string_view factor = defaultSlot10;
    for (std::string_view line : file.lines().lines())
        if (const std::optional<std::string_view> set = factorSetBy(line))
            factor = *set;
    return std::string(factor);
}

void settingspass(Editor& editor, const ConfigIndex& file, const TakenChains& chains) {
    // Whether a key's bind is held, asked once per key and only of keys with own alias lines: a
    // long bind takes a while to match. The pair the writer writes for such a key replaces its own
    // alias lines; those of any other key are kept, and with them the release that may set the
    // file's factor, which no pair written would hold.
    std::array<std::optional<bool>, keyCount> held{};
    const auto isHeld = [&](KeyIndex key) {
        if (!held[key])
            held[key] = isHoldAliasBind(editor.bind(key));
        return *held[key];
    };
    const ConfigLines& lines = file.lines();
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty() || file.isKeyBindLine(i))
            continue;
        if (const std::optional<AliasLine> alias = aliasLine(line)) {
            if (isTakenChainLine(chains, line))
                continue;
            if (equalsIgnoreCase(alias->name, slot10sAlias)) {
                editor.slot10s = commandBody(alias->rest);
                continue;
            }
            const std::optional<KeyIndex> own = file.ownAliasKey(i);
            if (!own || !isHeld(*own))
                editor.ssettings.emplace_back(line);
            continue;
        }
        if (isCommand(line, "rcon_port"))
            keepRconLine(editor.srconport, line);
        else if (isCommand(line, "rcon_password"))
            keepRconLine(editor.srconpass, line);
        else
            editor.ssettings.emplace_back(line);
    }
}

} // namespace vantrel
