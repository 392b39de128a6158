#include "compose/ShowKeyBind.h"

#include "compose/BindParsePatterns.h"
#include "compose/Composer.h"
#include "compose/MessageExtraction.h"

namespace vantrel {

namespace {

template <class... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
// Spelled out for compilers without aggregate deduction (clang 14, which builds the fuzzer).
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

void apply(Editor& editor, const ParseChange& change) {
    std::visit(Overloaded{
                   [&](Pistol pistol) { selectPistol(editor, pistol); },
                   [&](Gun gun) { selectGun(editor, gun); },
                   [&](Armour armour) { selectArmour(editor, armour); },
                   [&](PistolAmmo ammo) { pacombo_Click(editor, std::string(ammo.item)); },
                   [&](GunAmmo ammo) { gacombo_Click(editor, std::string(ammo.item)); },
                   [&](Equipment box) { setEquipment(editor, box, true); },
               },
               change);
}

bool rowMatches(const BuyParseRow& row, std::string_view shown) {
    for (std::string_view sequence : row.sequences)
        if (!sequence.empty() && containsSequence(shown, sequence))
            return true;
    return false;
}

void parse(Editor& editor, std::string_view shown) {
    for (const BuyParseRow& row : buyParseRows)
        if (rowMatches(row, shown))
            apply(editor, row.change);
    int chainDone = 0; // the chain whose first match has been taken
    for (const RadioParseRow& row : radioParseRows) {
        if (row.chain == chainDone || !containsSequence(shown, row.sequence))
            continue;
        radio_Click(editor, std::string(row.item));
        chainDone = row.chain;
    }
}

void showMessages(Editor& editor, std::string_view shown) {
    if (const auto say = extractSayMessage(shown)) {
        saybox_Change(editor, *say);
        teamsay_Click(editor, false);
    }
    if (const auto teamSay = extractTeamMessage(shown)) {
        saybox_Change(editor, *teamSay);
        teamsay_Click(editor, true);
    }
    if (const auto rcon = extractRconMessage(shown))
        rconsaybox_Change(editor, *rcon);
}

// The selected key's stored bind into cbind; with no key selected, cbind keeps its text.
void fetch(Editor& editor) {
    if (const auto key = editor.selectedKey(Case::Ignore))
        editor.cbind = editor.bind(*key);
}

} // namespace

void showkeybind(Editor& editor) {
    fetch(editor);
    const std::string shown = editor.cbind;
    resetComposerButNotCbind(editor);
    editor.cbind = shown;
    parse(editor, shown);
    showMessages(editor, shown);
    fetch(editor); // the handlers above recomposed cbind; the stored text is what shows
}

} // namespace vantrel
