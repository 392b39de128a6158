#include "cfgread/KeyReader.h"

#include "app/HoldAliasBind.h"
#include "cfgread/CircularReader.h"
#include "cfgread/CommandText.h"
#include "cfgread/SettingsPass.h"
#include "text/Console.h"
#include "text/Text.h"

#include <bitset>

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

// The keys whose pairs a bind text has been followed through.
using Followed = std::bitset<keyCount>;

std::optional<std::string> boundText(const Editor& editor, const ConfigIndex& file, KeyIndex key,
                                     Followed& followed);

// What a key's bind text reads as once it is saved and opened again. A text that presses a key's
// own hold alias reads as the press text of that key's pair when the pair is in the form the editor
// writes, so a key bound to another key's pair is written with a pair of its own and does not
// follow that key when it is edited; a press text the writer writes plain, since it presses
// something, is read again the same way. Where the pair is not in that form but its key's bind is
// one the writer writes as a pair, the saved file's pair runs that bind, and so the text reads as
// that bind. Each key's pair is followed once: keys that press each other's pairs end there.
std::string resolvedText(const Editor& editor, const ConfigIndex& file, std::string text,
                         Followed& followed) {
    const std::optional<KeyIndex> pressed = pressedOwnAlias(text);
    if (!pressed || followed[*pressed])
        return text;
    followed.set(*pressed);
    if (std::optional<std::string> press = pairPressText(editor, file, *pressed))
        return isHoldAliasBind(*press) ? std::move(*press)
                                       : resolvedText(editor, file, std::move(*press), followed);
    if (std::optional<std::string> bind = boundText(editor, file, *pressed, followed);
        bind && isHoldAliasBind(*bind))
        return std::move(*bind);
    return text;
}

// The text the key's bind line gives it, when it has one.
std::optional<std::string> boundText(const Editor& editor, const ConfigIndex& file, KeyIndex key,
                                     Followed& followed) {
    const std::optional<size_t> line = file.bindLine(key);
    if (!line)
        return std::nullopt;
    return resolvedText(editor, file, bindLineText(file, *line), followed);
}

} // namespace

void readkeybind(Editor& editor, const ConfigIndex& file, KeyIndex key) {
    Followed followed;
    std::optional<std::string> text = boundText(editor, file, key, followed);
    if (!text)
        return;
    editor.bind(key) = std::move(*text);
    editor.colours.paintKey(key, Colour::Bound);
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
