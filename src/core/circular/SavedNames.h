// The names a saved file lets a text run: the aliases it defines, each as its last definition
// leaves it. The rule that keeps a circular bind from running its own chain follows them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantrel {

class SavedNames {
  public:
    // The alias commands of the file's lines, read as the game runs the file: a later definition
    // of a name replaces an earlier one, and a body keeps what the game keeps of it. An alias
    // command inside a text the game may run later (a bind, an alias's body, a quoted word) can
    // define its name whenever that runs: the name may run that body too.
    explicit SavedNames(std::string_view savedFile);

    // The first name of the slot's own chain (a marker or a chain line's name) that the file
    // defines and running the word leads to, through the texts the file's aliases run; none when it
    // leads to none, and for a word that is itself such a name, which names the chain where it
    // stands.
    std::optional<std::string> leadsTo(std::string_view word, int slot) const;

  private:
    void noteRunTimeAliases(std::string_view text);

    // The texts each name may run, by lower-case name: the file's last definition of it and those
    // its texts make when they run.
    std::unordered_map<std::string, std::vector<std::string>> aliases_;
};

} // namespace vantrel
