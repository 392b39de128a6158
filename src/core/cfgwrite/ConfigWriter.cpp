#include "cfgwrite/ConfigWriter.h"

#include "app/HoldAliasBind.h"
#include "app/Slot10Factors.h"
#include "cfgwrite/CircularWriter.h"
#include "cfgwrite/ConfigText.h"
#include "circular/Markers.h"
#include "text/Text.h"

#include <algorithm>
#include <optional>

namespace vantrel {

namespace {

// Room for a typical key block, so that a full store is built without regrowing the text.
constexpr size_t bytesPerKey = 160;

void writeSettings(ConfigText& out, const Editor& editor) {
    for (const std::string* rcon : {&editor.srconport, &editor.srconpass}) {
        if (rcon->empty())
            continue;
        out.line(*rcon);
        out.emptyLine();
    }
    out.emptyLine();
    out.line("alias ", slot10sAlias, " ", quoted(editor.slot10s));
    out.emptyLine();
    if (editor.ssettings.empty())
        return;
    // The reader keeps a line from its first word on, so only its end needs trimming. Spaces inside
    // a double quote the line leaves open are its last word's own: without them the game, and the
    // reader, could read the line as other commands.
    for (const std::string& kept : editor.ssettings)
        out.line(std::count(kept.begin(), kept.end(), '"') % 2 == 0 ? trimTrailingSpaces(kept) : kept);
    out.emptyLine();
}

// Which alias chains the file already defines: [slotIndex(slot)][reverse].
using WrittenChains = std::array<std::array<bool, 2>, slotCount>;

// Writes the key's circular block unless another key holding the same marker already has: a
// chain defined twice reads back with every bind twice, so such a key gets its bind line alone,
// which runs the chain the file already defines.
bool writeCircularKey(ConfigText& out, const Editor& editor, const std::string& name, const std::string& bind,
                      WrittenChains& written) {
    const std::optional<MarkerRef> marker = findMarker(bind);
    if (!marker)
        return false;
    bool& done = written[slotIndex(marker->slot)][marker->reverse];
    if (done)
        return false;
    done = writecircularbind(out, editor.form6, name, bind);
    return done;
}

void writeKey(ConfigText& out, const Editor& editor, const KeyRow& row, const std::string& bind,
              WrittenChains& written) {
    const std::string name = bindKeyName(row);
    if (isHoldAliasBind(bind)) {
        out.line("bind ", name, " +a", row.suffix);
        out.line("alias +a", row.suffix, " ", quoted(bind));
        out.line("alias -a", row.suffix, " ", quoted(editor.slot10));
        out.emptyLine();
        return;
    }
    // A bind that only looks like a marker is still the key's bind: written plain, not dropped.
    if (writeCircularKey(out, editor, name, bind, written))
        return;
    out.line("bind ", name, " ", quoted(bind));
    out.emptyLine();
}

} // namespace

std::string writeConfig(const Editor& editor) {
    ConfigText out;
    out.reserve(liveKeyCount * bytesPerKey);
    writeSettings(out, editor);
    WrittenChains written{};
    for (KeyIndex key : fileOrder()) {
        const std::string& bind = editor.bind(key);
        if (!bind.empty())
            writeKey(out, editor, keyTable[key], bind, written);
    }
    return out.take();
}

} // namespace vantrel
