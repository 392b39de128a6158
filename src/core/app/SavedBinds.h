// Each key's bind as the saved file writes it: read through the pairs it presses, as Open reads a
// bind line, so that the file a Save writes reads back as itself. Save to key and Paste read a text
// given to a key the same way.
#pragma once

#include "app/Editor.h"
#include "app/HoldAliasBind.h"
#include "app/KeyReadings.h"

#include <array>
#include <bitset>
#include <optional>
#include <string>

namespace vantrel {

class SavedBinds {
  public:
    explicit SavedBinds(const Editor& editor) : editor_(editor) {}

    // The key's bind as the file writes it. A bind whose first command presses a pair the file
    // defines (see pair) reads as that pair's press text followed by its other commands, where
    // readThroughPairs spells it out: the key then runs a pair of its own, which does not follow the
    // other key. A key pressing its own pair alone reads as the pair its kept lines define, and
    // with other commands after it keeps its text, as Open reads both.
    const std::string& text(KeyIndex key);
    // Whether the file writes the key's bind as the key's own pair.
    bool held(KeyIndex key);
    // What the file's `+a<key>` runs: the key's bind where the file writes it as the key's pair, or
    // else the pair the kept lines define in the shape the editor writes (a press text of a hold
    // pattern, released by the factor); none where the file defines neither.
    PairText pair(KeyIndex key);

    // A text given to a key now (Save to key, Paste), read through the pairs the file defines for the
    // keys as they are, the key's own among them: the key then keeps running what the text ran.
    std::string throughPairs(const std::string& text);

  private:
    PairText keptPair(KeyIndex key);

    const Editor& editor_;
    KeyReadings readings_;
    std::array<std::optional<std::string>, keyCount> speltOut_; // binds the file writes otherwise
    std::bitset<keyCount> held_;
    // The press texts of the kept lines' pairs, found when first asked for.
    std::optional<std::array<std::optional<std::string>, keyCount>> keptPairs_;
};

} // namespace vantrel
