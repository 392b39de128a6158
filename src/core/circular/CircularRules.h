// The one place that keeps the circular-bind table and the key store in step after any change of
// key binds, and the free-slot search that follows the same meaning of "holding a marker".
#pragma once

#include "app/Editor.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// After a user's action on the keys named (Save to key, Paste, Clear Key, Save and Close):
// - a slot in use that no key holds the forward marker of is freed, and every other key holding
//   its reverse marker is unbound; the keys acted on keep the text they were given;
// - a slot's forward key is a key holding its forward marker, the first in identifier order when
//   the one it named no longer does;
// - a slot is two-way exactly while a key holds its reverse marker, its reverse key one of them;
//   a slot without one is one-way, whatever its end mode was, so that a reverse key given later
//   makes it wrap, whether the slot came from the window or from a file;
// - a free slot keeps no forward key, reverse key or options.
// Every key is repainted when another key than those acted on lost its bind.
void keepCircularRules(Editor& editor, std::initializer_list<std::optional<KeyIndex>> actedOn);

// The same at the end of Open, which unbinds nothing: a key holding a marker of a slot that no
// key starts keeps that marker as plain text.
void keepCircularRulesAfterOpen(Editor& editor);

// The keys whose bind is the marker, letter case ignored as the writer and the game compare, in
// identifier order.
std::vector<KeyIndex> markerHolders(const Editor& editor, std::string_view marker);

// Where each slot's name stands: for slot n at slotIndex(n), the first text the saved file will hold that
// names a marker or chain line of it (see slotsNamed), said for the player ("key Z's bind"); empty
// when none does. A new circular bind in that slot would run for that text, or itself, or overwrite
// its alias. The texts are the binds the window saves ("bind 2 of this window"), every key's bind,
// every kept line, the Slot10 string, the rcon lines and every circular bind's binds, but for the
// selected key's bind and the binds of the slot only it starts, which Save and Close replaces.
std::array<std::string, slotCount> slotNameUses(const Editor& editor, std::optional<KeyIndex> selected,
                                                const std::vector<std::string>& windowBinds = {});

// The lowest slot a new circular bind can take: no binds, and its name used by none of those texts.
// None when there is no such slot.
std::optional<int> firstFreeSlot(const Editor& editor, std::optional<KeyIndex> selected,
                                 const std::vector<std::string>& windowBinds = {});

// Why no slot can be taken: how many are in use, and where the others' names are used.
std::string noFreeSlotMessage(const Editor& editor, std::optional<KeyIndex> selected,
                              const std::vector<std::string>& windowBinds = {});

// The title of the messages that refuse a circular bind.
inline constexpr const char* circularBindsTitle = "Circular binds";

} // namespace vantrel
