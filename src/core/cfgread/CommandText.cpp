#include "cfgread/CommandText.h"

#include "cfgread/ConfigLines.h"
#include "text/Text.h"

namespace vantrel {

namespace {

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

std::optional<KeyBindLine> keyBindLine(std::string_view line) {
    const std::optional<ConsoleWord> name = argumentOf(line, "bind");
    const std::optional<ConsoleWord> body = wordAfter(line, name);
    if (!body)
        return std::nullopt;
    const std::optional<KeyIndex> key = keyByGame(name->text);
    if (!key)
        return std::nullopt;
    return KeyBindLine{*key, line.substr(body->begin)};
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
    return keyByGame(name->text);
}

bool isUnbindAllLine(std::string_view line) {
    return isCommand(line, "unbindall");
}

} // namespace vantrel
