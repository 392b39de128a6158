#include "settings/BindOrderSettings.h"

namespace vantrel {

namespace {

std::string_view captionOf(PartField part) {
    for (const PartCaption& c : partCaptions)
        if (c.part == part)
            return c.caption;
    return {};
}

} // namespace

std::optional<std::size_t> recognisePreset(std::string_view text) {
    for (std::size_t i = 0; i < bindOrderTable.size(); ++i)
        if (bindOrderTable[i].name == text)
            return i;
    return std::nullopt;
}

BindOrderSettings::BindOrderSettings(Editor& editor) : editor_(editor) {
    for (std::size_t n = 0; n < bindPartCount; ++n)
        o[n] = std::to_string(n + 1);
}

void BindOrderSettings::Form_Load() {
    // Selecting the stored preset runs the same step as the user's pick.
    if (recognisePreset(editor_.BindOrder))
        Combo1_Click(editor_.BindOrder);
}

void BindOrderSettings::Combo1_Click(std::string_view item) {
    const auto preset = recognisePreset(item);
    if (!preset)
        return;
    Combo1 = item;
    for (std::size_t n = 0; n < bindPartCount; ++n)
        o[n] = captionOf(bindOrderTable[*preset].parts[n]);
}

void BindOrderSettings::Command1_Click() {
    if (const auto preset = recognisePreset(Combo1))
        editor_.BindOrder = bindOrderTable[*preset].name;
}

void BindOrderSettings::Command3_Click() {
    editor_.helpSection = HelpSection::BindOrder;
    editor_.prompter->showHelp();
}

} // namespace vantrel
