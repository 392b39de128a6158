#include "cfgread/KeyReader.h"

#include "cfgread/CircularReader.h"
#include "cfgread/SettingsPass.h"

namespace vantrel {

namespace {

// Positions in file order (1-based) where the second and third stages begin.
constexpr size_t stage2First = 48;
constexpr size_t stage3First = 69;

void readKeys(Editor& editor, BindTexts& texts, size_t firstPos, size_t lastPos) {
    for (size_t pos = firstPos; pos <= lastPos; ++pos)
        readkeybind(editor, texts, fileOrder()[pos - 1]);
}

} // namespace

void readkeybind(Editor& editor, BindTexts& texts, KeyIndex key) {
    const std::optional<std::string>& text = texts.of(key);
    if (!text)
        return;
    editor.bind(key) = *text;
    editor.colours.paintKey(key, Colour::Bound);
}

void readbinds1(Editor& editor, const ConfigIndex& file) {
    editor.slot10s = defaultSlot10s;
    editor.slot10 = fileFactor(file);
    BindTexts texts{file, editor.slot10};
    readKeys(editor, texts, 1, stage2First - 1);
    readbinds2(editor, file, texts);
}

void readbinds2(Editor& editor, const ConfigIndex& file, BindTexts& texts) {
    readKeys(editor, texts, stage2First, stage3First - 1);
    readbinds3(editor, file, texts);
}

void readbinds3(Editor& editor, const ConfigIndex& file, BindTexts& texts) {
    readKeys(editor, texts, stage3First, liveKeyCount);
    const ForwardChains forward = forwardChains(file);
    const TakenChains chains = takeOwnChains(editor, forward);
    settingspass(editor, file, chains);
    readcircularbinds(editor, forward, chains);
}

} // namespace vantrel
