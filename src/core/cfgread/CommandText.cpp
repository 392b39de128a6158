#include "cfgread/CommandText.h"

#include "cfgread/ConfigLines.h"
#include "text/Console.h"
#include "text/Text.h"

#include <string>
#include <unordered_map>

namespace vantrel {

namespace {

// Longer than every game key name and own alias name: a longer token is none of them.
constexpr size_t maxNameLength = 24;

// Lower-case names to keys, built once from the key table.
using NameMap = std::unordered_map<std::string, KeyIndex>;

std::optional<KeyIndex> lookUp(const NameMap& map, std::string_view name) {
    if (name.empty() || name.size() > maxNameLength)
        return std::nullopt;
    const auto it = map.find(lowerAscii(name));
    if (it == map.end())
        return std::nullopt;
    return it->second;
}

const NameMap& gameNames() {
    static const NameMap map = [] {
        NameMap out;
        for (KeyIndex key : fileOrder())
            out.emplace(lowerAscii(keyTable[key].game), key);
        return out;
    }();
    return map;
}

const NameMap& ownAliasNames() {
    static const NameMap map = [] {
        NameMap out;
        for (KeyIndex key : fileOrder())
            out.emplace(lowerAscii(ownHoldAliasName(key)), key);
        return out;
    }();
    return map;
}

// The command's word after `word`, when the command has one.
std::optional<ConsoleWord> wordAfter(std::string_view line, const std::optional<ConsoleWord>& word) {
    return word ? nextWord(line, word->end) : std::nullopt;
}

// The second word of a command whose first word is `command`.
std::optional<ConsoleWord> argumentOf(std::string_view line, std::string_view command) {
    const std::optional<ConsoleWord> first = nextWord(line);
    if (!first || !equalsIgnoreCase(first->text, command))
        return std::nullopt;
    return wordAfter(line, first);
}

} // namespace

std::string ownHoldAliasName(KeyIndex key) {
    return newString("a").append(keyTable[key].suffix);
}

std::optional<KeyBindLine> keyBindLine(std::string_view line) {
    const std::optional<ConsoleWord> name = argumentOf(line, "bind");
    const std::optional<ConsoleWord> body = wordAfter(line, name);
    if (!body)
        return std::nullopt;
    const std::optional<KeyIndex> key = lookUp(gameNames(), name->text);
    if (!key)
        return std::nullopt;
    return KeyBindLine{*key, line.substr(body->begin)};
}

std::optional<KeyIndex> pressedOwnAlias(std::string_view text) {
    // Most binds begin with no "+": they are not scanned for their first word.
    if (!skipBlanks(text).starts_with('+'))
        return std::nullopt;
    const std::optional<ConsoleWord> first = nextWord(text);
    return first ? ownHoldAliasKey(first->text) : std::nullopt;
}

std::optional<AliasLine> aliasLine(std::string_view line) {
    const std::optional<ConsoleWord> name = argumentOf(line, "alias");
    if (!name || name->text.empty())
        return std::nullopt;
    return AliasLine{name->text, line.substr(name->end)};
}

std::optional<KeyIndex> unbindLine(std::string_view line) {
    const std::optional<ConsoleWord> name = argumentOf(line, "unbind");
    // A second word makes the game ignore the command.
    if (!name || wordAfter(line, name))
        return std::nullopt;
    // The game takes a one-character name as that character's key, and a letter key's character
    // is its lower-case letter: `unbind A` unbinds nothing.
    if (name->text.size() == 1 && foldAscii(name->text.front()) != name->text.front())
        return std::nullopt;
    return lookUp(gameNames(), name->text);
}

bool isUnbindAllLine(std::string_view line) {
    return isCommand(line, "unbindall");
}

std::optional<KeyIndex> ownHoldAliasKey(std::string_view aliasName) {
    if (aliasName.empty() || (aliasName.front() != '+' && aliasName.front() != '-'))
        return std::nullopt;
    return lookUp(ownAliasNames(), aliasName.substr(1));
}

} // namespace vantrel
