#include "app/SavedBinds.h"

#include "app/Slot10Factors.h"
#include "text/Console.h"

#include <algorithm>

namespace vantrel {

const std::string& SavedBinds::text(KeyIndex key) {
    if (!readings_.isRead(key)) {
        const size_t outer = readings_.start(key);
        speltOut_[key].reset();
        const std::string& bind = editor_.bind(key);
        // Most binds press no pair: they are written as they stand, without a copy. A bind pressing
        // the key's own pair and then other commands keeps its text, as Open keeps it; alone, it
        // reads as the pair the kept lines define for the key, as Open reads it.
        if (const std::optional<PairPress> press = pressedPair(bind);
            press && (press->key != key || press->rest.empty())) {
            const auto runs = [this, key](KeyIndex pressed) {
                return pressed == key ? keptPair(key) : pair(pressed);
            };
            std::optional<std::string> read = readThroughPairs(bind, runs, runs);
            if (read && *read != bind)
                speltOut_[key] = std::move(*read);
        }
        held_[key] = isHoldAliasBind(speltOut_[key] ? *speltOut_[key] : bind);
        readings_.finish(key, outer);
    }
    return speltOut_[key] ? *speltOut_[key] : editor_.bind(key);
}

bool SavedBinds::held(KeyIndex key) {
    text(key);
    return held_[key];
}

PairText SavedBinds::pair(KeyIndex key) {
    // Pairs pressing each other back round to a key being read: its kept pair where it has one,
    // which its text, read through that round, then either keeps or replaces with a text of its own
    // that presses no pair; otherwise the pairs loop.
    if (readings_.askedWhileReading(key)) {
        PairText kept = keptPair(key);
        return kept.text ? kept : PairText{std::nullopt, true};
    }
    const std::string& written = text(key);
    return held_[key] ? PairText{written} : keptPair(key);
}

PairText SavedBinds::keptPair(KeyIndex key) {
    if (!keptPairs_) {
        std::array<std::optional<std::string_view>, keyCount> press, release;
        std::string_view keptFactor = defaultSlot10;
        for (const std::string& line : editor_.ssettings) {
            if (const std::optional<AliasLine> alias = aliasLine(line))
                if (const std::optional<KeyIndex> own = ownHoldAliasKey(alias->name))
                    (alias->name.front() == '+' ? press : release)[*own] = alias->rest;
            if (const std::optional<std::string_view> factor = factorSetBy(line))
                keptFactor = *factor;
        }
        // Open takes the factor from the file's last release: the editor's factor where the file
        // writes a pair, which a held bind does, and otherwise the kept lines' own. A pair released
        // by the kept lines' factor is read through only then; the keys that read it are then
        // written as pairs of their own, and read back as such.
        const bool keptFactorCounts =
            std::none_of(editor_.store.begin(), editor_.store.end(),
                         [](const std::string& bind) { return isHoldAliasBind(bind); });
        keptPairs_.emplace();
        for (KeyIndex k = 0; k < keyCount; ++k) {
            if (!press[k] || !release[k])
                continue;
            std::string text = commandBody(*press[k]);
            const std::string released = commandBody(*release[k]);
            if (isEditorsPair(text, released, editor_.slot10) ||
                (keptFactorCounts && isEditorsPair(text, released, keptFactor)))
                (*keptPairs_)[k] = std::move(text);
        }
    }
    return {(*keptPairs_)[key]};
}

std::string SavedBinds::throughPairs(const std::string& text) {
    const auto runs = [this](KeyIndex pressed) { return pair(pressed); };
    return readThroughPairs(text, runs, runs).value_or(text);
}

} // namespace vantrel
