#include "circular/SavedNames.h"

#include "app/HoldAliasBind.h"
#include "circular/Markers.h"
#include "text/Console.h"
#include "text/Text.h"

#include <bitset>
#include <unordered_set>

namespace vantrel {

SavedNames::SavedNames(const Editor& editor) {
    const auto define = [this](std::string_view name, std::string text) {
        aliases_[lowerAscii(name)].push_back(std::move(text));
    };
    for (const std::string& line : editor.ssettings)
        for (std::string_view command : consoleCommands(line))
            if (const std::optional<AliasLine> alias = aliasLine(command))
                define(alias->name, commandBody(alias->rest));
    for (KeyIndex key : fileOrder())
        if (isHoldAliasBind(editor.bind(key))) {
            define(newString("+").append(ownHoldAliasName(key)), asWritten(editor.bind(key)));
            define(newString("-").append(ownHoldAliasName(key)), asWritten(editor.slot10));
        }
    define(slot10sAlias, asWritten(editor.slot10s));
    for (int n = 1; n <= slotCount; ++n)
        for (const std::string& bind : editor.form6.slot(n).binds)
            chains_[slotIndex(n)].push_back(asWritten(bind));
}

std::optional<std::string> SavedNames::leadsTo(std::string_view word, int slot) const {
    std::vector<const std::string*> toRead;
    std::unordered_set<std::string> followedAliases;
    std::bitset<slotCount> followedChains;
    // Queues the texts a name runs, once for each name; says whether it is one of the slot's own.
    const auto follow = [&](std::string_view name) {
        if (const std::optional<ChainName> chain = chainName(name)) {
            if (chain->chain.slot == slot)
                return true;
            const size_t s = slotIndex(chain->chain.slot);
            if (!followedChains[s]) {
                followedChains.set(s);
                for (const std::string& bind : chains_[s])
                    toRead.push_back(&bind);
            }
        }
        const auto alias = aliases_.find(lowerAscii(name));
        if (alias != aliases_.end() && followedAliases.insert(alias->first).second)
            for (const std::string& text : alias->second)
                toRead.push_back(&text);
        return false;
    };
    if (follow(word))
        return std::nullopt;
    while (!toRead.empty()) {
        const std::string* text = toRead.back();
        toRead.pop_back();
        std::optional<std::string> found;
        forEachRunWord(*text, [&](std::string_view name) {
            if (!found && follow(name))
                found = std::string(name);
        });
        if (found)
            return found;
    }
    return std::nullopt;
}

} // namespace vantrel
