#include "compose/SaveToKey.h"

#include "app/SavedBinds.h"
#include "circular/CircularRules.h"
#include "circular/SelfRun.h"
#include "compose/Composer.h"

namespace vantrel {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence starting at text[i], or 0 when none starts there.
size_t sequenceLength(std::string_view text, size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t length = 0;
    unsigned char min2 = 0x80, max2 = 0xBF; // allowed range of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        min2 = lead == 0xE0 ? 0xA0 : 0x80; // no overlong forms
        max2 = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        min2 = lead == 0xF0 ? 0x90 : 0x80;
        max2 = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if (second < min2 || second > max2)
        return 0;
    for (size_t k = 2; k < length; ++k)
        if (!isContinuation(static_cast<unsigned char>(text[i + k])))
            return 0;
    return length;
}

} // namespace

size_t characterCount(std::string_view text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++count) {
        const size_t length = sequenceLength(text, i);
        i += length == 0 ? 1 : length;
    }
    return count;
}

void savetokey_Click(Editor& editor) {
    const std::string typed = editor.cbind;
    const auto key = editor.selectedKey(Case::Exact);
    const std::string bind = key ? SavedBinds(editor).throughPairs(typed) : typed;
    const auto store = [&bind, &key](Editor& e) {
        e.bind(*key) = bind;
        e.cbind = bind;
        e.colours.paintKey(*key, Colour::Selection);
        keepCircularRules(e, {key});
    };
    if (key && refusesSelfRun(editor, store))
        return;
    if (characterCount(bind) >= longBindLength) {
        const Answer answer = editor.prompter->message(
            {longBindWarning, longBindTitle, Buttons::YesNo, Answer::No, Icon::None});
        if (answer == Answer::Yes) {
            editor.helpSection = HelpSection::BindTooLong;
            editor.prompter->showHelp();
        }
    }
    if (key)
        store(editor);
    if (typed.empty())
        resetComposerAndCbind(editor);
}

} // namespace vantrel
