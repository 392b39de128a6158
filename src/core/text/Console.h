// How the game's console reads a text: where a command, a word and a comment end, and when a value
// must be quoted to reach the game as one word. Every reader of console text asks these rules, so
// the editor never reads a text otherwise than the game runs it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Every byte from 0x01 to the space separates words, tab, vertical tab and carriage return alike.
constexpr bool isBlank(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x01 && byte <= 0x20;
}
// Blanks off the front, or off both ends.
std::string_view skipBlanks(std::string_view text);
std::string_view trimBlanks(std::string_view text);

// The console's one-character words: they end the word before them and stand alone. The game's
// engines differ on ( ) and :, so a word either would split is split.
constexpr bool isOneCharacterWord(char c) {
    switch (c) {
    case '{':
    case '}':
    case '(':
    case ')':
    case '\'':
    case ',':
    case ':':
        return true;
    default:
        return false;
    }
}

// Where the command that starts at `from` ends: at the first ";" outside double quotes (every
// double quote opens or closes), or at the text's end.
size_t commandEnd(std::string_view text, size_t from = 0);

// The commands of a text, each without its ";". A text without a ";" is one command.
std::vector<std::string_view> consoleCommands(std::string_view text);

// One word of a command: its text (a quoted word without its quotes) and where it stands, from its
// opening quote to just past its closing one.
struct ConsoleWord {
    std::string_view text;
    size_t begin;
    size_t end;
    bool quoted;
};

// The command's next word at or after `from`. A blank ends a word; a double quote that begins one
// runs to the next double quote or the end; a "//" that begins a word starts a comment, which holds
// no word; a NUL ends the text the console sees, and so the command's words. None when no word is
// left.
std::optional<ConsoleWord> nextWord(std::string_view command, size_t from = 0);

// Every word of the command, in order.
std::vector<ConsoleWord> consoleWords(std::string_view command);

// Calls `visit` with the text of every word of every command of the text, but for a quoted word,
// whose commands' words it visits in its place: a bind or an alias may run it later.
template <typename Visit> void forEachRunWord(std::string_view text, Visit&& visit) {
    for (std::string_view command : consoleCommands(text))
        for (std::optional<ConsoleWord> word = nextWord(command); word; word = nextWord(command, word->end))
            if (word->quoted)
                forEachRunWord(word->text, visit);
            else
                visit(word->text);
}

// The command's second word: what a setting command such as `rcon_password` sets. None when the
// command has none, and the game then only prints the value it has.
std::optional<ConsoleWord> secondWord(std::string_view command);

// The console has no escape for a double quote inside a quoted word, so a text written between
// double quotes holds this in its place.
constexpr char innerQuote = '\'';

// A text as the saved file holds it between double quotes: every double quote as `innerQuote`. The
// rules that ask what a bind runs read it so, as the game will.
std::string asWritten(std::string_view text);

// `alias <name> ...`: the name as the command's second word, and what follows it. None for any
// other command, and for an empty name.
struct AliasLine {
    std::string_view name;
    std::string_view rest;
};
std::optional<AliasLine> aliasLine(std::string_view command);

// How the game's key event cuts a bind that begins with "+": at each ";", double quotes counting for
// nothing, the blanks and ";" after it skipped. It presses the first command with the key and
// releases it with the key; a command after it is pressed too when it begins with "+", and
// otherwise only run.
struct KeyCommands {
    std::string_view first;
    std::string_view rest; // "" when the bind has no other command
};
KeyCommands firstKeyCommand(std::string_view bind);

// The text `bind` and `alias` keep of the words after the name in one command: a body of
// one quoted word is that word without the spaces at its ends; any other body is its words joined
// by single blanks (a quoted word without its quotes), without blanks at either end, as the game
// joins them. `bind f1 "jump" x` keeps "jump x", `bind f7 echo hi,there` keeps "echo hi , there".
std::string keptBody(std::string_view body);

// The kept body with a double quote inside an unquoted word as `innerQuote`, as the editor will
// write the text: the rules asked of the text then read it as they read the saved file.
std::string commandBody(std::string_view body);

// The longest word the GoldSrc console takes: it drops a longer one and the rest of its command, so
// a text written as one quoted word runs only up to this length.
inline constexpr size_t longestWord = 514;

// True when a value must stand between double quotes for the game to read it as one word that is
// the value itself: it is empty, or the game would cut it into commands or words, or end it at a
// NUL. A "//" anywhere in it is quoted too, which costs nothing where the game reads it as a word.
bool mustQuote(std::string_view value);

} // namespace vantrel
