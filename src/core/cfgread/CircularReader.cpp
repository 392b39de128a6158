#include "cfgread/CircularReader.h"

#include "circular/Markers.h"
#include "text/Text.h"

#include <array>
#include <string>
#include <vector>

namespace vantrel {

namespace {

constexpr int firstLine = 1;
constexpr int lastLine = static_cast<int>(kMaxCircularBinds);
constexpr size_t startPrefixLength = 12; // `alias aCBn "` for slots 1 to 9
constexpr int stopAtEndsAddend = 10;
constexpr std::string_view chainPrefix = "alias aCB";
constexpr std::string_view bindPrefix = "bind ";
constexpr std::string_view lineWord = "line";
constexpr size_t linkSeparatorLength = 2; // the "; " in front of a chain line's next link

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Each slot's lines, in file order, sorted by the part of the slot they give.
struct SlotLines {
    std::vector<std::string_view> start;                           // `alias aCBn ...`
    std::array<std::vector<std::string_view>, lastLine + 1> chain; // `alias aCBnline<k>...` at k
    std::vector<std::string_view> reverse;                         // `bind ...aCBnr...`
};

std::array<SlotLines, kSlotCount> sortLines(const ConfigLines& lines) {
    std::array<SlotLines, kSlotCount> out;
    std::array<std::string, kSlotCount> forward, reverse;
    for (int n = 1; n <= kSlotCount; ++n) {
        forward[static_cast<size_t>(n - 1)] = "alias " + forwardMarker(n);
        reverse[static_cast<size_t>(n - 1)] = reverseMarker(n);
    }
    for (std::string_view line : lines.lines()) {
        const bool chain = startsWithIgnoreCase(line, chainPrefix);
        const bool bind =
            startsWithIgnoreCase(line, bindPrefix) && findIgnoreCase(line, "aCB") != std::string_view::npos;
        if (!chain && !bind)
            continue;
        for (size_t s = 0; s < kSlotCount; ++s) {
            if (bind) {
                if (findIgnoreCase(line, reverse[s], bindPrefix.size()) != std::string_view::npos)
                    out[s].reverse.push_back(line);
                continue;
            }
            if (!startsWithIgnoreCase(line, forward[s]))
                continue;
            const std::string_view after = line.substr(forward[s].size());
            if (!after.empty() && after.front() == ' ')
                out[s].start.push_back(line);
            else if (after.size() > lineWord.size() && startsWithIgnoreCase(after, lineWord)) {
                const int k = after[lineWord.size()] - '0';
                if (k >= firstLine && k <= lastLine)
                    out[s].chain[static_cast<size_t>(k)].push_back(line);
            }
        }
    }
    return out;
}

// The start named by the start alias line, "0" when its last character is no digit.
std::string startNumber(std::string_view line) {
    line = line.size() > startPrefixLength ? trimLeft(line.substr(startPrefixLength)) : std::string_view();
    if (!line.empty())
        line = trimRight(line.substr(0, line.size() - 1));
    if (line.empty() || !isDigit(line.back()))
        return "0";
    return std::string(1, line.back());
}

// A chain line's bind: the text between the first double quote and the next link. The writer puts
// "; " before the link, so words like the link's at the very start belong to the bind: taken for
// the link they would leave the whole rest of the line as the bind, and the line would grow at
// every save.
std::string chainBind(std::string_view line, int slot) {
    const size_t quote = line.find('"');
    if (quote != std::string_view::npos)
        line = trimLeft(line.substr(quote + 1));
    const size_t link = findIgnoreCase(line, "alias " + forwardMarker(slot), linkSeparatorLength);
    if (link != std::string_view::npos)
        line = line.substr(0, link - linkSeparatorLength);
    return std::string(trimRight(line));
}

// The stop-at-ends state: line 1 of a chain ends with its last link; a link to line 1 means the
// chain wraps.
int stopAddend(std::string_view line) {
    std::string_view last = line.substr(line.size() >= 2 ? line.size() - 2 : 0);
    if (!last.empty() && last.back() == '"')
        last.remove_suffix(1);
    last = trimLeft(last);
    bool digits = !last.empty();
    int value = 0;
    for (char c : last) {
        digits = digits && isDigit(c);
        value = value * 10 + (c - '0');
    }
    return digits && value == 1 ? 0 : stopAtEndsAddend;
}

// The reverse key: the key name of a reverse key's bind line, bare or between double quotes.
std::string reverseKeyName(std::string_view line) {
    std::string name(trimLeft(line.size() > bindPrefix.size() ? line.substr(bindPrefix.size()) : ""));
    const size_t blank = name.find(' ');
    if (blank != std::string::npos)
        name.erase(blank);
    // A quote at position p, counted from 1, is blanked with the p - 1 characters after it, so a
    // leading quote goes alone and a closing quote takes the rest of the name with it.
    const auto blankQuote = [&name]() {
        const size_t q = name.find('"');
        if (q != std::string::npos)
            name.replace(q, std::min(q + 1, name.size() - q), std::min(q + 1, name.size() - q), ' ');
    };
    blankQuote();
    name = std::string(trimLeft(name));
    blankQuote();
    return std::string(trimRight(name));
}

void restoreForwardKeys(Editor& editor) {
    for (int n = 1; n <= kSlotCount; ++n) {
        CircularSlot& slot = editor.form6.slot(n);
        if (!slot.inUse())
            continue;
        for (KeyIndex key : identifierOrder()) {
            if (equalsIgnoreCase(editor.bind(key), forwardMarker(n))) {
                slot.k = keyTable[key].id;
                break;
            }
        }
    }
}

} // namespace

bool lookupgamekey(Editor& editor, std::string_view name) {
    const std::optional<KeyIndex> key = keyByGame(name, Case::Ignore);
    if (!key)
        return false;
    editor.form6.lookedup = keyTable[*key].display;
    return true;
}

void readcircularbinds(Editor& editor, const ConfigIndex& file) {
    const std::array<SlotLines, kSlotCount> slots = sortLines(file.lines());
    for (int n = 1; n <= kSlotCount; ++n) {
        const SlotLines& lines = slots[static_cast<size_t>(n - 1)];
        CircularSlot& slot = editor.form6.slot(n);
        for (std::string_view line : lines.start)
            slot.o = startNumber(line);
        for (int k = firstLine; k <= lastLine; ++k)
            for (std::string_view line : lines.chain[static_cast<size_t>(k)])
                slot.binds.push_back(chainBind(line, n));
        for (std::string_view line : lines.chain[firstLine])
            if (!slot.o.empty())
                slot.o = std::to_string(std::stoi(slot.o) + stopAddend(line));
        for (std::string_view line : lines.reverse) {
            const bool known = lookupgamekey(editor, reverseKeyName(line));
            const std::optional<KeyIndex> key = keyByDisplay(editor.form6.lookedup, Case::Exact);
            slot.r = known && key ? std::string(keyTable[*key].id) : std::string();
        }
    }
    restoreForwardKeys(editor);
}

} // namespace vantrel
