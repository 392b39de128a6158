// What each key's bind line runs, worked out once per Open: its text, read through the own hold
// pairs of keys that it presses.
#pragma once

#include "cfgread/ConfigIndex.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

class BindTexts {
  public:
    // `factor` is the release the file's own pairs run.
    BindTexts(const ConfigIndex& file, std::string_view factor) : file_(file), factor_(factor) {}

    // The key's bind as Open reads it; none when the file leaves the key unbound. A text whose first
    // command presses a key's own hold pair reads as that pair's press text followed by its other
    // commands, so that a key bound to another key's pair is written with a pair of its own and does
    // not follow that key when it is edited. It keeps its text where the pairs it presses loop, or
    // where its other commands press something the pair would never release, unless the saved file
    // gives the pair another text.
    const std::optional<std::string>& of(KeyIndex key);

  private:
    enum class State : unsigned char { Unread, Reading, Read };
    // A pair's press text, or none; `looped` when finding it asked for a bind still being read.
    struct Found {
        std::optional<std::string> text;
        bool looped = false;
    };

    std::optional<std::string> filePair(KeyIndex key) const;
    Found runsInFile(KeyIndex key);
    Found runsInSavedFile(KeyIndex key);
    Found heldBind(KeyIndex key);
    std::string read(std::string text);

    const ConfigIndex& file_;
    std::string factor_;
    std::array<State, keyCount> state_{};
    std::array<std::optional<std::string>, keyCount> text_;
    std::array<bool, keyCount> held_{};
};

} // namespace vantrel
