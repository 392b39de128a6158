// The last stage of File Open: the ten circular-bind slots rebuilt from the file's alias chains,
// and which of those chain lines are the editor's own.
#pragma once

#include "app/Editor.h"
#include "cfgread/ConfigIndex.h"
#include "circular/Markers.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace vantrel {

// A slot's forward chain alias lines in the opened file, views of its lines in file order: the
// start lines and the lines at each k. The reverse chain is never read back; the writer builds it
// from the forward one.
struct ForwardChainLines {
    std::vector<std::string_view> starts;
    std::array<std::vector<std::string_view>, lastLine + 1> atLine; // line k at k; none at 0
    bool hasLine = false;                                           // a line at some k
};
using ForwardChains = std::array<ForwardChainLines, slotCount>; // slot n at slotIndex(n)

// Every slot's forward chain lines, from one pass over the file.
[[nodiscard]] ForwardChains forwardChains(const ConfigIndex& file);

// Which of a slot's two chains the writer writes again, so Open drops their lines.
struct TakenChain {
    bool forward = false;
    bool reverse = false;
};
using TakenChains = std::array<TakenChain, slotCount>; // slot n at slotIndex(n)

// After the key reads: slot n's forward chain is taken when a key holds its forward marker
// (letter case ignored) and the file has its start line and a line of it (the writer writes a
// chain only for such a slot); its reverse chain when, besides, a key holds the reverse marker.
// Every other chain line stays a kept line, so a file whose chains the editor does not rebuild
// goes on working.
[[nodiscard]] TakenChains takeOwnChains(const Editor& editor, const ForwardChains& chains);

// True when the alias line is a line of a taken chain.
bool isTakenChainLine(const TakenChains& chains, std::string_view line);

// Rebuilds each slot whose forward chain was taken: its start, binds list and end mode. The other
// slots stay free. The circular rules that end Open name each slot's forward and reverse keys.
void readcircularbinds(Editor& editor, const ForwardChains& chains, const TakenChains& taken);

} // namespace vantrel
