// "Save and Close" of the circular-bind window: stores the circular bind in a slot and ties its
// forward and reverse keys to it with markers.
#include "circular/CircularWindowModel.h"

#include "app/Selection.h"
#include "circular/CircularRules.h"
#include "circular/Markers.h"
#include "circular/SelfRun.h"
#include "compose/ShowKeyBind.h"

namespace vantrel {

namespace {

// The start box's text as a start the list offers, "1" to "7".
std::optional<long long> listedStart(const std::string& text) {
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '7')
        return text[0] - '0';
    return std::nullopt;
}

std::string forwardKeyOf(const Editor& editor) {
    return editor.selectkey.value_or(std::string());
}

void unbindHolders(Editor& editor, const std::string& marker) {
    for (KeyIndex key : markerHolders(editor, marker))
        editor.bind(key).clear();
}

// The main window shows the forward key selected with its marker, and every key recoloured.
void refreshMainWindow(Editor& editor) {
    const auto remembered = editor.selectkey;
    editor.selectkey = editor.form6.selectkeyr;
    showkeybind(editor);
    colourkeys(editor);
    editor.selectkey = remembered;
    showkeybind(editor);
    colourkeys(editor);
}

// The forward key and the reverse key take the slot's markers. A reverse key dropped or changed
// in the window is the user's choice: every key holding the old reverse marker loses it. Whatever
// the two keys held before is theirs no more, and the rules settle the slots it belonged to.
void saveSlot(Editor& editor, int n, const std::vector<std::string>& binds, std::string o) {
    CircularTable& table = editor.form6;
    CircularSlot& slot = table.slot(n);
    if (!slot.r.empty() && !equalsIgnoreCase(slot.r, table.selectkeyr))
        unbindHolders(editor, reverseMarker(n));
    slot.binds = binds;
    slot.k = forwardKeyOf(editor);
    slot.r = table.selectkeyr;
    slot.o = std::move(o);

    const auto forwardKey = keyById(slot.k, Case::Exact);
    const auto reverseKey = keyById(slot.r, Case::Exact);
    if (forwardKey)
        editor.bind(*forwardKey) = forwardMarker(n);
    if (reverseKey)
        editor.bind(*reverseKey) = reverseMarker(n);
    keepCircularRules(editor, {forwardKey, reverseKey});
    refreshMainWindow(editor);
}

// Deleting a circular bind in the window unbinds every key holding either of its markers.
void deleteSlot(Editor& editor, int n) {
    editor.form6.slot(n).binds.clear();
    unbindHolders(editor, forwardMarker(n));
    unbindHolders(editor, reverseMarker(n));
    keepCircularRules(editor, {});
    showkeybind(editor);
    colourkeys(editor);
}

// A bind that runs the chain it is saved in steps that chain from inside itself, and the game runs
// it again and again until its buffer overflows.
std::string ownSelfRunMessage(const SelfRun& run) {
    return "Bind " + std::to_string(run.bind) + " names " + run.named +
           ", a name of the chain this circular bind is saved as: a bind that runs it would run the chain "
           "again from inside itself. Remove that name first.";
}

} // namespace

void CircularWindowModel::Command3_Click() {
    const std::vector<std::string> binds = bindsListFromBoxes(c_.Text);
    std::optional<int> slot = opened_;
    if (!binds.empty() && !slot) {
        const std::optional<KeyIndex> selected = editor_.selectedKey(Case::Exact);
        slot = firstFreeSlot(editor_, selected, binds);
        if (!slot) {
            // The window stays open on what was typed, so that the user can remove the name.
            editor_.prompter->message({noFreeSlotMessage(editor_, selected, binds), circularBindsTitle});
            return;
        }
    }
    // The saved chain starts at bind 1 when the start lies beyond its binds: the window says so.
    const long long start = savedStart(listedStart(c_.Combo3), bindsShown(boxesFromBindsList(binds)));

    Editor after = editor_;
    CircularTable& table = after.form6;
    table.selectkeyr.clear();
    if (c_.Check1 != checkClear)
        if (const auto key = keyByDisplay(c_.Combo2, Case::Exact))
            table.selectkeyr = std::string(keyTable[*key].id);
    if (table.selectkeyr == forwardKeyOf(after))
        table.selectkeyr.clear();
    if (binds.empty()) {
        // Nothing to store: a circular bind opened for editing is deleted, none is made in the
        // blank editor.
        if (opened_)
            deleteSlot(after, *opened_);
    } else {
        saveSlot(after, *slot, binds, encodeOptions(start, endModeOfStopAtEnds(c_.Check2)));
    }
    const std::optional<int> saving = binds.empty() ? std::nullopt : slot;
    if (const std::optional<SelfRun> run = newSelfRun(editor_, after, saving)) {
        if (run->slot == saving)
            editor_.prompter->message({ownSelfRunMessage(*run), circularBindsTitle});
        else
            sayRefused(after, *run);
        return;
    }
    editor_ = std::move(after);
    c_.Combo3 = std::to_string(start);
    closed_ = true;
}

} // namespace vantrel
