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
#ifdef NDEBUG
constexpr int fileCount = 2000;
#else
constexpr int fileCount = 300;
#endif

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
                                                          "\tbind f1 x",
                                                          "exec other.cfg"};
constexpr std::array<std::string_view, 3> slot10Texts = {"slot10;wait", "slot10", "wait;slot10"};

// A file under construction with the effects each of its parts must have once opened.
struct GeneratedFile {
    std::vector<std::string> prelude; // binds an unbindall may follow
    std::vector<std::string> lines;
    std::vector<std::function<void(const Editor&, const std::string&)>> checks;

    std::string bytes() const {
        std::string out;
        for (const auto* part : {&prelude, &lines})
            for (const std::string& line : *part)
                out += line + "\r\n";
        return out;
    }
};

bool keeps(const Editor& editor, std::string_view line) {
    const auto& kept = editor.ssettings;
    return std::any_of(kept.begin(), kept.end(),
                       [line](const std::string& k) { return trimRight(k) == trimRight(line); });
}

std::string keyName(KeyIndex key, Random& random) {
    const std::string bare = bindKeyName(keyTable[key]);
    return random.percent(30) && bare.front() != '"' ? "\"" + bare + "\"" : bare;
}

std::string link(const std::string& marker, size_t line) {
    return "alias " + marker + " " + marker + "line" + std::to_string(line);
}

// A slot the editor writes again: its forward key and maybe a reverse key, the chain as the writer
// forms it, with blanks and comments after the closing quotes and around line 1's end number.
void ownSlot(GeneratedFile& file, Random& random, int n, KeyIndex forward, std::optional<KeyIndex> reverse) {
    const std::string self = forwardMarker(n), other = reverseMarker(n);
    std::vector<std::string> binds;
    const size_t count = 1 + random.below(maxCircularBinds);
    for (size_t i = 0; i < count; ++i)
        binds.emplace_back(random.pick(chainBinds));
    const size_t start = 1 + random.below(count);
    const bool stop = random.percent(50);
    const bool twoWay = reverse.has_value();
    file.lines.push_back("bind " + keyName(forward, random) + " \"" + self + "\"");
    file.lines.push_back("alias " + self + " \"" + self + "line" + std::to_string(start) + "\"" +
                         std::string(random.pick(trailers)));
    for (size_t k = 1; k <= count; ++k) {
        std::string body = binds[k - 1] + "; " + link(self, k < count ? k + 1 : (stop && twoWay ? count : 1));
        if (twoWay)
            body += "; " + link(other, k > 1 ? count + 2 - k : (stop ? count : 1));
        if (k == 1 && random.percent(30))
            body += random.pick(std::array<std::string_view, 2>{" ", " \t"});
        file.lines.push_back("alias " + self + "line" + std::to_string(k) + " \"" + body + "\"" +
                             std::string(random.pick(trailers)));
    }
    if (reverse) {
        file.lines.push_back("bind " + keyName(*reverse, random) + " \"" + other + "\"");
        file.lines.push_back("alias " + other + " \"" + other + "line1\"");
        file.lines.push_back("alias " + other + "line1 \"x; " + link(other, 1) + "; " + link(self, 1) + "\"");
    }
    const bool wraps = count == 1 || (twoWay && !stop);
    const std::string o = std::to_string(start + (wraps ? 0 : 10));
    const std::string k = std::string(keyTable[forward].id);
    const std::string r = reverse ? std::string(keyTable[*reverse].id) : "";
    file.checks.push_back([=](const Editor& e, const std::string& at) {
        const CircularSlot& slot = e.form6.slot(n);
        EXPECT_EQ(slot.binds, binds) << at << " slot " << n;
        EXPECT_EQ(slot.o, o) << at << " slot " << n << " start and end mode";
        EXPECT_EQ(slot.k, k) << at << " slot " << n;
        EXPECT_EQ(slot.r, r) << at << " slot " << n;
    });
}

// Lines the editor does not write itself, kept whole; those of a chain of slot n (n > 0) leave it free.
void keptChain(GeneratedFile& file, Random& random, int n, std::vector<std::string> chain) {
    for (std::string& line : chain) {
        line += random.pick(trailers);
        file.lines.push_back(line);
    }
    file.checks.push_back([=](const Editor& e, const std::string& at) {
        if (n > 0) {
            EXPECT_FALSE(e.form6.slot(n).inUse()) << at << " slot " << n;
        }
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
    std::vector<KeyIndex> keys(fileOrder().begin(), fileOrder().end());
    std::vector<int> slots;
    for (int n = 1; n <= slotCount; ++n)
        slots.push_back(n);
    for (size_t i = keys.size(); i > 1; --i)
        std::swap(keys[i - 1], keys[random.below(i)]);
    for (size_t i = slots.size(); i > 1; --i)
        std::swap(slots[i - 1], slots[random.below(i)]);
    size_t nextKey = 0;
    const auto takeKey = [&] { return keys[nextKey++]; };

    for (int n : slots) {
        switch (random.below(4)) {
        case 0: { // the editor's own slot, with chain-like names it does not read
            const KeyIndex forward = takeKey();
            std::optional<KeyIndex> reverse;
            if (random.percent(50))
                reverse = takeKey();
            ownSlot(file, random, n, forward, reverse);
            keptChain(file, random, 0,
                      {"alias " + forwardMarker(n) + "line12 \"z; " + link(forwardMarker(n), 1) + "\"",
                       "alias " + forwardMarker(n) + "line1x \"z\""});
            break;
        }
        case 1: { // a reverse chain whose forward chain is missing
            const KeyIndex key = takeKey();
            const std::string self = reverseMarker(n);
            file.lines.push_back("bind " + keyName(key, random) + " \"" + self + "\"");
            keptChain(file, random, n,
                      {"alias " + self + " \"" + self + "line1\"", "alias " + self + "line1 \"slot2; " +
                                                                       link(self, 1) + "; " +
                                                                       link(forwardMarker(n), 1) + "\""});
            expectBind(file, key, self, "a reverse marker without its chain stays the key's text");
            break;
        }
        case 2: // the chain of a marker only a key outside the table holds
            keptChain(file, random, n,
                      {"bind \"PAUSE\" \"" + forwardMarker(n) + "\"",
                       "alias " + forwardMarker(n) + " \"" + forwardMarker(n) + "line1\"",
                       "alias " + forwardMarker(n) + "line1 \"slot3; " + link(forwardMarker(n), 1) + "\""});
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
        const std::string press = "alias +a" + suffix + " \"say go " + suffix + "\"";
        const std::string release = "alias -a" + suffix + (own ? " \"slot10s\"" : " \"-jump\"");
        file.lines.push_back("bind " + keyName(key, random) + " +a" + suffix);
        file.lines.push_back(press);
        file.lines.push_back(release);
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
        file.prelude.push_back("bind " + keyName(key, random) + " \"early\"");
        expectBind(file, key, unbindAll ? "" : "early", "a bind before an unbindall");
    }
    if (unbindAll)
        file.prelude.push_back(random.percent(50) ? "unbindall" : "unbindall // all");
    // Binds, then an unbind naming the key: the game leaves it unbound unless a second word follows.
    for (size_t i = random.below(4); i > 0; --i) {
        const KeyIndex key = takeKey();
        const bool ignored = random.percent(25);
        file.lines.push_back("bind " + keyName(key, random) + " \"kill\"");
        file.lines.push_back("unbind " + keyName(key, random) +
                             (ignored ? " now" : std::string(random.pick(trailers))));
        expectBind(file, key, ignored ? "kill" : "", "a bind followed by an unbind");
    }

    if (random.percent(70)) {
        const std::string text(random.pick(slot10Texts));
        file.lines.push_back("alias slot10s \"" + text + "\"" + std::string(random.pick(trailers)));
        file.checks.push_back(
            [text](const Editor& e, const std::string& at) { EXPECT_EQ(e.slot10s, text) << at; });
    }
    std::vector<std::string> foreign;
    for (size_t i = random.below(5); i > 0; --i)
        foreign.emplace_back(random.pick(foreignLines));
    keptChain(file, random, 0, foreign);

    return file;
}

TEST(GeneratedFiles, KeepTheirEffectsAndSettleAfterOneRound) {
    Random random(fileSeed);
    SilentPrompter prompter;
    for (int i = 0; i < fileCount && !::testing::Test::HasFailure(); ++i) {
        const GeneratedFile file = generate(random);
        const std::string bytes = file.bytes();
        Editor opened{prompter};
        Form_Load(opened);
        openBytes(opened, bytes);
        const std::string b1 = saveOpened(bytes);
        Editor reopened{prompter};
        Form_Load(reopened);
        openBytes(reopened, b1);
        for (const auto& check : file.checks) {
            check(opened, "file " + std::to_string(i) + " opened");
            check(reopened, "file " + std::to_string(i) + " saved and opened");
        }
        const std::string diff = difference(b1, saveOpened(b1));
        EXPECT_TRUE(diff.empty()) << "file " << i << ": " << diff << "\n" << bytes;
    }
}

} // namespace
} // namespace vantrel::testing
