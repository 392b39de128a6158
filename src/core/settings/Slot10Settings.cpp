#include "settings/Slot10Settings.h"

#include "circular/SelfRun.h"
#include "text/Text.h"

#include <algorithm>

namespace vantrel {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<int> slot10Factor(std::string_view text) {
    text = trimSpaces(text);
    const std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    if (!std::all_of(whole.begin(), whole.end(), isDigit) ||
        !std::all_of(fraction.begin(), fraction.end(), isDigit))
        return std::nullopt;
    // Compared as a number: leading zeros and a zero fraction do not change the value.
    if (fraction.find_first_not_of('0') != std::string_view::npos)
        return std::nullopt;
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() != 1 || whole[0] < '1' || whole[0] > '7')
        return std::nullopt;
    return whole[0] - '0';
}

std::string storedSlot10s(std::string_view text) {
    if (!text.empty() && text.back() == ';')
        text.remove_suffix(1);
    return std::string(trimTrailingSpaces(text));
}

void Slot10Settings::Form_Load() {
    const auto found = std::find(slot10Factors.begin(), slot10Factors.end(), editor_.slot10);
    if (found != slot10Factors.end())
        waitno = newString(waitnoItems[static_cast<std::size_t>(found - slot10Factors.begin())]);
    slot10box = editor_.slot10s;
}

void Slot10Settings::defaultbutton_Click() {
    slot10box = defaultSlot10s;
    waitno = newString(defaultFactorText);
}

bool Slot10Settings::savebutton_Click() {
    const auto save = [this](Editor& e) {
        if (const auto factor = slot10Factor(waitno))
            e.slot10 = slot10Factors[static_cast<std::size_t>(*factor - 1)];
        e.slot10s = storedSlot10s(slot10box);
    };
    if (refusesSelfRun(editor_, save))
        return false;
    save(editor_);
    return true;
}

void Slot10Settings::Command1_Click() {
    editor_.helpSection = HelpSection::Slot10;
    editor_.prompter->showHelp();
}

} // namespace vantrel
