#include "cfgread/CircularReader.h"

#include "cfgread/CommandText.h"
#include "circular/CircularRules.h"
#include "circular/Options.h"
#include "text/Console.h"
#include "text/Text.h"

#include <array>
#include <string>
#include <vector>

namespace vantrel {

namespace {

// The body of a chain alias line as the game stores it: what follows a closing quote (blanks, a
// comment) is no part of it.
std::string chainBody(std::string_view line) {
    const std::optional<AliasLine> alias = aliasLine(line);
    return alias ? commandBody(alias->rest) : std::string();
}

// The chain name an alias line defines, as the game reads the line; none for any other line.
std::optional<ChainName> chainNameOfLine(std::string_view line) {
    const std::optional<AliasLine> alias = aliasLine(line);
    return alias ? chainName(alias->name) : std::nullopt;
}

// The line of the chain that a word names; none when it names no line of that chain.
std::optional<int> lineOf(std::string_view word, MarkerRef chain) {
    const std::optional<ChainName> name = chainName(word);
    if (!name || name->chain != chain || name->line == 0)
        return std::nullopt;
    return name->line;
}

// A link: `alias <chain> <line> ...`, a command that sets one of the slot's own chains.
struct Link {
    bool reverse;
    std::optional<int> line; // the line it names
};

std::optional<Link> linkOf(std::string_view command, int slot) {
    const std::vector<ConsoleWord> words = consoleWords(command);
    if (words.size() < 3 || !equalsIgnoreCase(words[0].text, "alias"))
        return std::nullopt;
    const std::optional<ChainName> name = chainName(words[1].text);
    if (!name || name->line != 0 || name->chain.slot != slot)
        return std::nullopt;
    return Link{name->chain.reverse, lineOf(words[2].text, name->chain)};
}

// A chain line's body: the bind, and the lines its links name.
struct ChainLine {
    std::string bind;
    std::optional<int> next;     // the line the forward link names
    std::optional<int> lastLink; // the line the body's last link names
};

// The links are the commands that set the slot's own chains at the end of the body, a forward and a
// back link, with blanks and empty commands around them; the bind is the text before them. An
// earlier link, or one of another slot's chains, is the bind's own. A two-way slot's links stand in
// either order; a one-way slot's writer writes no back link, so a back link before its forward
// link is its bind's own, and one after it is read as a two-way chain's.
ChainLine readChainLine(std::string_view body, int slot, bool twoWay) {
    const std::vector<std::string_view> commands = consoleCommands(body);
    ChainLine out;
    size_t bindEnd = body.size();
    bool forward = false, back = false;
    for (size_t i = commands.size(); i-- > 0;) {
        if (!nextWord(commands[i]))
            continue;
        const std::optional<Link> link = linkOf(commands[i], slot);
        if (!link || (link->reverse ? back || (forward && !twoWay) : forward))
            break;
        if (!forward && !back)
            out.lastLink = link->line;
        (link->reverse ? back : forward) = true;
        if (!link->reverse)
            out.next = link->line;
        const size_t begin = static_cast<size_t>(commands[i].data() - body.data());
        bindEnd = begin == 0 ? 0 : begin - 1; // before the ";" that ends the bind
    }
    out.bind = std::string(trimTrailingSpaces(body.substr(0, bindEnd)));
    return out;
}

// The line a start alias line names: the first word of its first command that names a line of the
// slot's forward chain.
std::optional<int> startLine(std::string_view body, int slot) {
    for (std::string_view command : consoleCommands(body))
        if (const std::optional<ConsoleWord> first = nextWord(command))
            if (const std::optional<int> line = lineOf(first->text, MarkerRef{slot, false}))
                return line;
    return std::nullopt;
}

} // namespace

ForwardChains forwardChains(const ConfigIndex& file) {
    ForwardChains chains;
    for (std::string_view line : file.lines().lines()) {
        if (!startsWithIgnoreCase(line, "alias"))
            continue;
        const std::optional<ChainName> name = chainNameOfLine(line);
        if (!name || name->chain.reverse)
            continue;
        ForwardChainLines& slot = chains[slotIndex(name->chain.slot)];
        if (name->line == 0) {
            slot.starts.push_back(line);
        } else {
            slot.atLine[static_cast<size_t>(name->line)].push_back(line);
            slot.hasLine = true;
        }
    }
    return chains;
}

TakenChains takeOwnChains(const Editor& editor, const ForwardChains& chains) {
    TakenChains taken;
    for (int n = 1; n <= slotCount; ++n) {
        const ForwardChainLines& lines = chains[slotIndex(n)];
        TakenChain& own = taken[slotIndex(n)];
        own.forward =
            !lines.starts.empty() && lines.hasLine && !markerHolders(editor, forwardMarker(n)).empty();
        own.reverse = own.forward && !markerHolders(editor, reverseMarker(n)).empty();
    }
    return taken;
}

bool isTakenChainLine(const TakenChains& chains, std::string_view line) {
    const std::optional<ChainName> name = chainNameOfLine(line);
    if (!name)
        return false;
    const TakenChain& taken = chains[slotIndex(name->chain.slot)];
    return name->chain.reverse ? taken.reverse : taken.forward;
}

void readcircularbinds(Editor& editor, const ForwardChains& chains, const TakenChains& taken) {
    for (int n = 1; n <= slotCount; ++n) {
        const size_t s = slotIndex(n);
        if (!taken[s].forward)
            continue;
        const ForwardChainLines& lines = chains[s];
        CircularSlot& slot = editor.form6.slot(n);
        const auto read = [n, twoWay = taken[s].reverse](std::string_view line) {
            return readChainLine(chainBody(line), n, twoWay);
        };
        // The game keeps the last start line. One that names no line starts at bind 1, so the
        // reverse chain's start is the one the writer writes again. The rules that end Open make a
        // slot without a reverse key one-way.
        const int start = lines.starts.empty()
                              ? firstLine
                              : startLine(chainBody(lines.starts.back()), n).value_or(firstLine);
        // The end mode is what the forward key does at the last line: back to line 1 it goes round,
        // to the last line itself it stops. Otherwise the last link of line 1's last line decides,
        // the back link of a two-way chain: to line 1 it wraps.
        int last = lastLine;
        while (last > firstLine && lines.atLine[static_cast<size_t>(last)].empty())
            --last;
        const auto& lastLines = lines.atLine[static_cast<size_t>(last)];
        const std::optional<int> atLast = lastLines.empty() ? std::nullopt : read(lastLines.back()).next;
        const auto& firstLines = lines.atLine[firstLine];
        EndMode endMode = EndMode::Wrap;
        if (atLast != firstLine && atLast == last)
            endMode = EndMode::StopAtEnds;
        else if (atLast != firstLine && !firstLines.empty())
            endMode = read(firstLines.back()).lastLink == firstLine ? EndMode::Wrap : EndMode::StopAtEnds;
        slot.o = encodeOptions(start, endMode);
        for (int k = firstLine; k <= lastLine; ++k)
            for (std::string_view line : lines.atLine[static_cast<size_t>(k)])
                slot.binds.push_back(read(line).bind);
    }
}

} // namespace vantrel
