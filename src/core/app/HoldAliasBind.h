// Which binds are held rather than pressed: the writer writes them as a press and release alias
// pair, and the reader takes such a pair back apart. And what a bind runs that presses a key's own
// pair: the reader and the key store follow it the same way.
#pragma once

#include "keys/KeyTable.h"
#include "text/Console.h"

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// Binds that open a game menu or the chat line: written as a press and release alias pair, so
// that releasing the key runs slot10 and closes the menu. Letter case is ignored.
inline constexpr std::array<std::string_view, 5> holdAliasPatterns = {
    "*buy;menuselect*", "*buyequip*", "*radio?;menuselect*", "*radio?; menuselect*", "*say*"};

// True when the bind matches one of the patterns: every pair the editor has written holds such a
// press text, so the reader takes a pair with one back apart.
bool matchesHoldPattern(std::string_view bind);

// True for a pair in the shape the editor writes: a press text of a hold pattern, released by the
// factor. Open takes such a pair for the key's own and writes it anew.
bool isEditorsPair(std::string_view pressText, std::string_view releaseText, std::string_view factor);

// True when one of the text's commands, as the saved file holds it, begins with "+".
bool pressesSomething(std::string_view text);

// True when the writer writes the bind as a pair: it matches a pattern and presses nothing. A
// command that begins with "+" would be pressed inside the pair and never released, so such a bind
// is written plain and the game releases it with the key.
bool isHoldAliasBind(std::string_view bind);

// The key's own hold alias name: "a" and its alias suffix, after "+" or "-".
std::string ownHoldAliasName(KeyIndex key);
// The key whose own hold alias (`+a<suffix>` or `-a<suffix>`, letter case ignored) the alias name is.
std::optional<KeyIndex> ownHoldAliasKey(std::string_view aliasName);

// A bind whose first command, as the key event cuts it, presses a key's own hold alias `+a<suffix>`
// (arguments after the name change nothing): the key, and the bind's other commands.
struct PairPress {
    KeyIndex key;
    std::string_view rest;
};
std::optional<PairPress> pressedPair(std::string_view bind);

// What such a bind runs, spelt out: the press text of the pair, then the bind's other commands.
std::string inPlaceOfPress(std::string_view pressText, std::string_view rest);

// What a key's pair runs where a text is read: its press text, or none where no pair of the key is
// defined; `looped` where finding it ran into the text being read.
struct PairText {
    std::optional<std::string> text;
    bool looped = false;
};

// A text read through the pairs it presses, one press after another, each pressed pair's press text
// in its place (inPlaceOfPress): `runs(key)` says what the key's pair runs where the text is read,
// `runsSaved(key)` what it runs in the saved file. The text keeps pressing a pair, as long as the
// saved file's pair runs the same, where its other commands press something the pair's release
// would leave held down, and where the text spelt out would be a word the game drops. None where
// the pairs loop.
template <typename Runs, typename RunsSaved>
std::optional<std::string> readThroughPairs(std::string text, Runs&& runs, RunsSaved&& runsSaved) {
    std::bitset<keyCount> followed;
    while (const std::optional<PairPress> press = pressedPair(text)) {
        if (followed[press->key])
            return std::nullopt;
        followed.set(press->key);
        const PairText pair = runs(press->key);
        if (pair.looped)
            return std::nullopt;
        if (!pair.text)
            return text;
        std::string next = inPlaceOfPress(*pair.text, press->rest);
        if (pressesSomething(press->rest) || next.size() > longestWord) {
            const PairText saved = runsSaved(press->key);
            if (saved.looped)
                return std::nullopt;
            if (saved.text == pair.text)
                return text;
        }
        text = std::move(next);
    }
    return text;
}

} // namespace vantrel
