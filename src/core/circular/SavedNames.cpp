#include "circular/SavedNames.h"

#include "circular/Markers.h"
#include "text/Console.h"
#include "text/Text.h"

#include <unordered_set>
#include <vector>

namespace vantrel {

SavedNames::SavedNames(std::string_view savedFile) {
    std::unordered_map<std::string, std::string> lastDefinitions;
    // The writer ends its lines with CR LF, and writes none inside a line.
    for (size_t at = 0; at < savedFile.size();) {
        const size_t end = std::min(savedFile.find('\n', at), savedFile.size());
        for (std::string_view command : consoleCommands(savedFile.substr(at, end - at))) {
            if (const std::optional<AliasLine> alias = aliasLine(command)) {
                std::string body = keptBody(alias->rest);
                noteRunTimeAliases(body);
                lastDefinitions[lowerAscii(alias->name)] = std::move(body);
            } else {
                noteRunTimeAliases(command);
            }
        }
        at = end + 1;
    }
    for (auto& [name, body] : lastDefinitions)
        aliases_[name].push_back(std::move(body));
}

// Every alias command the text may run: an "alias" word followed by a name, wherever it stands
// (a bind's body holds one after the key's name), and inside the quoted words, which a bind or an
// alias may run later.
void SavedNames::noteRunTimeAliases(std::string_view text) {
    // Most texts define nothing: they are passed over without being read as commands.
    if (findIgnoreCase(text, "alias") == std::string_view::npos)
        return;
    for (std::string_view command : consoleCommands(text)) {
        const std::vector<ConsoleWord> words = consoleWords(command);
        for (size_t i = 0; i < words.size(); ++i) {
            if (words[i].quoted)
                noteRunTimeAliases(words[i].text);
            else if (equalsIgnoreCase(words[i].text, "alias") && i + 1 < words.size())
                aliases_[lowerAscii(words[i + 1].text)].push_back(keptBody(command.substr(words[i + 1].end)));
        }
    }
}

std::optional<std::string> SavedNames::leadsTo(std::string_view word, int slot) const {
    std::vector<const std::string*> toRead;
    std::unordered_set<const std::vector<std::string>*> followed;
    // Queues the text a name the file defines runs, once for each name; says whether the name is
    // one of the slot's own.
    const auto follow = [&](std::string_view name) {
        const auto alias = aliases_.find(lowerAscii(name));
        if (alias == aliases_.end())
            return false;
        if (const std::optional<ChainName> chain = chainName(name); chain && chain->chain.slot == slot)
            return true;
        if (followed.insert(&alias->second).second)
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
