#include "cfgread/CommandText.h"

#include "cfgread/ConfigLines.h"
#include "text/Text.h"

#include <string>
#include <unordered_map>

namespace vantrel {

namespace {

constexpr char quote = '"';
constexpr std::string_view bindWord = "bind ";
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

// Where a "//" that begins a word starts a comment; npos when none does.
size_t commentStart(std::string_view text) {
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (commentAt(text, i))
            return i;
    return std::string_view::npos;
}

} // namespace

std::string ownHoldAliasName(KeyIndex key) {
    return "a" + std::string(keyTable[key].suffix);
}

std::optional<KeyBindLine> keyBindLine(std::string_view line) {
    if (!startsWithIgnoreCase(line, bindWord))
        return std::nullopt;
    std::string_view after = line.substr(bindWord.size());
    std::string_view name;
    if (!after.empty() && after.front() == quote) {
        const size_t close = after.find(quote, 1);
        if (close == std::string_view::npos)
            return std::nullopt;
        name = after.substr(1, close - 1);
        after.remove_prefix(close + 1);
        if (after.empty() || after.front() != ' ')
            return std::nullopt;
    } else {
        const size_t space = after.find(' ');
        if (space == std::string_view::npos)
            return std::nullopt;
        name = after.substr(0, space);
        after.remove_prefix(space);
    }
    const std::optional<KeyIndex> key = lookUp(gameNames(), name);
    if (!key)
        return std::nullopt;
    return KeyBindLine{*key, after.substr(1)};
}

std::optional<std::string_view> holdAliasName(std::string_view rest) {
    std::string_view ends = " \t\";";
    if (!rest.empty() && rest.front() == '+') {
        rest.remove_prefix(1);
    } else if (rest.size() >= 2 && rest[0] == quote && rest[1] == '+') {
        rest.remove_prefix(2);
        ends = " \t\""; // inside the quotes a ";" is part of the name
    } else {
        return std::nullopt;
    }
    return rest.substr(0, rest.find_first_of(ends));
}

std::string_view commandBody(std::string_view rest) {
    rest = skipBlanks(rest);
    if (!rest.empty() && rest.front() == quote) {
        rest.remove_prefix(1);
        return trim(rest.substr(0, rest.find(quote)));
    }
    rest = rest.substr(0, std::min(rest.find(';'), commentStart(rest)));
    return trimBlanks(rest);
}

std::optional<AliasLine> aliasLine(std::string_view line) {
    constexpr std::string_view aliasWord = "alias";
    if (!isCommand(line, aliasWord))
        return std::nullopt;
    const std::string_view after = skipBlanks(line.substr(aliasWord.size()));
    // The game ends a word at a blank or tab only: `alias +af1"say hi"` names `+af1"say`.
    const size_t end = std::min(after.find_first_of(" \t"), after.size());
    if (end == 0)
        return std::nullopt;
    return AliasLine{after.substr(0, end), after.substr(end)};
}

std::optional<KeyIndex> unbindLine(std::string_view line) {
    constexpr std::string_view unbindWord = "unbind";
    if (!isCommand(line, unbindWord))
        return std::nullopt;
    std::string_view after = skipBlanks(line.substr(unbindWord.size()));
    std::string_view name;
    if (!after.empty() && after.front() == quote) {
        const size_t close = after.find(quote, 1);
        name = after.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
        after = close == std::string_view::npos ? std::string_view() : after.substr(close + 1);
    } else {
        const size_t end = std::min(after.find_first_of(" \t"), after.size());
        name = after.substr(0, end);
        after.remove_prefix(end);
    }
    // A second word makes the game ignore the command; a comment is no word.
    after = skipBlanks(after);
    if (!after.empty() && !commentAt(after, 0))
        return std::nullopt;
    // The game takes a one-character name as that character's key, and a letter key's character
    // is its lower-case letter: `unbind A` unbinds nothing.
    if (name.size() == 1 && foldAscii(name.front()) != name.front())
        return std::nullopt;
    return lookUp(gameNames(), name);
}

bool isUnbindAllLine(std::string_view line) {
    constexpr std::string_view unbindAllWord = "unbindall";
    return startsWithIgnoreCase(line, unbindAllWord) &&
           (line.size() == unbindAllWord.size() || isBlank(line[unbindAllWord.size()]));
}

std::optional<KeyIndex> ownHoldAliasKey(std::string_view aliasName) {
    if (aliasName.empty() || (aliasName.front() != '+' && aliasName.front() != '-'))
        return std::nullopt;
    return lookUp(ownAliasNames(), aliasName.substr(1));
}

} // namespace vantrel
