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

} // namespace

void CircularWindowModel::Command3_Click() {
    CircularTable& table = editor_.form6;
    table.selectkeyr.clear();
    if (c_.Check1 != checkClear)
        if (const auto key = keyByDisplay(c_.Combo2, Case::Exact))
            table.selectkeyr = std::string(keyTable[*key].id);
    if (table.selectkeyr == forwardKeyOf(editor_))
        table.selectkeyr.clear();

    const std::vector<std::string> binds = bindsListFromBoxes(c_.Text);
    if (!isListedStart(c_.Combo3))
        startAtFirstBind();

    if (binds.empty()) {
        // Nothing to store: a circular bind opened for editing is deleted, none is made in the
        // blank editor.
        if (opened_)
            deleteSlot(*opened_);
    } else if (const auto slot =
                   opened_ ? opened_ : firstFreeSlot(editor_, editor_.selectedKey(Case::Exact))) {
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
