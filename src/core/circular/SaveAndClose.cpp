// "Save and Close" of the circular-bind window: stores the circular bind in a slot and ties its
// forward and reverse keys to it with markers.
#include "circular/CircularWindowModel.h"

#include "app/Selection.h"
#include "circular/CircularRules.h"
#include "circular/Markers.h"
#include "circular/SavedNames.h"
#include "compose/ShowKeyBind.h"
#include "text/Console.h"

namespace vantrel {

namespace {

bool isListedStart(const std::string& text) {
    return text.size() == 1 && text[0] >= '1' && text[0] <= '7';
}

std::string forwardKeyOf(const Editor& editor) {
    return editor.selectkey.value_or(std::string());
}

// A bind that runs the chain it is saved in steps that chain from inside itself, and the game runs
// it again and again until its buffer overflows. Each box is refused that names the chain, the
// marker or a line's name, or a name the saved file lets it run that leads to one. Empty when none
// does.
std::string selfRunMessage(const Editor& editor, const std::vector<std::string>& binds, int slot) {
    const SavedNames names(editor);
    for (size_t k = 0; k < binds.size(); ++k) {
        std::string named;
        forEachRunWord(asWritten(binds[k]), [&](std::string_view word) {
            if (!named.empty())
                return;
            if (const std::optional<ChainName> own = chainName(word); own && own->chain.slot == slot)
                named = word;
            else if (const std::optional<std::string> to = names.leadsTo(word, slot))
                named = std::string(word) + ", which leads to " + *to;
        });
        if (!named.empty())
            return "Bind " + std::to_string(k + 1) + " names " + named +
                   ", a name of the chain this circular bind is saved as: a bind that runs it would run the "
                   "chain again from inside itself. Remove that name first.";
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
            slot ? selfRunMessage(editor_, binds, *slot) : noFreeSlotMessage(editor_, selected, binds);
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
    // The saved chain starts at bind 1 when the start lies beyond its binds: the window says so.
    if (!isListedStart(c_.Combo3) || c_.Combo3[0] - '0' > bindsShown(boxesFromBindsList(binds)))
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
