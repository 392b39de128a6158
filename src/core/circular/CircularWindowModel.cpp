#include "circular/CircularWindowModel.h"

#include "circular/LookupKeyName.h"
#include "circular/Markers.h"
#include "circular/Templates.h"
#include "text/Text.h"

#include <charconv>

namespace vantrel {

namespace {

constexpr double lowestStart = 0;
constexpr double highestStart = 7;

// A decimal number with spaces around it allowed: sign, digits with an optional fraction, an
// optional exponent. Read without the locale, which the platform may have set to a decimal comma.
std::optional<double> numberIn(std::string_view text) {
    text = trimSpaces(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() == '+' || text.front() == '-')
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace

void CircularWindowModel::Form_Load() {
    c_ = Form6Controls{};
    closed_ = false;
    c_.Check2 = checkGreyed;
    c_.combo2Enabled = false;
    c_.combo3Enabled = false;
    startAtFirstBind();

    CircularTable& table = editor_.form6;
    // A marker of a free slot is plain text: the blank editor opens for it.
    const auto marker = markerInUse(table, editor_.cbind);
    view_ = !marker ? CircularView::Blank : marker->reverse ? CircularView::Reverse : CircularView::Forward;
    opened_ = view_ == CircularView::Forward ? std::optional<int>(marker->slot) : std::nullopt;
    std::vector<std::string> binds;
    std::string options;
    if (marker) {
        const CircularSlot& slot = table.slot(marker->slot);
        binds = slot.binds;
        table.lookup = marker->reverse ? slot.k : slot.r;
        // The box names the key looked up, never one an earlier lookup left behind: a one-way
        // slot has no reverse key.
        c_.Combo2 = lookupkeyname(table) ? table.lookedup : std::string();
        if (!slot.r.empty())
            setCheck1(checkTicked);
        options = slot.o;
        if (marker->reverse)
            lockReverseView();
    } else {
        table.lookup.clear();
    }

    c_.Text = boxesFromBindsList(binds);
    if (view_ == CircularView::Reverse)
        mirrorBoxes(c_.Text);

    const bool reverse = view_ == CircularView::Reverse;
    c_.Check2 = reverse ? checkGreyed : stopAtEndsCheck(decodeOptions(options).state);
    c_.Combo3 = startShown(options, bindsShown(c_.Text), reverse);
    if (c_.Check1 == checkClear)
        twoWayRule();
}

void CircularWindowModel::startAtFirstBind() {
    c_.Combo3 = newString("1");
}

void CircularWindowModel::lockReverseView() {
    c_.clearAllEnabled = false;
    c_.saveVisible = false;
    c_.textEnabled = false;
    setCheck1(checkGreyed);
    c_.Check2 = checkGreyed;
    c_.reverselabelVisible = true;
    c_.combo1Enabled = false;
    c_.combo2Enabled = false;
    c_.combo3Enabled = false;
}

void CircularWindowModel::setText(int box, std::string text) {
    c_.Text.at(static_cast<size_t>(box - 1)) = std::move(text);
}

void CircularWindowModel::setCombo2(std::string text) {
    c_.Combo2 = std::move(text);
}

void CircularWindowModel::setCombo3(std::string text) {
    c_.Combo3 = std::move(text);
}

void CircularWindowModel::setCheck1(int value) {
    if (value == c_.Check1)
        return;
    c_.Check1 = value;
    twoWayRule();
}

void CircularWindowModel::setCheck2(int value) {
    c_.Check2 = value;
}

void CircularWindowModel::twoWayRule() {
    const bool twoWay = c_.Check1 != checkClear;
    c_.Check2 = twoWay ? checkClear : checkGreyed;
    c_.combo2Enabled = twoWay;
    c_.combo3Enabled = twoWay;
}

void CircularWindowModel::Combo1_Click(const std::string& item) {
    c_.Combo1 = item;
    for (const CircularTemplate& t : circularTemplates) {
        if (t.name != item)
            continue;
        for (size_t k = 0; k < t.binds.size(); ++k)
            c_.Text[k] = std::string(t.binds[k]);
        setCheck1(t.Check1);
        c_.Check2 = t.Check2;
        c_.combo2Enabled = t.Check1 != checkClear;
        c_.combo3Enabled = t.Check1 != checkClear;
    }
}

bool CircularWindowModel::Combo3_Validate() {
    const auto value = numberIn(c_.Combo3);
    if (value && *value >= lowestStart && *value <= highestStart)
        return true;
    editor_.prompter->message({"Please choose a number between 0 and 7 for this field.", "Start at bind"});
    return false;
}

bool CircularWindowModel::Combo2_Validate() {
    if (keyByDisplay(c_.Combo2, Case::Exact))
        return true;
    editor_.prompter->message({"Invalid key. Choose from list.", "Reverse key"});
    return false;
}

void CircularWindowModel::Command4_Click() {
    editor_.helpSection = HelpSection::CircularBinds;
    editor_.prompter->showHelp();
}

void CircularWindowModel::Command2_Click() {
    c_.Text = {};
    setCheck1(checkClear);
    c_.Check2 = checkGreyed;
    c_.combo2Enabled = false;
    c_.combo3Enabled = false;
}

void CircularWindowModel::Command1_Click() {
    closed_ = true;
}

} // namespace vantrel
