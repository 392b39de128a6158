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

// Which pair a key's own hold alias runs: the file's, as the key's bind line finds it, or the saved
// file's, as a plain bind written from it will find it. The writer writes a held bind's pair anew.
enum class Pairs { File, Saved };

// The keys whose pairs a bind text has been followed through, for each kind of pair.
using Followed = std::bitset<2 * keyCount>;

std::optional<std::string> boundText(const Editor& editor, const ConfigIndex& file, KeyIndex key,
                                     Followed& followed);

// What a key's bind text reads as once it is saved and opened again. A text that presses a key's
// own hold alias reads as the press text of that key's pair: the file's pair in the form the editor
// writes, or else the pair the writer writes for that key's held bind. So a key bound to another
// key's pair is written with a pair of its own and does not follow that key when it is edited. A
// press text the writer writes plain, since it presses something, is read again against the saved
// file's pairs, as the next Open will read it. Each key is followed once for each kind of pair:
// keys that press each other's pairs end there.
std::string resolvedText(const Editor& editor, const ConfigIndex& file, std::string text, Followed& followed,
                         Pairs pairs) {
    const std::optional<KeyIndex> pressed = pressedOwnAlias(text);
    if (!pressed)
        return text;
    const size_t mark = *pressed + (pairs == Pairs::Saved ? keyCount : 0);
    if (followed[mark])
        return text;
    followed.set(mark);
    std::optional<std::string> pair = pairPressText(editor, file, *pressed);
    if (!pair || pairs == Pairs::Saved)
        if (std::optional<std::string> bind = boundText(editor, file, *pressed, followed);
            bind && isHoldAliasBind(*bind))
            pair = std::move(bind);
    if (!pair)
        return text;
    return isHoldAliasBind(*pair) ? std::move(*pair)
                                  : resolvedText(editor, file, std::move(*pair), followed, Pairs::Saved);
}

// The text the key's bind line gives it, when it has one.
std::optional<std::string> boundText(const Editor& editor, const ConfigIndex& file, KeyIndex key,
                                     Followed& followed) {
    const std::optional<size_t> line = file.bindLine(key);
    if (!line)
        return std::nullopt;
    return resolvedText(editor, file, bindLineText(file, *line), followed, Pairs::File);
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
    const ForwardChains forward = forwardChains(file);
    const TakenChains chains = takeOwnChains(editor, forward);
    settingspass(editor, file, chains);
    readcircularbinds(editor, forward, chains);
}

} // namespace vantrel
