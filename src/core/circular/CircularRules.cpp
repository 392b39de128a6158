#include "circular/CircularRules.h"

#include "app/Selection.h"
#include "circular/Markers.h"

#include <algorithm>
#include <vector>

namespace vantrel {

namespace {

enum class Unbinding { ReverseHolders, None };

bool names(const std::vector<KeyIndex>& keys, std::string_view id) {
    return std::any_of(keys.begin(), keys.end(), [id](KeyIndex key) { return keyTable[key].id == id; });
}

// The same start, with the end mode a slot of the other kind takes: a one-way slot wraps, and so
// does a one-way slot that becomes two-way.
std::string withEndMode(const std::string& o, EndMode state) {
    return encodeOptions(decodeOptions(o).start, state);
}

// Returns true when a key other than those acted on lost its bind.
bool keepRules(Editor& editor, Unbinding unbinding, std::initializer_list<std::optional<KeyIndex>> actedOn) {
    bool unboundOther = false;
    for (int n = 1; n <= slotCount; ++n) {
        CircularSlot& slot = editor.form6.slot(n);
        if (!slot.inUse()) {
            slot = CircularSlot{};
            continue;
        }
        const std::vector<KeyIndex> forward = markerHolders(editor, forwardMarker(n));
        const std::vector<KeyIndex> reverse = markerHolders(editor, reverseMarker(n));
        if (forward.empty()) {
            slot = CircularSlot{};
            if (unbinding == Unbinding::None)
                continue;
            for (KeyIndex key : reverse) {
                if (std::find(actedOn.begin(), actedOn.end(), key) != actedOn.end())
                    continue;
                editor.bind(key).clear();
                unboundOther = true;
            }
            continue;
        }
        if (!names(forward, slot.k))
            slot.k = keyTable[forward.front()].id;
        if (reverse.empty()) {
            slot.o = withEndMode(slot.o, EndMode::OneWay);
            slot.r.clear();
        } else if (!names(reverse, slot.r)) {
            if (slot.r.empty() && decodeOptions(slot.o).state == EndMode::OneWay)
                slot.o = withEndMode(slot.o, EndMode::Wrap);
            slot.r = keyTable[reverse.front()].id;
        }
    }
    return unboundOther;
}

} // namespace

void keepCircularRules(Editor& editor, std::initializer_list<std::optional<KeyIndex>> actedOn) {
    if (keepRules(editor, Unbinding::ReverseHolders, actedOn))
        colourkeys(editor);
}

void keepCircularRulesAfterOpen(Editor& editor) {
    keepRules(editor, Unbinding::None, {});
}

std::vector<KeyIndex> markerHolders(const Editor& editor, std::string_view marker) {
    std::vector<KeyIndex> keys;
    for (KeyIndex key : identifierOrder())
        if (equalsIgnoreCase(editor.bind(key), marker))
            keys.push_back(key);
    return keys;
}

std::optional<int> firstFreeSlot(const Editor& editor, std::optional<KeyIndex> ignored) {
    SlotSet named;
    for (KeyIndex key = 0; key < keyCount; ++key)
        if (key != ignored)
            named |= slotsNamed(editor.bind(key));
    for (const std::string& line : editor.ssettings)
        named |= slotsNamed(line);
    for (int n = 1; n <= slotCount; ++n)
        if (!editor.form6.slot(n).inUse() && !named[static_cast<size_t>(n - 1)])
            return n;
    return std::nullopt;
}

} // namespace vantrel
