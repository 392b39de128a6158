// Reading one command line as the game reads it: which key a bind line binds and its bind text,
// and which keys an unbind line leaves unbound.
#pragma once

#include "keys/KeyTable.h"
#include "text/Console.h"

#include <optional>
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

// The key an `unbind` line leaves unbound: exactly one key name as the game names keys (letter
// case ignored, but a one-letter name in lower case only), bare or between double quotes, with no
// other word after it (the game ignores an unbind with a second word).
std::optional<KeyIndex> unbindLine(std::string_view line);
// True for an `unbindall` line, which leaves every key bound before it unbound.
bool isUnbindAllLine(std::string_view line);

} // namespace vantrel
