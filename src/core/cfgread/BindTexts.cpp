#include "cfgread/BindTexts.h"

#include "app/HoldAliasBind.h"
#include "cfgread/CommandText.h"
#include "text/Console.h"
#include "text/Text.h"

#include <bitset>

namespace vantrel {

const std::optional<std::string>& BindTexts::of(KeyIndex key) {
    if (state_[key] != State::Unread)
        return text_[key];
    state_[key] = State::Reading;
    if (const std::optional<size_t> line = file_.bindLine(key))
        text_[key] = read(commandBody(keyBindLine(file_.lines()[*line])->rest));
    held_[key] = text_[key] && isHoldAliasBind(*text_[key]);
    state_[key] = State::Read;
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
    if (text.empty() || !matchesHoldPattern(text) ||
        !equalsIgnoreCase(commandBody(aliasLine(file_.lines()[*release])->rest), factor_))
        return std::nullopt;
    return text;
}

// The key's bind when the writer writes it as a pair, which replaces the file's own lines of it.
BindTexts::Found BindTexts::heldBind(KeyIndex key) {
    if (state_[key] == State::Reading)
        return {std::nullopt, true};
    const std::optional<std::string>& text = of(key);
    return held_[key] ? Found{text} : Found{};
}

// What `+a<key>` runs in the file: the editor's pair there, or else the key's held bind, whose pair
// the writer writes anew in place of the file's.
BindTexts::Found BindTexts::runsInFile(KeyIndex key) {
    if (std::optional<std::string> pair = filePair(key))
        return {std::move(pair)};
    return heldBind(key);
}

// What it runs in the saved file: the pair the writer writes for the key's held bind, or else the
// file's pair, whose lines are kept.
BindTexts::Found BindTexts::runsInSavedFile(KeyIndex key) {
    Found held = heldBind(key);
    if (held.text || held.looped)
        return held;
    return {filePair(key)};
}

// The bind line's text read through the pairs it presses. The first pair is the file's; a text
// that still presses a pair after that is written plain, and the next Open reads it against the
// saved file's pairs, so it is read so here. A pair met twice loops in the game until its buffer
// overflows: the text is kept as the file says, with the alias lines it runs.
std::string BindTexts::read(std::string text) {
    if (!pressedPair(text)) // most binds: read without a copy
        return text;
    std::bitset<keyCount> inFile, inSavedFile;
    std::string now = text;
    bool saved = false;
    while (const std::optional<PairPress> press = pressedPair(now)) {
        std::bitset<keyCount>& followed = saved ? inSavedFile : inFile;
        if (followed[press->key])
            return text;
        followed.set(press->key);
        const Found pair = saved ? runsInSavedFile(press->key) : runsInFile(press->key);
        if (pair.looped)
            return text;
        if (!pair.text)
            return now;
        // A pair's release would leave what the other commands press held down: the text stays as
        // it is while the saved file's pair runs what the file's did.
        if (pressesSomething(press->rest)) {
            if (saved)
                return now;
            const Found savedPair = runsInSavedFile(press->key);
            if (savedPair.looped)
                return text;
            if (savedPair.text == pair.text)
                return now;
        }
        std::string next = inPlaceOfPress(*pair.text, press->rest);
        if (isHoldAliasBind(next))
            return next;
        now = std::move(next);
        saved = true;
    }
    return now;
}

} // namespace vantrel
