// Random sequences of the user's actions on keys and circular binds: after every step the slot
// table and the key store agree, no key loses or gains a bind behind the user's back, and Save
// then Open gives back what the file carries.
#include "EditorStates.h"
#include "RoundTrip.h"
#include "SilentPrompter.h"
#include "app/ClearKey.h"
#include "app/KeyClipboard.h"
#include "app/Selection.h"
#include "cfgwrite/ConfigWriter.h"
#include "cfgwrite/StoreReset.h"
#include "circular/CircularBindButton.h"
#include "circular/CircularWindowModel.h"
#include "circular/Markers.h"
#include "circular/SelfRun.h"
#include "circular/Templates.h"
#include "compose/Composer.h"
#include "compose/SaveToKey.h"
#include "text/Console.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <sstream>

namespace vantrel::testing {
namespace {

constexpr std::uint32_t seed = 10122026;
constexpr int sequenceCount = optimisedBuild ? 3000 : 300;
constexpr int stepsPerSequence = 60;
constexpr int windowSteps = 6;

// Few keys, so that markers meet often; a mouse key among them.
constexpr std::array keyPool = {"keyH", "keyJ", "keyK", "keyL", "keyA", "button1", "f12", "keyconsole"};
constexpr std::array plainTexts = {
    "jump",     "slot5",      "say hi",     "+attack", "",
    "buy ak47", "aCB11",      "aCB1 ",      "aCB0",    " aCB2",
    "aCB3;",    "aCB",        "say \"hi\"", " x ",     "say x; aCB1; aCB2; aCB3",
    "+ak",      "+aj; echo j"};
constexpr std::array boxTexts = {"say one", "say two",  "echo x",  "volume 0.5", ";",
                                 "",        " padded ", "q \"q\"", "aCB1; say",  "say \"aCB2rline1\"",
                                 "+ah",     "+aj",      "+ak",     "+aa"};
constexpr std::array startTexts = {"1", "2", "3", "5", "7", "0", "9", ""};

std::string id(KeyIndex key) {
    return std::string(keyTable[key].id);
}

const auto& row(std::string_view id) {
    return keyTable[*keyById(id, Case::Exact)];
}

bool tidy(std::string_view text) {
    return text == trimSpaces(text) && text.find('"') == std::string_view::npos;
}

// What a saved file carries, as Open gives it back: an item a line.
std::string fileView(const Editor& editor) {
    std::string out;
    for (KeyIndex key = 0; key < keyCount; ++key) {
        std::string bind = editor.bind(key);
        // The file spells a marker of a slot in use as the writer does: letter case is no part of it.
        if (const auto marker = markerInUse(editor.form6, bind))
            bind = marker->reverse ? reverseMarker(marker->slot) : forwardMarker(marker->slot);
        if (!bind.empty())
            out += id(key) + " [" + bind + "]\n";
    }
    for (const std::string& line : editor.ssettings)
        out += "kept [" + line + "]\n";
    for (const std::string* setting : {&editor.slot10, &editor.slot10s, &editor.srconport, &editor.srconpass})
        out += "setting [" + *setting + "]\n";
    for (int n = 1; n <= slotCount; ++n) {
        const CircularSlot& slot = editor.form6.slot(n);
        if (!slot.inUse())
            continue;
        const BindBoxes boxes = boxesFromBindsList(slot.binds);
        const long long count = std::max(bindsShown(boxes), 1);
        const Options options = decodeOptions(slot.o);
        const bool twoWay = !slot.r.empty();
        // A one-way slot's end mode is what a reverse key given later starts from.
        const EndMode endMode = !twoWay ? options.state : count > 1 ? options.state : EndMode::Wrap;
        out += "slot " + std::to_string(n) + " start " +
               std::to_string(
                   options.start > count || optionsValue(slot.o).value_or(0) <= 0 ? 1 : options.start) +
               (twoWay ? " two-way " : " one-way ") + std::to_string(static_cast<int>(endMode));
        for (const std::string& box : boxes)
            out += " [" + box + "]";
        out += "\n";
    }
    return out;
}

bool isTidy(const Editor& editor) {
    return std::all_of(editor.store.begin(), editor.store.end(), tidy) &&
           std::all_of(editor.form6.slots.begin(), editor.form6.slots.end(), [](const CircularSlot& slot) {
               const BindBoxes boxes = boxesFromBindsList(slot.binds);
               return std::all_of(boxes.begin(), boxes.end(), tidy);
           });
}

class CircularActions {
  public:
    explicit CircularActions(std::uint32_t sequenceSeed) : random_(sequenceSeed) { Form_Load(editor_); }

    // Runs the sequence; returns the failure with the steps that led to it, or "" when none.
    std::string run() {
        for (int step = 0; step < stepsPerSequence && failure_.empty(); ++step) {
            before_ = editor_;
            actedOn_.clear();
            everyKeyActedOn_ = false;
            windowSlot_.reset();
            act();
            if (!everyKeyActedOn_)
                checkChangedKeys();
            checkTable();
            checkColours();
        }
        if (failure_.empty())
            return {};
        std::string out = failure_ + "\nsteps:";
        for (const std::string& s : steps_)
            out += "\n  " + s;
        return out;
    }

  private:
    void fail(const std::string& what) {
        if (failure_.empty())
            failure_ = what;
    }

    // Notes a step for the printout of a failing sequence and gives back its value.
    template <class T> T step(const std::string& what, T value) {
        std::ostringstream text;
        text << what << " [" << value << "]";
        steps_.push_back(text.str());
        return value;
    }
    void step(const std::string& what) { steps_.push_back(what); }

    std::string randomKey() {
        return random_.percent(90) ? random_.pick(keyPool) : id(random_.pick(fileOrder()));
    }
    std::string randomText() {
        if (!random_.percent(50))
            return random_.pick(plainTexts);
        const std::string marker = randomMarker(random_);
        return random_.percent(30) ? lowerAscii(marker) : marker;
    }
    // An action on the selected key, which may change that key's bind.
    void onSelectedKey(const std::string& what, Case letterCase, void (*action)(Editor&)) {
        step(what);
        actOn(editor_.selectedKey(letterCase));
        action(editor_);
    }
    void actOn(std::optional<KeyIndex> key) {
        if (key)
            actedOn_.insert(*key);
    }

    void act() {
        switch (random_.below(12)) {
        case 0:
        case 1:
            return keyClick(editor_, row(step("select", randomKey())).button);
        case 2:
            return selectGun(editor_, step("compose mp5", random_.percent(50)) ? Gun::Mp5 : Gun::None);
        case 3:
            editor_.cbind = step("type", randomText());
            return;
        case 4:
            return onSelectedKey("save to key", Case::Exact, savetokey_Click);
        case 5:
            step("copy");
            return menu_key_copy_Click(editor_);
        case 6:
            return onSelectedKey("paste [" + editor_.skeycopy + "]", Case::Exact, menu_key_paste_Click);
        case 7:
            return onSelectedKey("clear key", Case::Ignore, clearkey_Click);
        case 8:
        case 9:
            return circularWindow();
        case 10:
            if (random_.percent(20)) {
                step("new");
                everyKeyActedOn_ = true;
                resetallbinds(editor_);
            }
            return;
        default:
            return saveThenOpen();
        }
    }

    int tick(const std::string& what, size_t percent) {
        return step(what, random_.percent(percent) ? checkTicked : checkClear);
    }

    void windowStep(CircularWindowModel& window) {
        switch (random_.below(7)) {
        case 0: {
            const int box = static_cast<int>(random_.below(maxCircularBinds)) + 1;
            return window.setText(box,
                                  step("  box " + std::to_string(box), std::string(random_.pick(boxTexts))));
        }
        case 1:
            step("  clear all");
            return window.Command2_Click();
        case 2:
            return window.Combo1_Click(step("  template", std::string(random_.pick(circularTemplates).name)));
        case 3:
            return window.setCombo3(step("  start", std::string(random_.pick(startTexts))));
        case 4:
            return window.setCheck1(tick("  two way", 60));
        case 5:
            return window.setCheck2(tick("  stop at ends", 50));
        default:
            return window.setCombo2(step("  reverse key", random_.percent(10)
                                                              ? std::string()
                                                              : std::string(row(randomKey()).display)));
        }
    }

    void circularWindow() {
        step("circular bind");
        if (!circularbind_Click(editor_))
            return;
        if (const auto marker = markerInUse(editor_.form6, editor_.cbind); marker && !marker->reverse)
            windowSlot_ = marker->slot;
        CircularWindowModel window{editor_};
        window.Form_Load();
        for (int i = 0; i < windowSteps; ++i)
            windowStep(window);
        if (random_.percent(25)) {
            step("  close");
            window.Command1_Click();
            return;
        }
        step("  save and close");
        actOn(editor_.selectedKey(Case::Exact));
        if (window.controls().Check1 != checkClear)
            actOn(keyByDisplay(window.controls().Combo2, Case::Exact));
        window.Command3_Click();
    }

    void saveThenOpen() {
        step("save, open");
        everyKeyActedOn_ = true;
        const std::string saved = fileView(editor_);
        const bool wasTidy = isTidy(editor_);
        const std::string bytes = writeConfig(editor_);
        openBytes(editor_, bytes);
        if (wasTidy && writeConfig(editor_) != bytes)
            fail("Save then Open then Save writes other bytes:\n" + difference(bytes, writeConfig(editor_)));
        const std::string first = fileView(editor_);
        if (wasTidy && first != saved)
            fail("Save then Open changed the state:\nsaved:\n" + saved + "opened:\n" + first);
        SilentPrompter quiet;
        const std::string second = fileView(opened(quiet, writeConfig(editor_)));
        if (second != first)
            fail("Save then Open does not settle after one round:\nfirst:\n" + first + "second:\n" + second);
    }

    // A key other than those acted on changes only by losing a marker, through the rules: the
    // reverse marker of a slot that became free, or a marker of the slot the window saved or deleted.
    void checkChangedKeys() {
        for (KeyIndex key = 0; key < keyCount; ++key) {
            const std::string& was = before_.bind(key);
            const std::string& now = editor_.bind(key);
            if (was == now || actedOn_.contains(key))
                continue;
            const std::optional<MarkerRef> marker = findMarker(was);
            const bool allowed = now.empty() && marker &&
                                 ((marker->reverse && before_.form6.slot(marker->slot).inUse() &&
                                   !editor_.form6.slot(marker->slot).inUse()) ||
                                  windowSlot_ == marker->slot);
            if (!allowed)
                fail(id(key) + " changed from [" + was + "] to [" + now + "] unasked");
        }
    }

    // No key shows bound while unbound or the other way round, the selected one aside.
    void checkColours() {
        for (KeyIndex key : fileOrder()) {
            const Colour want = editor_.bind(key).empty() ? Colour::Unbound : Colour::Bound;
            if ((!editor_.selectkey || !equalsIgnoreCase(*editor_.selectkey, id(key))) &&
                editor_.colours.of(keyTable[key].button) != want)
                fail(id(key) + " is painted wrongly for [" + editor_.bind(key) + "]");
        }
    }

    void checkTable() {
        std::array<std::optional<MarkerRef>, keyCount> markers;
        for (KeyIndex key = 0; key < keyCount; ++key)
            markers[key] = findMarker(editor_.bind(key));
        if (const std::optional<SelfRun> run = newSelfRun(before_, editor_))
            fail("slot " + std::to_string(run->slot) + " runs itself through " + run->named);
        std::set<std::string> forwardKeys;
        for (int n = 1; n <= slotCount; ++n) {
            const CircularSlot& slot = editor_.form6.slot(n);
            const std::string name = "slot " + std::to_string(n);
            if (!slot.inUse()) {
                if (slot != CircularSlot{})
                    fail(name + " is free but keeps its keys or options");
                continue;
            }
            const auto holds = [&](const std::string& key, const std::string& marker) {
                const auto index = keyById(key, Case::Exact);
                return index && equalsIgnoreCase(editor_.bind(*index), marker);
            };
            if (!holds(slot.k, forwardMarker(n)))
                fail(name + " is in use but its forward key [" + slot.k + "] holds no forward marker");
            if (!forwardKeys.insert(slot.k).second)
                fail(name + " shares its forward key " + slot.k);
            if (!slot.r.empty() && !holds(slot.r, reverseMarker(n)))
                fail(name + " is two-way but its reverse key [" + slot.r + "] holds no reverse marker");
            for (const std::string& bind : slot.binds)
                if (slotsNamed(asWritten(bind))[slotIndex(n)])
                    fail(name + " runs itself from its bind [" + bind + "]");
            // A key that holds a marker of a slot in use held it before, or was given it now.
            for (KeyIndex key = 0; key < keyCount; ++key) {
                const auto& marker = markers[key];
                if (!marker || marker->slot != n)
                    continue;
                if (marker->reverse && slot.r.empty())
                    fail(id(key) + " holds the reverse marker of one-way " + name);
                if (!everyKeyActedOn_ && !actedOn_.contains(key) &&
                    (!before_.form6.slot(n).inUse() ||
                     !equalsIgnoreCase(before_.bind(key), editor_.bind(key))))
                    fail(id(key) + " joined " + name + " unasked");
            }
        }
    }

    SilentPrompter prompter_;
    Editor editor_{prompter_};
    Editor before_{prompter_};
    Random random_;
    std::vector<std::string> steps_;
    std::set<KeyIndex> actedOn_;
    bool everyKeyActedOn_ = false;
    std::optional<int> windowSlot_;
    std::string failure_;
};

TEST(CircularActions, RandomSequencesKeepTheSlotsAndKeysInStep) {
    for (int i = 0; i < sequenceCount; ++i) {
        const std::string failure = CircularActions(seed + static_cast<std::uint32_t>(i)).run();
        if (!failure.empty()) {
            ADD_FAILURE() << "sequence " << i << ": " << failure;
            return;
        }
    }
}

} // namespace
} // namespace vantrel::testing
