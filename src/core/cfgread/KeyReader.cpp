#include "cfgread/KeyReader.h"

#include "app/HoldAliasBind.h"
#include "cfgread/CircularReader.h"
#include "cfgread/CommandText.h"
#include "cfgread/SettingsPass.h"
#include "text/Console.h"
#include "text/Text.h"

namespace vantrel {

namespace {

// Positions in file order (1-based) where the second and third stages begin.
constexpr size_t stage2First = 48;
constexpr size_t stage3First = 69;

void readKeys(Editor& editor, const ConfigIndex& file, size_t firstPos, size_t lastPos) {
    for (size_t pos = firstPos; pos <= lastPos; ++pos)
        readkeybind(editor, file, fileOrder()[pos - 1]);
}

// The press text of the owner's hold alias pair when the editor wrote the pair: the last press
// line holds a text of a hold pattern and the last release line runs the file's factor. Otherwise
// none, and a bind line that presses the alias is read as it stands, so a release of the pair's
// own is not replaced.
std::optional<std::string> pairPressText(const Editor& editor, const ConfigIndex& file, KeyIndex owner) {
    const std::optional<size_t> press = file.pressAliasLine(owner);
    if (!press)
        return std::nullopt;
    std::string text = commandBody(aliasLine(file.lines()[*press])->rest);
    if (text.empty() || !matchesHoldPattern(text))
        return std::nullopt;
    const std::optional<size_t> release = file.releaseAliasLine(owner);
    if (!release || !equalsIgnoreCase(commandBody(aliasLine(file.lines()[*release])->rest), editor.slot10))
        return std::nullopt;
    return text;
}

std::string bindLineText(const ConfigIndex& file, size_t line) {
    return commandBody(keyBindLine(file.lines()[line])->rest);
}

} // namespace

void readkeybind(Editor& editor, const ConfigIndex& file, KeyIndex key) {
    const std::optional<size_t> line = file.bindLine(key);
    if (!line)
        return;
    std::string text = bindLineText(file, *line);
    // Another key's pair is read as its press text too, so this key is written with a pair of its
    // own and does not follow that key when it is edited.
    const std::optional<KeyIndex> owner = pressedOwnAlias(text);
    std::optional<std::string> press = owner ? pairPressText(editor, file, *owner) : std::nullopt;
    editor.bind(key) = press ? std::move(*press) : std::move(text);
    editor.colours.paintKey(key, Colour::Bound);
}

bool readsOwnPair(const Editor& editor, const ConfigIndex& file, KeyIndex key) {
    const std::optional<size_t> line = file.bindLine(key);
    return line && pressedOwnAlias(bindLineText(file, *line)) == key && pairPressText(editor, file, key);
}

void readbinds1(Editor& editor, const ConfigIndex& file) {
    editor.slot10s = defaultSlot10s;
    editor.slot10 = fileFactor(file);
    readKeys(editor, file, 1, stage2First - 1);
    readbinds2(editor, file);
}

void readbinds2(Editor& editor, const ConfigIndex& file) {
    readKeys(editor, file, stage2First, stage3First - 1);
    readbinds3(editor, file);
}

void readbinds3(Editor& editor, const ConfigIndex& file) {
    readKeys(editor, file, stage3First, liveKeyCount);
    const TakenChains chains = takeOwnChains(editor, file);
    settingspass(editor, file, chains);
    readcircularbinds(editor, file, chains);
}

} // namespace vantrel
