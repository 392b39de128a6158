#include "circular/SavedNames.h"

#include "circular/Markers.h"
#include "text/Console.h"
#include "text/Text.h"

#include <unordered_set>
#include <vector>

namespace vantrel {

SavedNames::SavedNames(std::string_view savedFile) {
    // The writer ends its lines with CR LF, and writes none inside a line.
    for (size_t at = 0; at < savedFile.size();) {
        const size_t end = std::min(savedFile.find('\n', at), savedFile.size());
        for (std::string_view command : consoleCommands(savedFile.substr(at, end - at)))
            if (const std::optional<AliasLine> alias = aliasLine(command))
                aliases_[lowerAscii(alias->name)] = keptBody(alias->rest);
        at = end + 1;
    }
}

std::optional<std::string> SavedNames::leadsTo(std::string_view word, int slot) const {
    std::vector<const std::string*> toRead;
    std::unordered_set<const std::string*> followed;
    // Queues the text a name the file defines runs, once for each name; says whether the name is
    // one of the slot's own.
    const auto follow = [&](std::string_view name) {
        const auto alias = aliases_.find(lowerAscii(name));
        if (alias == aliases_.end())
            return false;
        if (const std::optional<ChainName> chain = chainName(name); chain && chain->chain.slot == slot)
            return true;
        if (followed.insert(&alias->second).second)
            toRead.push_back(&alias->second);
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
