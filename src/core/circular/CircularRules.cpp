#include "circular/CircularRules.h"

#include "app/Selection.h"
#include "circular/Markers.h"
#include "circular/Options.h"
#include "text/Console.h"

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

std::array<std::string, slotCount> slotNameUses(const Editor& editor, std::optional<KeyIndex> selected,
                                                const std::vector<std::string>& windowBinds) {
    std::array<std::string, slotCount> uses;
    const auto note = [&uses](std::string_view text, const auto& where) {
        const SlotSet named = slotsNamed(text);
        for (size_t s = 0; s < uses.size(); ++s)
            if (named[s] && uses[s].empty())
                uses[s] = where();
    };
    // Kept lines and rcon lines are written as they stand; every other text between double quotes.
    const auto noteWritten = [&note](std::string_view text, const auto& where) {
        note(asWritten(text), where);
    };
    const auto keyName = [](KeyIndex key) { return "key " + std::string(keyTable[key].display); };
    for (size_t k = 0; k < windowBinds.size(); ++k)
        noteWritten(windowBinds[k], [k] { return "bind " + std::to_string(k + 1) + " of this window"; });
    for (KeyIndex key : identifierOrder())
        if (key != selected)
            noteWritten(editor.bind(key), [&] { return keyName(key) + "'s bind"; });
    for (const std::string& line : editor.ssettings)
        note(line, [] { return std::string("a kept line of the opened file"); });
    noteWritten(editor.slot10s, [] { return std::string("the Slot10 string"); });
    note(editor.srconport, [] { return std::string("the rcon port line"); });
    note(editor.srconpass, [] { return std::string("the rcon password line"); });
    // The slot the selected key alone starts is freed when Save and Close gives the key another.
    int freed = 0;
    if (const auto own = selected ? findMarker(editor.bind(*selected)) : std::nullopt)
        if (!own->reverse && markerHolders(editor, forwardMarker(own->slot)).size() == 1)
            freed = own->slot;
    for (int n = 1; n <= slotCount; ++n) {
        if (n == freed)
            continue;
        const CircularSlot& slot = editor.form6.slot(n);
        const auto holder = keyById(slot.k, Case::Ignore);
        for (const std::string& bind : slot.binds)
            noteWritten(bind, [&] {
                return "a bind of " + (holder ? keyName(*holder) + "'s" : "another") + " circular bind";
            });
    }
    return uses;
}

std::optional<int> firstFreeSlot(const Editor& editor, std::optional<KeyIndex> selected,
                                 const std::vector<std::string>& windowBinds) {
    const std::array<std::string, slotCount> uses = slotNameUses(editor, selected, windowBinds);
    for (int n = 1; n <= slotCount; ++n)
        if (!editor.form6.slot(n).inUse() && uses[slotIndex(n)].empty())
            return n;
    return std::nullopt;
}

std::string noFreeSlotMessage(const Editor& editor, std::optional<KeyIndex> selected,
                              const std::vector<std::string>& windowBinds) {
    const auto& slots = editor.form6.slots;
    const auto inUse =
        std::count_if(slots.begin(), slots.end(), [](const CircularSlot& s) { return s.inUse(); });
    if (inUse == slotCount)
        return "All ten circular binds are in use. Clear one with Clear Key first.";
    const std::array<std::string, slotCount> uses = slotNameUses(editor, selected, windowBinds);
    const bool one = slotCount - inUse == 1;
    std::string text = "No circular bind is free: " + std::to_string(inUse) + " of the ten " +
                       (inUse == 1 ? "is" : "are") + " in use, and the " + (one ? "other is" : "others are") +
                       " named elsewhere:\n";
    for (int n = 1; n <= slotCount; ++n)
        if (!editor.form6.slot(n).inUse())
            text += forwardMarker(n) + " is named in " + uses[slotIndex(n)] + "\n";
    const std::string names = one ? "that name" : "one of those names";
    return text + (inUse == 0 ? "Remove " + names : "Clear one with Clear Key, or remove " + names) +
           " first.";
}

} // namespace vantrel
