#include "cfgread/CircularReader.h"

#include "cfgread/CommandText.h"
#include "text/Text.h"

#include <array>
#include <string>
#include <vector>

namespace vantrel {

namespace {

constexpr int firstLine = 1;
constexpr int lastLine = static_cast<int>(maxCircularBinds);
constexpr int stopAtEndsAddend = 10;
constexpr std::string_view markerPrefix = "aCB";
constexpr std::string_view lineWord = "line";
constexpr size_t linkSeparatorLength = 2; // the "; " in front of a chain line's next link

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t slotIndex(int slot) {
    return static_cast<size_t>(slot - 1);
}

// The body of a chain alias line, read up to its closing quote: what follows the quote (blanks,
// a comment) is no part of it.
std::string_view chainBody(std::string_view line) {
    const std::optional<AliasLine> alias = aliasLine(line);
    return alias ? commandBody(alias->rest) : std::string_view();
}

// The start named by the start alias line, "0" when its body ends in no digit.
std::string startNumber(std::string_view body) {
    if (body.empty() || !isDigit(body.back()))
        return "0";
    return std::string(1, body.back());
}

// A chain line's bind: the text before the next link. The writer puts "; " before the link, so words
// like the link's at the very start belong to the bind: taken for the link they would leave the
// whole rest of the line as the bind, and the line would grow at every save.
std::string chainBind(std::string_view body, int slot) {
    body = trimLeft(body);
    const size_t link = findIgnoreCase(body, "alias " + forwardMarker(slot), linkSeparatorLength);
    if (link != std::string_view::npos)
        body = body.substr(0, link - linkSeparatorLength);
    return std::string(trimRight(body));
}

// The stop-at-ends state: line 1 of a chain ends with its last link; a link to line 1 means the chain wraps.
// Blanks and tabs around the end number are no part of it.
int stopAddend(std::string_view body) {
    while (!body.empty() && isBlank(body.back()))
        body.remove_suffix(1);
    size_t digits = 0;
    while (digits < body.size() && isDigit(body[body.size() - 1 - digits]))
        ++digits;
    std::string_view number = body.substr(body.size() - digits);
    while (number.size() > 1 && number.front() == '0')
        number.remove_prefix(1);
    return number == "1" ? 0 : stopAtEndsAddend;
}

// The first key, in identifier order, holding the marker (letter case ignored).
std::optional<KeyIndex> firstHolder(const Editor& editor, const std::string& marker) {
    for (KeyIndex key : identifierOrder())
        if (equalsIgnoreCase(editor.bind(key), marker))
            return key;
    return std::nullopt;
}

} // namespace

std::optional<ChainName> chainName(std::string_view name) {
    if (!startsWithIgnoreCase(name, markerPrefix))
        return std::nullopt;
    name.remove_prefix(markerPrefix.size());
    if (name.empty() || name.front() < '1' || name.front() > '9')
        return std::nullopt;
    int slot = name.front() - '0';
    name.remove_prefix(1);
    if (slot == 1 && !name.empty() && name.front() == '0') {
        slot = slotCount;
        name.remove_prefix(1);
    }
    const bool reverse = !name.empty() && foldAscii(name.front()) == 'r';
    if (reverse)
        name.remove_prefix(1);
    if (name.empty())
        return ChainName{{slot, reverse}, 0};
    if (name.size() != lineWord.size() + 1 || !startsWithIgnoreCase(name, lineWord))
        return std::nullopt;
    const int k = name.back() - '0';
    if (k < firstLine || k > lastLine)
        return std::nullopt;
    return ChainName{{slot, reverse}, k};
}

TakenChains takeOwnChains(const Editor& editor, const ConfigIndex& file) {
    std::array<bool, slotCount> hasStart{}, hasLine{};
    for (std::string_view line : file.lines().lines()) {
        if (!startsWithIgnoreCase(line, "alias"))
            continue;
        const std::optional<AliasLine> alias = aliasLine(line);
        const std::optional<ChainName> name = alias ? chainName(alias->name) : std::nullopt;
        if (!name || name->chain.reverse)
            continue;
        (name->line == 0 ? hasStart : hasLine)[slotIndex(name->chain.slot)] = true;
    }
    TakenChains chains;
    for (int n = 1; n <= slotCount; ++n) {
        TakenChain& taken = chains[slotIndex(n)];
        taken.forward =
            hasStart[slotIndex(n)] && hasLine[slotIndex(n)] && firstHolder(editor, forwardMarker(n));
        taken.reverse = taken.forward && firstHolder(editor, reverseMarker(n));
    }
    return chains;
}

bool isTakenChainLine(const TakenChains& chains, std::string_view line) {
    const std::optional<AliasLine> alias = aliasLine(line);
    const std::optional<ChainName> name = alias ? chainName(alias->name) : std::nullopt;
    if (!name)
        return false;
    const TakenChain& taken = chains[slotIndex(name->chain.slot)];
    return name->chain.reverse ? taken.reverse : taken.forward;
}

bool lookupgamekey(Editor& editor, std::string_view name) {
    const std::optional<KeyIndex> key = keyByGame(name, Case::Ignore);
    if (!key)
        return false;
    editor.form6.lookedup = keyTable[*key].display;
    return true;
}

void readcircularbinds(Editor& editor, const ConfigIndex& file, const TakenChains& taken) {
    // Each taken slot's start lines and chain lines at k, in file order.
    std::array<std::vector<std::string_view>, slotCount> starts;
    std::array<std::array<std::vector<std::string_view>, lastLine + 1>, slotCount> chains;
    for (std::string_view line : file.lines().lines()) {
        if (!startsWithIgnoreCase(line, "alias"))
            continue;
        const std::optional<AliasLine> alias = aliasLine(line);
        const std::optional<ChainName> name = alias ? chainName(alias->name) : std::nullopt;
        if (!name || name->chain.reverse || !taken[slotIndex(name->chain.slot)].forward)
            continue;
        const size_t s = slotIndex(name->chain.slot);
        if (name->line == 0)
            starts[s].push_back(line);
        else
            chains[s][static_cast<size_t>(name->line)].push_back(line);
    }
    for (int n = 1; n <= slotCount; ++n) {
        const size_t s = slotIndex(n);
        if (!taken[s].forward)
            continue;
        CircularSlot& slot = editor.form6.slot(n);
        for (std::string_view line : starts[s])
            slot.o = startNumber(chainBody(line));
        for (int k = firstLine; k <= lastLine; ++k)
            for (std::string_view line : chains[s][static_cast<size_t>(k)])
                slot.binds.push_back(chainBind(chainBody(line), n));
        for (std::string_view line : chains[s][firstLine])
            slot.o = std::to_string(std::stoi(slot.o) + stopAddend(chainBody(line)));
        if (const auto reverse = taken[s].reverse ? firstHolder(editor, reverseMarker(n)) : std::nullopt) {
            lookupgamekey(editor, keyTable[*reverse].game);
            slot.r = keyTable[*reverse].id;
        }
    }
}

} // namespace vantrel
