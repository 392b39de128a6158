// What each key's bind line runs, worked out once per Open: its text, read through the own hold
// pairs of keys that it presses.
#pragma once

#include "app/HoldAliasBind.h"
#include "app/KeyReadings.h"
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
    // not follow that key when it is edited. It keeps its text where the pairs it presses loop, where
    // its other commands press something the pair would never release (unless the saved file gives
    // the pair another text), and where it presses its own pair and then other commands.
    const std::optional<std::string>& of(KeyIndex key);

  private:
    std::optional<std::string> filePair(KeyIndex key) const;
    PairText runsInFile(KeyIndex key);
    PairText runsInSavedFile(KeyIndex key);
    PairText heldBind(KeyIndex key);
    std::string read(KeyIndex key, std::string text);
    std::string spelledOut(KeyIndex key, const std::string& text);
    enum class Pairs { File, Saved };
    std::optional<std::string> spelledOut(KeyIndex key, const std::string& text, Pairs pairs);

    const ConfigIndex& file_;
    std::string factor_;
    KeyReadings readings_;
    std::array<std::optional<std::string>, keyCount> text_;
    std::array<std::optional<bool>, keyCount> held_{};
};

} // namespace vantrel
