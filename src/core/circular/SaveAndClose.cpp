// "Save and Close" of the circular-bind window: stores the circular bind in a slot and ties its
// forward and reverse keys to it with markers.
#include "circular/CircularWindowModel.h"

#include "app/Selection.h"
#include "circular/ClearCircularBind.h"
#include "circular/Markers.h"
#include "compose/ShowKeyBind.h"

namespace vantrel {

namespace {

bool isListedStart(const std::string& text) {
    return text.size() == 1 && text[0] >= '1' && text[0] <= '7';
}

std::string forwardKeyOf(const Editor& editor) {
    return editor.selectkey.value_or(std::string());
}

} // namespace

void CircularWindowModel::Command3_Click() {
    CircularTable& table = editor_.form6;
    table.selectkeyr.clear();
    if (c_.Check1 != kClear)
        if (const auto key = keyByDisplay(c_.Combo2, Case::Exact))
            table.selectkeyr = std::string(keyTable[*key].id);
    if (table.selectkeyr == forwardKeyOf(editor_))
        table.selectkeyr.clear();

    const std::vector<std::string> binds = bindsListFromBoxes(c_.Text);
    if (!isListedStart(c_.Combo3))
        c_.Combo3 = std::string("1"); // a literal trips a false -Wrestrict in GCC 12 (bug 105329)

    const auto opened = forwardMarkerSlot(editor_.cbind, Case::Exact);
    if (binds.empty()) {
        // Nothing to store: a circular bind opened for editing is deleted, none is made in the
        // blank editor. No key is left holding the marker of a free slot.
        if (opened)
            deleteSlot(*opened);
    } else if (const auto slot = opened ? opened : firstFreeSlot(table)) {
        saveSlot(*slot, binds);
    }
    closed_ = true;
}

void CircularWindowModel::saveSlot(int n, const std::vector<std::string>& binds) {
    CircularTable& table = editor_.form6;
    CircularSlot& slot = table.slot(n);
    slot.binds = binds;
    slot.k = forwardKeyOf(editor_);
    slot.r = table.selectkeyr;
    slot.o = encodeOptions(optionsValue(c_.Combo3).value_or(1), static_cast<EndMode>(c_.Check2));

    if (const auto key = keyById(slot.k, Case::Exact)) {
        leaveOtherReverseEnds(n, slot.k);
        editor_.bind(*key) = forwardMarker(n);
    }
    detachReverseKey(n);
    if (const auto key = keyById(table.selectkeyr, Case::Exact))
        editor_.bind(*key) = reverseMarker(n);
    refreshMainWindow();
}

// The forward key may still be named as another circular bind's reverse key (its reverse marker
// was replaced in the main window since). That bind becomes one-way, as Clear Key on its reverse
// key makes it: left naming the key, deleting it later would clear the key's new marker.
void CircularWindowModel::leaveOtherReverseEnds(int n, const std::string& forwardKey) {
    for (int m = 1; m <= kSlotCount; ++m)
        if (m != n && equalsIgnoreCase(editor_.form6.slot(m).r, forwardKey))
            editor_.form6.slot(m).r.clear();
}

// The slot's previous reverse key (in lookup since the opening) loses its marker when the reverse
// key changes, and a newly chosen reverse key that belonged to another circular bind is taken
// from it: that bind becomes one-way (reverse marker) or is deleted (forward marker).
void CircularWindowModel::detachReverseKey(int n) {
    CircularTable& table = editor_.form6;
    const std::string previous = table.lookup;
    if (previous == forwardKeyOf(editor_) || table.selectkeyr == previous)
        return;
    std::string bind;
    if (const auto key = keyById(table.selectkeyr, Case::Exact))
        bind = editor_.bind(*key);
    if (const auto other = findMarker(bind, Case::Exact); other && other->reverse && other->slot != n)
        table.slot(other->slot).r.clear();
    // A copy of this slot's own forward marker must not delete the circular bind just stored.
    if (forwardMarkerSlot(bind, Case::Ignore) == n)
        bind.clear();
    const auto remembered = editor_.selectkey;
    editor_.selectkey = previous;
    clearcircularbind(editor_, bind);
    editor_.selectkey = remembered;
}

void CircularWindowModel::deleteSlot(int n) {
    CircularSlot& slot = editor_.form6.slot(n);
    slot.binds.clear();
    const std::string forward = forwardMarker(n);
    const std::string reverse = reverseMarker(n);
    for (std::string& bind : editor_.store)
        if (bind == forward || bind == reverse)
            bind.clear();
    slot.r.clear();
    showkeybind(editor_);
    colourkeys(editor_);
}

// The main window shows the forward key selected with its marker, and every key recoloured.
void CircularWindowModel::refreshMainWindow() {
    const auto remembered = editor_.selectkey;
    editor_.selectkey = editor_.form6.selectkeyr;
    showkeybind(editor_);
    colourkeys(editor_);
    editor_.selectkey = remembered;
    showkeybind(editor_);
    colourkeys(editor_);
}

} // namespace vantrel
