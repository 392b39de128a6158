// One opened file in memory: its command lines, indexed once so that each key's bind and each
// hold alias is found without scanning the file again, and what the key reads leave for the
// settings pass.
#pragma once

#include "cfgread/ConfigLines.h"
#include "circular/CircularTable.h"
#include "keys/KeyTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class ConfigIndex {
  public:
    explicit ConfigIndex(std::string bytes);

    const ConfigLines& lines() const { return lines_; }
    // The key's last bind line: the one the game uses. None when an `unbind` of the key or an
    // `unbindall` comes after it, since the game leaves the key unbound.
    std::optional<size_t> bindLine(KeyIndex key) const { return at(lastBind_[key]); }
    // The last `alias +a<suffix>` line of the key's own hold alias.
    std::optional<size_t> pressAliasLine(KeyIndex key) const { return at(lastPress_[key]); }
    // The last `alias -a<suffix>` line of the key's own hold alias.
    std::optional<size_t> releaseAliasLine(KeyIndex key) const { return at(lastRelease_[key]); }
    // Whether the line is a bind line of some key of the key table.
    bool isKeyBindLine(size_t line) const { return lineKey_[line] != none; }
    // The key whose own press or release alias the line defines.
    std::optional<KeyIndex> ownAliasKey(size_t line) const { return at(aliasKey_[line]); }

    // Set by the key reads: the key's hold alias pair is rebuilt from its bind, so the settings
    // pass drops the pair's two alias lines.
    std::array<bool, kKeyCount> pairTaken{};
    // Set after the key reads: [slot - 1][reverse] is true when the writer writes that chain
    // again, so the settings pass drops its lines.
    std::array<std::array<bool, 2>, kSlotCount> chainTaken{};

  private:
    using Slot = std::int32_t;
    static constexpr Slot none = -1;
    static std::optional<size_t> at(Slot s) {
        return s == none ? std::nullopt : std::optional<size_t>(static_cast<size_t>(s));
    }

    ConfigLines lines_;
    std::vector<Slot> lineKey_;  // per line: the key it binds, or none
    std::vector<Slot> aliasKey_; // per line: the key whose own hold alias it defines, or none
    std::array<Slot, kKeyCount> lastBind_;
    std::array<Slot, kKeyCount> lastPress_;
    std::array<Slot, kKeyCount> lastRelease_;
};

} // namespace vantrel
