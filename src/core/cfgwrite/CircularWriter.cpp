#include "cfgwrite/CircularWriter.h"

#include "circular/Options.h"
#include "text/Text.h"

#include <algorithm>
#include <optional>

namespace vantrel {

namespace {

constexpr std::string_view markerPrefix = "aCB";
constexpr std::string_view reverseSuffix = "r";
constexpr std::string_view lineInfix = "line";

struct Chain {
    int slot;
    bool reverse;
};

std::string forwardName(int slot) {
    return std::string(markerPrefix) + std::to_string(slot);
}
std::string reverseName(int slot) {
    return forwardName(slot) + std::string(reverseSuffix);
}

// Whole-text match, letter case ignored; the reverse name of a slot is tried before its forward name.
std::optional<Chain> chainOf(std::string_view bind) {
    for (int n = 1; n <= kSlotCount; ++n) {
        if (equalsIgnoreCase(bind, reverseName(n)))
            return Chain{n, true};
        if (equalsIgnoreCase(bind, forwardName(n)))
            return Chain{n, false};
    }
    return std::nullopt;
}

std::string lineName(const std::string& name, long long k) {
    return name + std::string(lineInfix) + std::to_string(k);
}

} // namespace

std::vector<std::string_view> chainBinds(const std::vector<std::string>& binds) {
    std::vector<std::string_view> out;
    for (size_t i = 0; i < binds.size(); ++i) {
        std::string_view entry = trimRight(binds[i]);
        if (i > 0)
            entry = trimLeft(entry);
        const bool lastPlace = out.size() + 1 == kMaxCircularBinds;
        if (!entry.empty())
            out.push_back(entry);
        if (lastPlace)
            break;
    }
    return out;
}

bool writecircularbind(ConfigText& out, const CircularTable& form6, std::string_view savekeyname,
                       std::string_view savekeybind) {
    const std::optional<Chain> chain = chainOf(savekeybind);
    if (!chain)
        return false;
    const CircularSlot& slot = form6.slot(chain->slot);
    const std::optional<long long> o = optionsValue(slot.o);
    if (!o)
        return false;

    std::vector<std::string_view> b = chainBinds(slot.binds);
    if (b.empty())
        b.emplace_back(); // line 1 is written even without a bind
    const auto n = static_cast<long long>(b.size());
    if (chain->reverse)
        std::reverse(b.begin(), b.end());

    const Options options = decodeOptions(*o);
    const bool stop = options.state == EndMode::StopAtEnds;
    const bool oneWay = !chain->reverse && slot.r.empty();
    // A start beyond the binds would name a line the block never defines and leave the key dead:
    // it starts at bind 1 instead.
    const long long start = options.start > n ? 1 : options.start;
    long long startLine = chain->reverse ? n + 1 - start : start;
    if (*o <= 0)
        startLine = 1;

    const std::string self = chain->reverse ? reverseName(chain->slot) : forwardName(chain->slot);
    const std::string other = chain->reverse ? forwardName(chain->slot) : reverseName(chain->slot);

    out.line("bind ", savekeyname, " ", quoted(self));
    out.line("alias ", self, " ", quoted(lineName(self, startLine)));
    for (long long k = 1; k <= n; ++k) {
        const long long next = k < n ? k + 1 : (stop && !oneWay ? n : 1);
        std::string body =
            std::string(b[static_cast<size_t>(k - 1)]) + "; alias " + self + " " + lineName(self, next);
        if (!oneWay) {
            const long long back = k > 1 ? n + 2 - k : (stop ? n : 1);
            body += "; alias " + other + " " + lineName(other, back);
        }
        out.line("alias ", lineName(self, k), " ", quoted(body));
    }
    out.emptyLine();
    out.emptyLine();
    return true;
}

} // namespace vantrel
