// Reading one command line as the game reads it: which key a bind line binds, the hold alias
// name it names, its bind text, and an alias line's name and body.
#pragma once

#include "keys/KeyTable.h"

#include <optional>
#include <string_view>

namespace vantrel {

// A bind line of a key of the key table: `bind <key> ...` or `bind "<key>" ...`, with exactly one
// space after bind and after the key name (its closing quote). `rest` follows that space.
struct KeyBindLine {
    KeyIndex key;
    std::string_view rest;
};
std::optional<KeyBindLine> keyBindLine(std::string_view line);

// The hold alias name of a hold bind line, from the rest after the key name: a "+" or a quote and
// "+" first, then the name up to a space, a tab or a double quote, or a ";" when the "+" stands
// outside quotes. No value when the rest is no hold command.
std::optional<std::string_view> holdAliasName(std::string_view rest);

// A bind or alias body as the game reads it, from what follows the key or alias name: after spaces
// and tabs, a quoted text up to the next double quote (or the end) without spaces at its ends, or
// else the text up to the first ";" or a "//" that begins a word, without spaces and tabs at its ends.
std::string_view commandBody(std::string_view rest);

// `alias <name> ...`: the name up to a space or a tab, as the game ends it, and what follows it.
struct AliasLine {
    std::string_view name;
    std::string_view rest;
};
std::optional<AliasLine> aliasLine(std::string_view line);

// The key an `unbind` line leaves unbound: exactly one key name as the game names keys (letter
// case ignored, but a one-letter name in lower case only), bare or between double quotes, after
// spaces or tabs, with nothing after it but blanks and a "//" comment (the game ignores an unbind
// with a second word).
std::optional<KeyIndex> unbindLine(std::string_view line);
// True for an `unbindall` line, which leaves every key bound before it unbound.
bool isUnbindAllLine(std::string_view line);

// The key whose own hold alias (`+a<suffix>` or `-a<suffix>`, letter case ignored) the alias name is.
std::optional<KeyIndex> ownHoldAliasKey(std::string_view aliasName);

// The key's own hold alias name: "a" and its alias suffix.
std::string ownHoldAliasName(KeyIndex key);

} // namespace vantrel
