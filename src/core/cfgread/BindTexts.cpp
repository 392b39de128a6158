#include "cfgread/BindTexts.h"

#include "app/HoldAliasBind.h"
#include "cfgread/CommandText.h"
#include "text/Console.h"
#include "text/Text.h"

#include <utility>

namespace vantrel {

const std::optional<std::string>& BindTexts::of(KeyIndex key) {
    if (readings_.isRead(key))
        return text_[key];
    const size_t outer = readings_.start(key);
    text_[key].reset();
    if (const std::optional<size_t> line = file_.bindLine(key))
        text_[key] = read(key, commandBody(keyBindLine(file_.lines()[*line])->rest));
    held_[key].reset();
    readings_.finish(key, outer);
    return text_[key];
}

// The press text of the key's own pair when the editor wrote the pair: the file's last press line
// holds a text of a hold pattern and its last release line runs the file's factor.
std::optional<std::string> BindTexts::filePair(KeyIndex key) const {
    const std::optional<size_t> press = file_.pressAliasLine(key);
    const std::optional<size_t> release = file_.releaseAliasLine(key);
    if (!press || !release)
        return std::nullopt;
    std::string text = commandBody(aliasLine(file_.lines()[*press])->rest);
    if (!isEditorsPair(text, commandBody(aliasLine(file_.lines()[*release])->rest), factor_))
        return std::nullopt;
    return text;
}

// The key's bind when the writer writes it as a pair, which replaces the file's own lines of it.
PairText BindTexts::heldBind(KeyIndex key) {
    if (readings_.askedWhileReading(key))
        return {std::nullopt, true};
    const std::optional<std::string>& text = of(key);
    // Asked only of keys whose pair a bind presses: a long text takes a while to match.
    if (!held_[key])
        held_[key] = text && isHoldAliasBind(*text);
    return *held_[key] ? PairText{text} : PairText{};
}

// What `+a<key>` runs in the file: the editor's pair there, or else the key's held bind, whose pair
// the writer writes anew in place of the file's.
PairText BindTexts::runsInFile(KeyIndex key) {
    if (std::optional<std::string> pair = filePair(key))
        return {std::move(pair)};
    return heldBind(key);
}

// What it runs in the saved file: the pair the writer writes for the key's held bind, or else the
// file's pair, whose lines are kept.
PairText BindTexts::runsInSavedFile(KeyIndex key) {
    PairText held = heldBind(key);
    if (held.text || held.looped)
        return held;
    return {filePair(key)};
}

// The key's bind text read through the pairs it presses. A bind that presses the key's own pair
// and then other commands keeps its text: written as the key's pair, that pair would run those
// commands too wherever else the file presses it.
std::string BindTexts::read(KeyIndex key, std::string text) {
    const std::optional<PairPress> press = pressedPair(text);
    if (!press || (press->key == key && !press->rest.empty())) // most binds: read without a copy
        return text;
    return spelledOut(key, text);
}

// The key's text read through the pairs it presses: what the file runs, pressing the file's pairs.
// Where those loop, what the saved file will run, pressing its pairs as the next Open reads the
// text. Where those loop too, the game runs the text until its buffer overflows: it is kept as the
// file says, with the alias lines it runs.
std::string BindTexts::spelledOut(KeyIndex key, const std::string& text) {
    if (std::optional<std::string> inFile = spelledOut(key, text, Pairs::File))
        return std::move(*inFile);
    if (std::optional<std::string> inSavedFile = spelledOut(key, text, Pairs::Saved))
        return std::move(*inSavedFile);
    return text;
}

// The key's text read through the pairs of the file or of the saved file; none where they loop. The
// key's own pair is the file's in both: the key's text, being read, is not yet there to replace
// it, and where it does, held, it presses no pair.
std::optional<std::string> BindTexts::spelledOut(KeyIndex key, const std::string& text, Pairs pairs) {
    const auto runs = [&](Pairs in) {
        return [this, key, in](KeyIndex pressed) {
            if (pressed == key)
                return PairText{filePair(key)};
            return in == Pairs::File ? runsInFile(pressed) : runsInSavedFile(pressed);
        };
    };
    return readThroughPairs(text, runs(pairs), runs(Pairs::Saved));
}

} // namespace vantrel
