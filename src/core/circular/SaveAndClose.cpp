// "Save and Close" of the circular-bind window: stores the circular bind in a slot and ties its
// forward and reverse keys to it with markers.
#include "circular/CircularWindowModel.h"

#include "app/Selection.h"
#include "circular/CircularRules.h"
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

// The slots run by a text naming these: those, and in turn every slot their binds name.
SlotSet slotsRun(const CircularTable& table, SlotSet named) {
    SlotSet run;
    while ((named & ~run).any()) {
        const SlotSet fresh = named & ~run;
        run |= fresh;
        for (size_t s = 0; s < slotCount; ++s)
            if (fresh[s])
                for (const std::string& bind : table.slot(static_cast<int>(s) + 1).binds)
                    named |= slotsNamed(bind);
    }
    return run;
}

// A chain whose binds run its own slot, by name or through another slot's binds, runs itself again
// on every step, until the console's buffer overflows. Empty when no bind does.
std::string selfRunMessage(const CircularTable& table, const std::vector<std::string>& binds, int slot) {
    const auto self = static_cast<size_t>(slot - 1);
    const std::string tail = forwardMarker(slot) +
                             ", which this circular bind would be saved as: pressing its key "
                             "would run it again and again. Remove that name first.";
    for (size_t k = 0; k < binds.size(); ++k) {
        const SlotSet named = slotsNamed(binds[k]);
        const std::string box = "Bind " + std::to_string(k + 1) + " names ";
        if (named[self])
            return box + tail;
        for (size_t s = 0; s < slotCount; ++s)
            if (named[s] && slotsRun(table, SlotSet().set(s))[self])
                return box + forwardMarker(static_cast<int>(s) + 1) + ", whose binds run " + tail;
    }
    return {};
}

} // namespace

void CircularWindowModel::Command3_Click() {
    const std::vector<std::string> binds = bindsListFromBoxes(c_.Text);
    std::optional<int> slot = opened_;
    if (!binds.empty()) {
        const std::optional<KeyIndex> selected = editor_.selectedKey(Case::Exact);
        if (!slot)
            slot = firstFreeSlot(editor_, selected, binds);
        const std::string refusal =
            slot ? selfRunMessage(editor_.form6, binds, *slot) : noFreeSlotMessage(editor_, selected, binds);
        if (!refusal.empty()) {
            // The window stays open on what was typed, so that the user can remove the name.
            editor_.prompter->message({refusal, circularBindsTitle});
            return;
        }
    }

    CircularTable& table = editor_.form6;
    table.selectkeyr.clear();
    if (c_.Check1 != checkClear)
        if (const auto key = keyByDisplay(c_.Combo2, Case::Exact))
            table.selectkeyr = std::string(keyTable[*key].id);
    if (table.selectkeyr == forwardKeyOf(editor_))
        table.selectkeyr.clear();
    if (!isListedStart(c_.Combo3))
        startAtFirstBind();

    if (binds.empty()) {
        // Nothing to store: a circular bind opened for editing is deleted, none is made in the
        // blank editor.
        if (opened_)
            deleteSlot(*opened_);
    } else {
        saveSlot(*slot, binds);
    }
    closed_ = true;
}

// The forward key and the reverse key take the slot's markers. A reverse key dropped or changed
// in the window is the user's choice: every key holding the old reverse marker loses it. Whatever
// the two keys held before is theirs no more, and the rules settle the slots it belonged to.
void CircularWindowModel::saveSlot(int n, const std::vector<std::string>& binds) {
    CircularTable& table = editor_.form6;
    CircularSlot& slot = table.slot(n);
    if (!slot.r.empty() && !equalsIgnoreCase(slot.r, table.selectkeyr))
        unbindHolders(reverseMarker(n));
    slot.binds = binds;
    slot.k = forwardKeyOf(editor_);
    slot.r = table.selectkeyr;
    slot.o = encodeOptions(optionsValue(c_.Combo3).value_or(1), endModeOfStopAtEnds(c_.Check2));

    const auto forwardKey = keyById(slot.k, Case::Exact);
    const auto reverseKey = keyById(slot.r, Case::Exact);
    if (forwardKey)
        editor_.bind(*forwardKey) = forwardMarker(n);
    if (reverseKey)
        editor_.bind(*reverseKey) = reverseMarker(n);
    keepCircularRules(editor_, {forwardKey, reverseKey});
    refreshMainWindow();
}

// Deleting a circular bind in the window unbinds every key holding either of its markers.
void CircularWindowModel::deleteSlot(int n) {
    editor_.form6.slot(n).binds.clear();
    unbindHolders(forwardMarker(n));
    unbindHolders(reverseMarker(n));
    keepCircularRules(editor_, {});
    showkeybind(editor_);
    colourkeys(editor_);
}

void CircularWindowModel::unbindHolders(const std::string& marker) {
    for (KeyIndex key : markerHolders(editor_, marker))
        editor_.bind(key).clear();
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
