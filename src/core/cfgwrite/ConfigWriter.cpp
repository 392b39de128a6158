#include "cfgwrite/ConfigWriter.h"

#include "app/HoldAliasBind.h"
#include "app/SavedBinds.h"
#include "app/Slot10Factors.h"
#include "cfgwrite/CircularWriter.h"
#include "cfgwrite/ConfigText.h"
#include "circular/Markers.h"
#include "text/Console.h"
#include "text/Text.h"

#include <algorithm>
#include <optional>

namespace vantrel {

namespace {

// Room for a typical key block, so that a full store is built without regrowing the text.
constexpr size_t bytesPerKey = 160;

// True for a kept line defining the press or release alias of a key the file writes as a pair: the
// pair written for the key replaces it, as Open drops it when the key's bind is held.
bool isReplacedPairLine(std::string_view kept, SavedBinds& binds) {
    const std::optional<AliasLine> alias = aliasLine(kept);
    if (!alias)
        return false;
    const std::optional<KeyIndex> key = ownHoldAliasKey(alias->name);
    return key && binds.held(*key);
}

void writeSettings(ConfigText& out, const Editor& editor, SavedBinds& binds) {
    for (const std::string* rcon : {&editor.srconport, &editor.srconpass}) {
        if (rcon->empty())
            continue;
        out.line(*rcon);
        out.emptyLine();
    }
    out.emptyLine();
    out.line("alias ", slot10sAlias, " ", quoted(editor.slot10s));
    out.emptyLine();
    // The reader keeps a line from its first word on, so only its end needs trimming. Spaces inside
    // a double quote the line leaves open are its last word's own: without them the game, and the
    // reader, could read the line as other commands.
    bool wroteKept = false;
    for (const std::string& kept : editor.ssettings) {
        if (isReplacedPairLine(kept, binds))
            continue;
        out.line(std::count(kept.begin(), kept.end(), '"') % 2 == 0 ? trimTrailingSpaces(kept) : kept);
        wroteKept = true;
    }
    if (wroteKept)
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

void writeKey(ConfigText& out, const Editor& editor, KeyIndex key, SavedBinds& binds,
              WrittenChains& written) {
    const KeyRow& row = keyTable[key];
    const std::string& bind = binds.text(key);
    const std::string name = bindKeyName(row);
    if (binds.held(key)) {
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
    SavedBinds binds(editor);
    writeSettings(out, editor, binds);
    WrittenChains written{};
    for (KeyIndex key : fileOrder())
        if (!editor.bind(key).empty())
            writeKey(out, editor, key, binds, written);
    return out.take();
}

} // namespace vantrel
