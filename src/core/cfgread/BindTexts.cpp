#include "cfgread/BindTexts.h"

#include "app/HoldAliasBind.h"
#include "cfgread/CommandText.h"
#include "text/Console.h"
#include "text/Text.h"

#include <algorithm>
#include <bitset>
#include <utility>

namespace vantrel {

const std::optional<std::string>& BindTexts::of(KeyIndex key) {
    if (state_[key] == State::Read)
        return text_[key];
    const size_t depth = reading_++;
    depth_[key] = depth;
    state_[key] = State::Reading;
    const size_t outer = std::exchange(shallowest_, depth);
    text_[key].reset();
    if (const std::optional<size_t> line = file_.bindLine(key))
        text_[key] = read(key, commandBody(keyBindLine(file_.lines()[*line])->rest));
    held_[key].reset();
    --reading_;
    state_[key] = shallowest_ < depth ? State::Unread : State::Read;
    shallowest_ = std::min(outer, shallowest_);
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
    if (state_[key] == State::Reading) {
        shallowest_ = std::min(shallowest_, depth_[key]);
        return {std::nullopt, true};
    }
    const std::optional<std::string>& text = of(key);
    // Asked only of keys whose pair a bind presses: a long text takes a while to match.
    if (!held_[key])
        held_[key] = text && isHoldAliasBind(*text);
    return *held_[key] ? Found{text} : Found{};
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

// The key's bind text read through the pairs it presses. A held text is written as the key's own
// pair in place of the file's, so it is kept as it stands while the file runs that pair elsewhere.
std::string BindTexts::read(KeyIndex key, std::string text) {
    if (!pressedPair(text)) // most binds: read without a copy
        return text;
    std::string out = spelledOut(key, text);
    if (out != text && isHoldAliasBind(out) && out != filePair(key) && pressedElsewhere(key))
        return text;
    return out;
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

// The key's text read through the pairs of the file or of the saved file; none where they loop. In
// the saved file the key's own pair is the file's: the writer writes it anew only for a held text,
// which presses nothing, and then as what the file's pair runs there.
std::optional<std::string> BindTexts::spelledOut(KeyIndex key, const std::string& text, Pairs pairs) {
    const auto inSavedFile = [&](KeyIndex pressed) {
        return pressed == key ? Found{filePair(key)} : runsInSavedFile(pressed);
    };
    std::bitset<keyCount> followed;
    std::string now = text;
    while (const std::optional<PairPress> press = pressedPair(now)) {
        if (followed[press->key])
            return std::nullopt;
        followed.set(press->key);
        const Found pair = pairs == Pairs::File ? runsInFile(press->key) : inSavedFile(press->key);
        if (pair.looped)
            return std::nullopt;
        if (!pair.text)
            return now;
        // A pair's release would leave what the other commands press held down: the text stays as
        // it is while the saved file's pair runs what this one does.
        if (pressesSomething(press->rest)) {
            const Found saved = pairs == Pairs::Saved ? pair : inSavedFile(press->key);
            if (saved.looped)
                return std::nullopt;
            if (saved.text == pair.text)
                return now;
        }
        std::string next = inPlaceOfPress(*pair.text, press->rest);
        if (isHoldAliasBind(next))
            return next;
        now = std::move(next);
    }
    return now;
}

// Calls `visit` with every word that presses something as a command of the text: the first word
// of each command when it begins with "+", and so in each quoted word, which a bind or an alias may
// run later.
template <typename Visit> void forEachPress(std::string_view text, Visit&& visit) {
    for (std::string_view command : consoleCommands(text)) {
        bool first = true;
        for (std::optional<ConsoleWord> word = nextWord(command); word; word = nextWord(command, word->end)) {
            if (word->quoted)
                forEachPress(word->text, visit);
            else if (first && word->text.starts_with('+'))
                visit(word->text);
            first = false;
        }
    }
}

// Which own press aliases the file presses other than from the first command of a bind, which Open
// spells out: in its lines the saved file keeps or writes again, a key's own alias lines apart, and
// in the bind lines the game uses. A held text presses nothing, so what is pressed here is pressed
// in the saved file too, wherever the reader moved it.
void BindTexts::findPresses() {
    Presses& presses = presses_.emplace();
    const auto note = [](std::bitset<keyCount>& pressed, std::string_view text) {
        forEachPress(text, [&pressed](std::string_view word) {
            if (const std::optional<KeyIndex> key = ownHoldAliasKey(word))
                pressed.set(*key);
        });
    };
    for (size_t i = 0; i < file_.lines().size(); ++i) {
        const std::string_view line = file_.lines()[i];
        if (line.find('+') == std::string_view::npos)
            continue;
        if (const std::optional<KeyIndex> bound = file_.boundKey(i)) {
            if (file_.bindLine(*bound) != i) // a bind line the game no longer uses is not written
                continue;
            const std::string text = commandBody(keyBindLine(line)->rest);
            const std::optional<PairPress> press = pressedPair(text);
            const bool spelledOut = press && !pressesSomething(press->rest);
            if (spelledOut)
                presses.firstOf[*bound] = press->key;
            note(presses.outside, spelledOut ? press->rest : std::string_view(text));
        } else if (const std::optional<KeyIndex> own = file_.ownAliasKey(i)) {
            note(presses.inPairOf[*own], line);
        } else {
            note(presses.outside, line);
        }
    }
}

// Whether the saved file presses the key's own press alias other than where Open spells it out: the
// alias lines of a key whose bind is held are the writer's, and press nothing; a bind that presses
// the alias first is spelt out unless it keeps its text.
bool BindTexts::pressedElsewhere(KeyIndex key) {
    if (!presses_)
        findPresses();
    if (presses_->outside[key])
        return true;
    for (KeyIndex other = 0; other < keyCount; ++other) {
        if (presses_->inPairOf[other][key] && !heldBind(other).text)
            return true;
        if (presses_->firstOf[other] == key && other != key && keepsPress(other, key))
            return true;
    }
    return false;
}

// Whether the key's bind still presses that alias first once read; a bind still being read may.
bool BindTexts::keepsPress(KeyIndex key, KeyIndex pressed) {
    if (state_[key] == State::Reading) {
        shallowest_ = std::min(shallowest_, depth_[key]);
        return true;
    }
    const std::optional<std::string>& text = of(key);
    const std::optional<PairPress> press = text ? pressedPair(*text) : std::nullopt;
    return press && press->key == pressed;
}

} // namespace vantrel
