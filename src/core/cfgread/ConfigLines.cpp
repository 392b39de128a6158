#include "cfgread/ConfigLines.h"

#include "text/Console.h"
#include "text/Text.h"

namespace vantrel {

namespace {

constexpr char cr = '\r';
constexpr char lf = '\n';

// The commands the reader takes out of their line: those it reads, and every command that changes
// a key's bind, so it is read in the order the game runs it.
bool isReadCommand(std::string_view command) {
    const std::optional<ConsoleWord> first = nextWord(command);
    if (!first)
        return false;
    for (std::string_view word : {"bind", "alias", "unbind", "unbindall", "rcon_port", "rcon_password"})
        if (equalsIgnoreCase(first->text, word))
            return true;
    return false;
}

// `bind ; ...`: the semicolon key named bare, as files written for the game's binds name it; the
// ";" is the key's name, not the end of the command.
bool namesSemicolonKey(std::string_view line, size_t command, size_t end) {
    constexpr std::string_view bindWord = "bind";
    const std::string_view before = skipBlanks(line.substr(command, end - command));
    return end < line.size() && before.size() > bindWord.size() && startsWithIgnoreCase(before, bindWord) &&
           skipBlanks(before.substr(bindWord.size())).empty() &&
           (end + 1 == line.size() || isBlank(line[end + 1]));
}

} // namespace

std::vector<std::string_view> textLines(std::string_view bytes) {
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != cr && bytes[i] != lf)
            continue;
        out.push_back(bytes.substr(start, i - start));
        if (bytes[i] == cr && i + 1 < bytes.size() && bytes[i + 1] == lf)
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        out.push_back(bytes.substr(start));
    return out;
}

bool isCommand(std::string_view line, std::string_view word) {
    const std::optional<ConsoleWord> first = nextWord(line);
    return first && equalsIgnoreCase(first->text, word);
}

ConfigLines::ConfigLines(std::string bytes) : bytes_(std::move(bytes)) {
    const std::vector<std::string_view> text = textLines(bytes_);
    lines_.reserve(text.size());
    for (std::string_view line : text) {
        size_t kept = 0; // where the commands not yet taken out begin
        for (size_t at = 0;;) {
            size_t end = commandEnd(line, at);
            if (namesSemicolonKey(line, at, end))
                end = commandEnd(line, end + 1);
            const std::string_view command = line.substr(at, end - at);
            if (isReadCommand(command)) {
                if (at > kept)
                    lines_.push_back(skipBlanks(line.substr(kept, at - 1 - kept)));
                lines_.push_back(skipBlanks(command));
                kept = end + 1;
            }
            if (end == line.size())
                break;
            at = end + 1;
        }
        if (kept <= line.size())
            lines_.push_back(skipBlanks(line.substr(kept)));
    }
}

} // namespace vantrel
