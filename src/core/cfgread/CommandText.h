// Reading one command line as the game reads it: which key a bind line binds, the hold alias
// name it names, its bind text, and an alias line's name and body.
#pragma once

#include "keys/KeyTable.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// A bind line of a key of the key table: `bind <key> <body>`, the key named by a word of the
// command, bare or between double quotes. `rest` begins at the body's first word. A line without a
// body only shows the key's bind in the game, and is none.
struct KeyBindLine {
    KeyIndex key;
    std::string_view rest;
};
std::optional<KeyBindLine> keyBindLine(std::string_view line);

// The key whose own hold alias (`+a<suffix>`, letter case ignored) a bind text presses with its
// first word; what follows that word does not change what the key holds down.
std::optional<KeyIndex> pressedOwnAlias(std::string_view text);

// `alias <name> ...`: the name as the game's second word of the command, and what follows it.
struct AliasLine {
    std::string_view name;
    std::string_view rest;
};
std::optional<AliasLine> aliasLine(std::string_view line);

// The key an `unbind` line leaves unbound: exactly one key name as the game names keys (letter
// case ignored, but a one-letter name in lower case only), bare or between double quotes, with no
// other word after it (the game ignores an unbind with a second word).
std::optional<KeyIndex> unbindLine(std::string_view line);
// True for an `unbindall` line, which leaves every key bound before it unbound.
bool isUnbindAllLine(std::string_view line);

// The key whose own hold alias (`+a<suffix>` or `-a<suffix>`, letter case ignored) the alias name is.
std::optional<KeyIndex> ownHoldAliasKey(std::string_view aliasName);

// The key's own hold alias name: "a" and its alias suffix.
std::string ownHoldAliasName(KeyIndex key);

} // namespace vantrel
