#include "app/HoldAliasBind.h"

#include "text/Console.h"
#include "text/Text.h"

#include <algorithm>

namespace vantrel {

namespace {
constexpr char pressSign = '+';
constexpr char releaseSign = '-';
constexpr char ownAliasLetter = 'a';
} // namespace

bool matchesHoldPattern(std::string_view bind) {
    return std::any_of(holdAliasPatterns.begin(), holdAliasPatterns.end(),
                       [bind](std::string_view pattern) { return like(bind, pattern); });
}

bool isEditorsPair(std::string_view pressText, std::string_view releaseText, std::string_view factor) {
    return !pressText.empty() && matchesHoldPattern(pressText) && equalsIgnoreCase(releaseText, factor);
}

bool pressesSomething(std::string_view text) {
    // Most texts hold no "+" at all: they are answered without a written copy.
    if (text.find(pressSign) == std::string_view::npos)
        return false;
    const std::string written = asWritten(text);
    for (std::string_view command : consoleCommands(written))
        if (const std::optional<ConsoleWord> first = nextWord(command);
            first && first->text.starts_with(pressSign))
            return true;
    return false;
}

bool isHoldAliasBind(std::string_view bind) {
    return matchesHoldPattern(bind) && !pressesSomething(bind);
}

std::string ownHoldAliasName(KeyIndex key) {
    return newString("a").append(keyTable[key].suffix);
}

std::optional<KeyIndex> ownHoldAliasKey(std::string_view aliasName) {
    if (aliasName.size() < 2 || (aliasName[0] != pressSign && aliasName[0] != releaseSign) ||
        foldAscii(aliasName[1]) != ownAliasLetter)
        return std::nullopt;
    return keyBySuffix(aliasName.substr(2));
}

std::optional<PairPress> pressedPair(std::string_view bind) {
    // Only a bind that begins with "+" is cut by the key event; most begin otherwise.
    bind = skipBlanks(bind);
    if (!bind.starts_with(pressSign))
        return std::nullopt;
    const KeyCommands commands = firstKeyCommand(bind);
    const std::string first = asWritten(commands.first);
    // The command begins with "+", so its first word does.
    const std::optional<KeyIndex> key = ownHoldAliasKey(nextWord(first)->text);
    if (!key)
        return std::nullopt;
    return PairPress{*key, commands.rest};
}

std::string inPlaceOfPress(std::string_view pressText, std::string_view rest) {
    std::string text(pressText);
    if (!rest.empty())
        text.append("; ").append(rest);
    return text;
}

} // namespace vantrel
