#include "text/Console.h"

#include "text/Text.h"

#include <algorithm>

namespace vantrel {

namespace {
constexpr char quote = '"';
constexpr char endOfText = '\0';
constexpr std::string_view commentMark = "//";
} // namespace

std::string_view skipBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view trimBlanks(std::string_view text) {
    text = skipBlanks(text);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

size_t commandEnd(std::string_view text, size_t from) {
    bool quoted = false;
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] == quote)
            quoted = !quoted;
        else if (text[i] == ';' && !quoted)
            return i;
    }
    return text.size();
}

std::vector<std::string_view> consoleCommands(std::string_view text) {
    std::vector<std::string_view> commands;
    for (size_t at = 0;;) {
        const size_t end = commandEnd(text, at);
        commands.push_back(text.substr(at, end - at));
        if (end == text.size())
            return commands;
        at = end + 1;
    }
}

std::optional<ConsoleWord> nextWord(std::string_view command, size_t from) {
    size_t at = from;
    while (at < command.size() && isBlank(command[at]))
        ++at;
    if (at >= command.size() || command[at] == endOfText || command.substr(at, 2) == commentMark)
        return std::nullopt;
    if (command[at] == quote) {
        // Searched for rather than walked: a quoted body can be the whole of a long line.
        const size_t quoteAt = std::min(command.find(quote, at + 1), command.size());
        const size_t close = std::min(command.substr(0, quoteAt).find(endOfText, at + 1), quoteAt);
        const size_t end = close < command.size() && command[close] == quote ? close + 1 : close;
        return ConsoleWord{command.substr(at + 1, close - at - 1), at, end, true};
    }
    size_t end = at + 1;
    if (!isOneCharacterWord(command[at]))
        while (end < command.size() && !isBlank(command[end]) && command[end] != endOfText &&
               !isOneCharacterWord(command[end]))
            ++end;
    return ConsoleWord{command.substr(at, end - at), at, end, false};
}

std::vector<ConsoleWord> consoleWords(std::string_view command) {
    std::vector<ConsoleWord> words;
    for (auto word = nextWord(command); word; word = nextWord(command, word->end))
        words.push_back(*word);
    return words;
}

std::optional<ConsoleWord> secondWord(std::string_view command) {
    const std::optional<ConsoleWord> first = nextWord(command);
    return first ? nextWord(command, first->end) : std::nullopt;
}

std::string asWritten(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), quote, innerQuote);
    return out;
}

std::optional<AliasLine> aliasLine(std::string_view command) {
    const std::optional<ConsoleWord> first = nextWord(command);
    if (!first || !equalsIgnoreCase(first->text, "alias"))
        return std::nullopt;
    const std::optional<ConsoleWord> name = nextWord(command, first->end);
    if (!name || name->text.empty())
        return std::nullopt;
    return AliasLine{name->text, command.substr(name->end)};
}

KeyCommands firstKeyCommand(std::string_view bind) {
    const size_t end = std::min(bind.find(';'), bind.size());
    size_t next = end;
    while (next < bind.size() && (isBlank(bind[next]) || bind[next] == ';'))
        ++next;
    return KeyCommands{bind.substr(0, end), bind.substr(next)};
}

namespace {

// The kept body, with a double quote inside an unquoted word as `innerQuote` when `written`: a
// quoted word holds none, so a body of one is copied without a pass over it.
std::string body(std::string_view text, bool written) {
    std::optional<ConsoleWord> word = nextWord(text);
    if (word && word->quoted && !nextWord(text, word->end))
        return std::string(trimSpaces(word->text));
    std::string joined;
    for (bool first = true; word; word = nextWord(text, word->end), first = false)
        joined.append(first ? "" : " ").append(word->text);
    if (written)
        std::replace(joined.begin(), joined.end(), quote, innerQuote);
    return std::string(trimBlanks(joined));
}

} // namespace

std::string keptBody(std::string_view text) {
    return body(text, false);
}

std::string commandBody(std::string_view text) {
    return body(text, true);
}

bool mustQuote(std::string_view value) {
    if (value.empty() || commandEnd(value) != value.size() ||
        value.find(endOfText) != std::string_view::npos || value.find(commentMark) != std::string_view::npos)
        return true;
    const std::optional<ConsoleWord> word = nextWord(value);
    return !word || word->quoted || word->begin != 0 || word->end != value.size();
}

} // namespace vantrel
