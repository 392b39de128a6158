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
#include "circular/Templates.h"
#include "compose/Composer.h"
#include "compose/SaveToKey.h"

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
constexpr std::array plainTexts = {"jump",  "slot5", "say hi", "+attack", "",    "buy ak47",   "aCB11",
                                   "aCB1 ", "aCB0",  " aCB2",  "aCB3;",   "aCB", "say \"hi\"", " x "};
constexpr std::array boxTexts = {"say one", "say two", "echo x",   "volume 0.5",
                                 ";",       "",        " padded ", "q \"q\""};
constexpr std::array startTexts = {"1", "2", "3", "5", "7", "0", "9", ""};

std::string id(KeyIndex key) {
    return std::string(keyTable[key].id);
}

bool tidy(std::string_view text) {
    return text == trim(text) && text.find('"') == std::string_view::npos;
}

// What a saved file carries, as Open gives it back.
struct FileView {
    std::array<std::string, keyCount> binds;
    std::vector<std::string> kept;
    std::array<std::string, 4> settings;
    struct Slot {
        BindBoxes boxes;
        long long start = 0;
        bool twoWay = false;
        EndMode endMode = EndMode::Wrap; // two-way with two binds or more only
        bool operator==(const Slot&) const = default;
    };
    std::array<std::optional<Slot>, slotCount> slots;
    bool operator==(const FileView&) const = default;
};

FileView fileView(const Editor& editor) {
    FileView v{editor.store,
               editor.ssettings,
               {editor.slot10, editor.slot10s, editor.srconport, editor.srconpass},
               {}};
    // The file spells a marker of a slot in use as the writer does: letter case is no part of it.
    for (std::string& bind : v.binds)
        if (const auto marker = markerInUse(editor.form6, bind))
            bind = marker->reverse ? reverseMarker(marker->slot) : forwardMarker(marker->slot);
    for (int n = 1; n <= slotCount; ++n) {
        const CircularSlot& slot = editor.form6.slot(n);
        if (!slot.inUse())
            continue;
        FileView::Slot s{boxesFromBindsList(slot.binds)};
        const long long count = std::max(bindsShown(s.boxes), 1);
        const Options options = decodeOptions(slot.o);
        s.start = options.start > count || optionsValue(slot.o).value_or(0) <= 0 ? 1 : options.start;
        s.twoWay = !slot.r.empty();
        if (s.twoWay && count > 1)
            s.endMode = options.state;
        v.slots[static_cast<size_t>(n - 1)] = s;
    }
    return v;
}

bool isTidy(const Editor& editor) {
    return std::all_of(editor.store.begin(), editor.store.end(), tidy) &&
           std::all_of(editor.form6.slots.begin(), editor.form6.slots.end(), [](const CircularSlot& slot) {
               const BindBoxes boxes = boxesFromBindsList(slot.binds);
               return std::all_of(boxes.begin(), boxes.end(), tidy);
           });
}

std::string describe(const FileView& v) {
    std::string out;
    for (KeyIndex key = 0; key < keyCount; ++key)
        if (!v.binds[key].empty())
            out += id(key) + "=[" + v.binds[key] + "] ";
    for (int n = 1; n <= slotCount; ++n)
        if (const auto& s = v.slots[static_cast<size_t>(n - 1)])
            out += "slot" + std::to_string(n) + "{" + s->boxes[0] + ".., start " + std::to_string(s->start) +
                   (s->twoWay ? ", two-way " + std::to_string(static_cast<int>(s->endMode)) : "") + "} ";
    return out;
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
            keyClick(editor_, keyTable[*keyById(step("select", randomKey()), Case::Exact)].button);
            break;
        case 2:
            selectGun(editor_, step("compose mp5", random_.percent(50)) ? Gun::Mp5 : Gun::None);
            break;
        case 3:
            editor_.cbind = step("type", randomText());
            break;
        case 4:
            onSelectedKey("save to key", Case::Exact, savetokey_Click);
            break;
        case 5:
            step("copy");
            menu_key_copy_Click(editor_);
            break;
        case 6:
            onSelectedKey("paste [" + editor_.skeycopy + "]", Case::Exact, menu_key_paste_Click);
            break;
        case 7:
            onSelectedKey("clear key", Case::Ignore, clearkey_Click);
            break;
        case 8:
        case 9:
            circularWindow();
            break;
        case 10:
            if (random_.percent(20)) {
                step("new");
                everyKeyActedOn_ = true;
                resetallbinds(editor_);
            }
            break;
        default:
            saveThenOpen();
            break;
        }
    }

    int tick(const std::string& what, size_t percent) {
        return step(what, random_.percent(percent) ? checkTicked : checkClear);
    }

    void circularWindow() {
        step("circular bind");
        if (!circularbind_Click(editor_))
            return;
        if (const auto marker = markerInUse(editor_.form6, editor_.cbind); marker && !marker->reverse)
            windowSlot_ = marker->slot;
        CircularWindowModel window{editor_};
        window.Form_Load();
        for (int i = 0; i < windowSteps; ++i) {
            switch (random_.below(7)) {
            case 0: {
                const int box = static_cast<int>(random_.below(maxCircularBinds)) + 1;
                window.setText(box,
                               step("  box " + std::to_string(box), std::string(random_.pick(boxTexts))));
                break;
            }
            case 1:
                step("  clear all");
                window.Command2_Click();
                break;
            case 2:
                window.Combo1_Click(step("  template", std::string(random_.pick(circularTemplates).name)));
                break;
            case 3:
                window.setCombo3(step("  start", std::string(random_.pick(startTexts))));
                break;
            case 4:
                window.setCheck1(tick("  two way", 60));
                break;
            case 5:
                window.setCheck2(tick("  stop at ends", 50));
                break;
            default:
                window.setCombo2(step(
                    "  reverse key",
                    random_.percent(10) ? std::string()
                                        : std::string(keyTable[*keyById(randomKey(), Case::Exact)].display)));
                break;
            }
        }
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
        const FileView saved = fileView(editor_);
        const bool wasTidy = isTidy(editor_);
        openBytes(editor_, writeConfig(editor_));
        const FileView first = fileView(editor_);
        if (wasTidy && first != saved)
            fail("Save then Open changed the state:\n saved:  " + describe(saved) +
                 "\n opened: " + describe(first));
        SilentPrompter quiet;
        const FileView second = fileView(opened(quiet, writeConfig(editor_)));
        if (second != first)
            fail("Save then Open does not settle after one round:\n first:  " + describe(first) +
                 "\n second: " + describe(second));
    }

    // A key other than those acted on changes only by losing a marker, through the rules: the
    // reverse marker of a slot that became free, or a marker of the slot the window saved or deleted.
    void checkChangedKeys() {
        for (KeyIndex key = 0; key < keyCount; ++key) {
            const std::string& was = before_.bind(key);
            const std::string& now = editor_.bind(key);
            if (was == now || actedOn_.contains(key))
                continue;
            const std::optional<MarkerRef> marker = findMarker(was, Case::Ignore);
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
            markers[key] = findMarker(editor_.bind(key), Case::Ignore);
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
