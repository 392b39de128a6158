#include "cfgread/KeyReader.h"

#include "app/HoldAliasBind.h"
#include "cfgread/CircularReader.h"
#include "cfgread/CommandText.h"
#include "cfgread/SettingsPass.h"
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

// The body the key's own hold bind line runs, when the editor writes it back as the key's hold
// alias pair: the press body is a hold alias bind and the last release line runs what the
// writer writes as the release, the factor the file sets. Otherwise none, and the line is read
// as it stands, so a release of the pair's own is not replaced.
std::optional<std::string> takenPressBody(const Editor& editor, const ConfigIndex& file, KeyIndex key,
                                          std::string_view rest) {
    const std::optional<std::string_view> name = holdAliasName(rest);
    if (!name || !equalsIgnoreCase(*name, ownHoldAliasName(key)))
        return std::nullopt;
    const std::optional<size_t> press = file.pressAliasLine(key);
    if (!press)
        return std::nullopt;
    std::string body = commandBody(aliasLine(file.lines()[*press])->rest);
    if (body.empty() || !isHoldAliasBind(body))
        return std::nullopt;
    const std::optional<size_t> release = file.releaseAliasLine(key);
    if (!release || !equalsIgnoreCase(commandBody(aliasLine(file.lines()[*release])->rest), editor.slot10))
        return std::nullopt;
    return body;
}

} // namespace

void readkeybind(Editor& editor, const ConfigIndex& file, KeyIndex key) {
    const std::optional<size_t> line = file.bindLine(key);
    if (!line)
        return;
    const std::string_view rest = keyBindLine(file.lines()[*line])->rest;
    const auto body = takenPressBody(editor, file, key, rest);
    // A bare hold bind line gives "+a<suffix>"; whatever follows the name stays, so a typed bind
    // such as "+af1 x" comes back as it was saved.
    editor.bind(key) = body ? *body : commandBody(rest);
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
