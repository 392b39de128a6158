// One opened file in memory: its command lines, indexed once so that each key's bind and each
// hold alias is found without scanning the file again.
#pragma once

#include "cfgread/ConfigLines.h"
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

  private:
    // A line or key index in four bytes, or none: the per-line tables of a large file stay small.
    using CompactIndex = std::int32_t;
    static constexpr CompactIndex none = -1;
    static std::optional<size_t> at(CompactIndex s) {
        return s == none ? std::nullopt : std::optional<size_t>(static_cast<size_t>(s));
    }

    ConfigLines lines_;
    std::vector<CompactIndex> lineKey_;  // per line: the key it binds, or none
    std::vector<CompactIndex> aliasKey_; // per line: the key whose own hold alias it defines, or none
    std::array<CompactIndex, keyCount> lastBind_;
    std::array<CompactIndex, keyCount> lastPress_;
    std::array<CompactIndex, keyCount> lastRelease_;
};

} // namespace vantrel
