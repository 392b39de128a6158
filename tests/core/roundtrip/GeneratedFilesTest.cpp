// Opening and saving generated files that hold what the game runs and the editor does not write
// itself: chains it does not rebuild, names beginning with "aCB", pairs with a release of their own,
// unbind lines after binds, text after closing quotes and foreign lines. Each feature keeps its
// effect through Open and a save, and the saved file settles after one round.
#include "EditorStates.h"
#include "RoundTrip.h"
#include "SilentPrompter.h"

#include "cfgwrite/ConfigText.h"
#include "circular/Markers.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace vantrel::testing {
namespace {

constexpr std::uint32_t fileSeed = 11122026;
constexpr int fileCount = optimisedBuild ? 2000 : 300;

constexpr std::array<std::string_view, 7> chainBinds = {
    "slot1", "+jump", "say hi there", "weapon_knife", "echo x;echo y", "buy m4a1", "-"};
// What may follow a closing quote without being part of the line's body.
constexpr std::array<std::string_view, 5> trailers = {"", " ", "\t", " // note", "\t\t// x \"y\""};
constexpr std::array<std::string_view, 8> foreignLines = {"echo hi",
                                                          "// a comment",
                                                          "sensitivity \"2.5\"",
                                                          "bind \"JOY1\" \"+attack\"",
                                                          "alias +jd \"+jump;+duck\"",
                                                          "cl_x 1 // one",
                                                          "bindx f1 x",
                                                          "exec other.cfg"};
constexpr std::array<std::string_view, 3> slot10Texts = {"slot10;wait", "slot10", "wait;slot10"};

using Check = std::function<void(const Editor&, const std::string& at)>;

// A file under construction with the effects each of its parts must have once opened.
struct GeneratedFile {
    std::vector<std::string> prelude; // binds an unbindall may follow
    std::vector<std::string> lines;
    std::vector<Check> checks;

    std::string bytes() const {
        std::string out;
        for (const auto* part : {&prelude, &lines})
            for (const std::string& line : *part)
                out += line + "\r\n";
        return out;
    }
};

bool keeps(const Editor& editor, std::string_view line) {
    return std::any_of(editor.ssettings.begin(), editor.ssettings.end(), [line](const std::string& k) {
        return trimTrailingSpaces(k) == trimTrailingSpaces(line);
    });
}

std::string keyName(KeyIndex key, Random& random) {
    const std::string bare = bindKeyName(keyTable[key]);
    return random.percent(30) && bare.front() != '"' ? "\"" + bare + "\"" : bare;
}

std::string bindLine(KeyIndex key, Random& random, const std::string& text) {
    return "bind " + keyName(key, random) + " \"" + text + "\"";
}

std::string alias(const std::string& name, const std::string& body) {
    return "alias " + name + " \"" + body + "\"";
}

std::string lineName(const std::string& marker, size_t line) {
    return marker + "line" + std::to_string(line);
}

std::string link(const std::string& marker, size_t line) {
    return "alias " + marker + " " + lineName(marker, line);
}

// A slot the editor writes again: its forward key and maybe a reverse key, the chain as the writer
// forms it, with blanks and comments after the closing quotes and around line 1's end number.
void ownSlot(GeneratedFile& file, Random& random, int n, KeyIndex forward, std::optional<KeyIndex> reverse) {
    const std::string self = forwardMarker(n), other = reverseMarker(n);
    std::vector<std::string> binds(1 + random.below(maxCircularBinds));
    for (std::string& bind : binds)
        bind = random.pick(chainBinds);
    const size_t count = binds.size(), start = 1 + random.below(count);
    const bool stop = random.percent(50), twoWay = reverse.has_value();
    file.lines.push_back(bindLine(forward, random, self));
    file.lines.push_back(alias(self, lineName(self, start)) + std::string(random.pick(trailers)));
    for (size_t k = 1; k <= count; ++k) {
        std::string body = binds[k - 1] + "; " + link(self, k < count ? k + 1 : (stop && twoWay ? count : 1));
        if (twoWay)
            body += "; " + link(other, k > 1 ? count + 2 - k : (stop ? count : 1));
        if (k == 1 && random.percent(30))
            body += random.pick(std::array<std::string_view, 2>{" ", " \t"});
        file.lines.push_back(alias(lineName(self, k), body) + std::string(random.pick(trailers)));
    }
    if (reverse) {
        file.lines.push_back(bindLine(*reverse, random, other));
        file.lines.push_back(alias(other, lineName(other, 1)));
        file.lines.push_back(alias(lineName(other, 1), "x; " + link(other, 1) + "; " + link(self, 1)));
    }
    const CircularSlot want{binds, std::string(keyTable[forward].id),
                            reverse ? std::string(keyTable[*reverse].id) : "",
                            readOptions(start, count, twoWay, stop)};
    file.checks.push_back([=](const Editor& e, const std::string& at) {
        EXPECT_EQ(e.form6.slot(n), want) << at << " slot " << n;
    });
}

// Lines the editor does not write itself, kept whole; those of a chain of slot n (n > 0) leave it free.
void keptChain(GeneratedFile& file, Random& random, int n, std::vector<std::string> chain) {
    for (std::string& line : chain)
        file.lines.push_back(line += random.pick(trailers));
    file.checks.push_back([=](const Editor& e, const std::string& at) {
        EXPECT_FALSE(n > 0 && e.form6.slot(n).inUse()) << at << " slot " << n;
        for (const std::string& line : chain)
            EXPECT_TRUE(keeps(e, line)) << at << " kept: " << line;
    });
}

void expectBind(GeneratedFile& file, KeyIndex key, std::string bind, const char* why) {
    file.checks.push_back([=](const Editor& e, const std::string& at) {
        EXPECT_EQ(e.bind(key), bind) << at << " " << keyTable[key].id << ": " << why;
    });
}

GeneratedFile generate(Random& random) {
    GeneratedFile file;
    const std::vector<KeyIndex> keys = shuffledLiveKeys(random);
    size_t nextKey = 0;
    const auto takeKey = [&] { return keys[nextKey++]; };

    for (int n : shuffledSlots(random)) {
        const std::string forward = forwardMarker(n), reverse = reverseMarker(n);
        switch (random.below(4)) {
        case 0: { // the editor's own slot, with chain-like names it does not read
            const KeyIndex key = takeKey();
            ownSlot(file, random, n, key, random.percent(50) ? std::optional(takeKey()) : std::nullopt);
            keptChain(file, random, 0,
                      {alias(forward + "line12", "z; " + link(forward, 1)), alias(forward + "line1x", "z")});
            break;
        }
        case 1: { // a reverse chain whose forward chain is missing
            const KeyIndex key = takeKey();
            file.lines.push_back(bindLine(key, random, reverse));
            keptChain(file, random, n,
                      {alias(reverse, lineName(reverse, 1)),
                       alias(lineName(reverse, 1), "slot2; " + link(reverse, 1) + "; " + link(forward, 1))});
            expectBind(file, key, reverse, "a reverse marker without its chain stays the key's text");
            break;
        }
        case 2: // the chain of a marker only a key outside the table holds
            keptChain(file, random, n,
                      {"bind \"PAUSE\" \"" + forward + "\"", alias(forward, lineName(forward, 1)),
                       alias(lineName(forward, 1), "slot3; " + link(forward, 1))});
            break;
        default:
            break;
        }
    }
    keptChain(file, random, 0, {"alias acbuy \"buy; menuselect 4\"", "alias aCBx \"q\""});

    // Pairs: released by the file's factor they are the editor's own; with a release of their own
    // the key reads its hold name and both lines stay.
    const bool factorPairs = random.percent(50);
    bool factorSet = false;
    for (size_t i = random.below(4); i > 0; --i) {
        const KeyIndex key = takeKey();
        const std::string suffix(keyTable[key].suffix);
        const bool own = factorPairs && random.percent(50);
        const std::string press = alias("+a" + suffix, "say go " + suffix);
        const std::string release = "alias -a" + suffix + (own ? " \"slot10s\"" : " \"-jump\"");
        file.lines.insert(file.lines.end(),
                          {"bind " + keyName(key, random) + " +a" + suffix, press, release});
        factorSet = factorSet || own;
        if (own) {
            expectBind(file, key, "say go " + suffix, "a pair released by the factor");
        } else {
            expectBind(file, key, "+a" + suffix, "a pair with a release of its own");
            keptChain(file, random, 0, {press, release});
        }
    }
    if (factorSet)
        file.checks.push_back(
            [](const Editor& e, const std::string& at) { EXPECT_EQ(e.slot10, "slot10s") << at; });

    // The parts in a random order, a chain's lines may stand apart.
    for (size_t i = file.lines.size(); i > 1; --i)
        if (random.percent(20))
            std::swap(file.lines[i - 1], file.lines[random.below(i)]);

    // Binds, then an unbindall that leaves them unbound.
    const bool unbindAll = random.percent(30);
    for (size_t i = random.below(4); i > 0; --i) {
        const KeyIndex key = takeKey();
        file.prelude.push_back(bindLine(key, random, "early"));
        expectBind(file, key, unbindAll ? "" : "early", "a bind before an unbindall");
    }
    if (unbindAll)
        file.prelude.push_back(random.percent(50) ? "unbindall" : "unbindall // all");
    // Binds, then an unbind naming the key: the game leaves it unbound unless a second word follows.
    for (size_t i = random.below(4); i > 0; --i) {
        const KeyIndex key = takeKey();
        const bool ignored = random.percent(25);
        file.lines.push_back(bindLine(key, random, "kill"));
        file.lines.push_back("unbind " + keyName(key, random) +
                             (ignored ? " now" : std::string(random.pick(trailers))));
        expectBind(file, key, ignored ? "kill" : "", "a bind followed by an unbind");
    }

    if (random.percent(70)) {
        const std::string text(random.pick(slot10Texts));
        file.lines.push_back(alias("slot10s", text) + std::string(random.pick(trailers)));
        file.checks.push_back(
            [text](const Editor& e, const std::string& at) { EXPECT_EQ(e.slot10s, text) << at; });
    }
    std::vector<std::string> foreign(random.below(5));
    for (std::string& line : foreign)
        line = random.pick(foreignLines);
    keptChain(file, random, 0, foreign);
    return file;
}

TEST(GeneratedFiles, KeepTheirEffectsAndSettleAfterOneRound) {
    Random random(fileSeed);
    SilentPrompter prompter;
    for (int i = 0; i < fileCount && !::testing::Test::HasFailure(); ++i) {
        const GeneratedFile file = generate(random);
        const std::string bytes = file.bytes(), b1 = saveOpened(bytes);
        const Editor first = opened(prompter, bytes), second = opened(prompter, b1);
        for (const Check& check : file.checks) {
            check(first, "file " + std::to_string(i) + " opened");
            check(second, "file " + std::to_string(i) + " saved and opened");
        }
        const std::string diff = difference(b1, saveOpened(b1));
        EXPECT_TRUE(diff.empty()) << "file " << i << ": " << diff << "\n" << bytes;
    }
}

} // namespace
} // namespace vantrel::testing
