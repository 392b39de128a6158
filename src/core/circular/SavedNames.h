// The names a saved file lets a text run: the aliases it defines and the circular binds' chains.
// Save and Close follows them to keep a circular bind from running its own chain.
#pragma once

#include "app/Editor.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantrel {

class SavedNames {
  public:
    // The texts each name runs, as the saved file holds them: the kept lines' alias commands, each
    // held key's pair, slot10s, and each slot's binds for the names of its chain.
    explicit SavedNames(const Editor& editor);

    // The first name of the slot's own chain (a marker or a chain line's name) that running the
    // word leads to through the texts those names run; none when it leads to none, and for a word
    // that is itself such a name, which names the chain where it stands.
    std::optional<std::string> leadsTo(std::string_view word, int slot) const;

  private:
    std::unordered_map<std::string, std::vector<std::string>> aliases_; // by lower-case name
    std::array<std::vector<std::string>, slotCount> chains_;            // slot n at slotIndex(n)
};

} // namespace vantrel
