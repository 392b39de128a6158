#include "cfgread/CircularReader.h"

#include "cfgread/CommandText.h"
#include "circular/CircularRules.h"
#include "text/Text.h"

#include <array>
#include <string>
#include <vector>

namespace vantrel {

namespace {

constexpr int firstLine = 1;
constexpr int lastLine = static_cast<int>(maxCircularBinds);
constexpr size_t linkSeparatorLength = 2; // the "; " in front of a chain line's next link

size_t slotIndex(int slot) {
    return static_cast<size_t>(slot - 1);
}

// The body of a chain alias line, read up to its closing quote: what follows the quote (blanks,
// a comment) is no part of it.
std::string_view chainBody(std::string_view line) {
    const std::optional<AliasLine> alias = aliasLine(line);
    return alias ? commandBody(alias->rest) : std::string_view();
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

// Takes the first word off the text as the game splits an alias body: a blank, a tab or a ";"
// ends a word, and blanks and tabs before it are no part of it.
std::string_view takeWord(std::string_view& text) {
    text = skipBlanks(text);
    const size_t end = std::min(text.find_first_of(" \t;"), text.size());
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

// The chain line a link names by its word; none when the word names none.
std::optional<int> linkedLine(std::string_view word) {
    const std::optional<ChainName> name = chainName(word);
    if (!name || name->line == 0)
        return std::nullopt;
    return name->line;
}

// The line the last link of a chain line's body names: the last `alias <name> <line>` command's.
std::optional<int> lastLink(std::string_view body) {
    std::optional<int> line;
    for (;;) {
        const size_t end = body.find(';');
        std::string_view command = body.substr(0, end);
        if (equalsIgnoreCase(takeWord(command), "alias") && !takeWord(command).empty())
            if (const std::string_view target = takeWord(command); !target.empty())
                line = linkedLine(target);
        if (end == std::string_view::npos)
            return line;
        body.remove_prefix(end + 1);
    }
}

} // namespace

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
        taken.forward = hasStart[slotIndex(n)] && hasLine[slotIndex(n)] &&
                        !markerHolders(editor, forwardMarker(n)).empty();
        taken.reverse = taken.forward && !markerHolders(editor, reverseMarker(n)).empty();
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
        // A start that names no line starts at bind 1, so the reverse chain's start is the one
        // the writer writes again. Line 1 ends with the back link of a two-way chain: to line 1
        // it wraps. The rules that end Open make a slot without a reverse key one-way.
        int start = firstLine;
        for (std::string_view line : starts[s]) {
            std::string_view body = chainBody(line);
            start = linkedLine(takeWord(body)).value_or(firstLine);
        }
        EndMode endMode = EndMode::Wrap;
        for (std::string_view line : chains[s][firstLine])
            endMode = lastLink(chainBody(line)) == firstLine ? EndMode::Wrap : EndMode::StopAtEnds;
        slot.o = encodeOptions(start, endMode);
        for (int k = firstLine; k <= lastLine; ++k)
            for (std::string_view line : chains[s][static_cast<size_t>(k)])
                slot.binds.push_back(chainBind(chainBody(line), n));
    }
}

} // namespace vantrel
