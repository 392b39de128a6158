#include "circular/SelfRun.h"

#include "cfgwrite/ConfigWriter.h"
#include "circular/BindsList.h"
#include "circular/CircularRules.h"
#include "circular/Markers.h"
#include "circular/SavedNames.h"
#include "text/Console.h"

#include <algorithm>
#include <array>

namespace vantrel {

namespace {

using SelfRuns = std::array<std::optional<SelfRun>, slotCount>; // slot n at slotIndex(n)

// What the word leads to of the slot's own chain, said for the player; "" when nothing.
std::string namedOwnChain(const SavedNames& names, std::string_view word, int slot) {
    if (const std::optional<ChainName> own = chainName(word); own && own->chain.slot == slot)
        return std::string(word);
    if (const std::optional<std::string> to = names.leadsTo(word, slot))
        return std::string(word) + ", which leads to " + *to;
    return {};
}

// For each slot in use, the first of its binds that leads to a name of its own chain in the file
// the editor saves. Each bind is read as the chain's line holds it.
SelfRuns selfRuns(const Editor& editor) {
    SelfRuns runs;
    const SavedNames names(writeConfig(editor));
    for (int n = 1; n <= slotCount; ++n) {
        const CircularSlot& slot = editor.form6.slot(n);
        if (!slot.inUse())
            continue;
        const BindBoxes boxes = boxesFromBindsList(slot.binds);
        for (int k = 1; k <= bindsShown(boxes) && !runs[slotIndex(n)]; ++k) {
            std::string named;
            forEachRunWord(asWritten(boxes[static_cast<size_t>(k - 1)]), [&](std::string_view word) {
                if (named.empty())
                    named = namedOwnChain(names, word, n);
            });
            if (!named.empty())
                runs[slotIndex(n)] = SelfRun{n, k, std::move(named)};
        }
    }
    return runs;
}

} // namespace

bool anySlotInUse(const Editor& editor) {
    const auto& slots = editor.form6.slots;
    return std::any_of(slots.begin(), slots.end(), [](const CircularSlot& slot) { return slot.inUse(); });
}

std::optional<SelfRun> newSelfRun(const Editor& before, const Editor& after, std::optional<int> saving) {
    SelfRuns now = selfRuns(after);
    if (saving && now[slotIndex(*saving)])
        return std::move(now[slotIndex(*saving)]);
    std::optional<SelfRuns> earlier;
    for (int n = 1; n <= slotCount; ++n) {
        if (!now[slotIndex(n)])
            continue;
        if (!earlier)
            earlier = selfRuns(before);
        if (!(*earlier)[slotIndex(n)])
            return std::move(now[slotIndex(n)]);
    }
    return std::nullopt;
}

void sayRefused(const Editor& after, const SelfRun& run) {
    const auto key = keyById(after.form6.slot(run.slot).k, Case::Ignore);
    const std::string whose = key ? "key " + std::string(keyTable[*key].display) + "'s" : "the";
    after.prompter->message({"This would make " + whose + " circular bind (" + forwardMarker(run.slot) +
                                 ") run its own chain from inside itself: its bind " +
                                 std::to_string(run.bind) + " names " + run.named +
                                 ", a name of that chain. Nothing was changed.",
                             circularBindsTitle});
}

} // namespace vantrel
