#include "cfgwrite/CircularWriter.h"

#include "circular/BindsList.h"
#include "circular/Markers.h"

#include <algorithm>
#include <optional>
#include <string>

namespace vantrel {

bool writecircularbind(ConfigText& out, const CircularTable& form6, std::string_view savekeyname,
                       std::string_view savekeybind) {
    const std::optional<MarkerRef> chain = findMarker(savekeybind);
    if (!chain)
        return false;
    const CircularSlot& slot = form6.slot(chain->slot);
    const std::optional<long long> o = optionsValue(slot.o);
    // A marker of a free slot is the key's plain bind.
    if (!slot.inUse() || !o)
        return false;

    // The binds as the window shows them; line 1 is written even without a bind.
    BindBoxes b = boxesFromBindsList(slot.binds);
    const long long n = std::max(bindsShown(b), 1);
    if (chain->reverse)
        mirrorBoxes(b);

    const Options options = decodeOptions(*o);
    const bool stop = options.state == EndMode::StopAtEnds;
    const bool oneWay = !chain->reverse && slot.r.empty();
    const long long startLine = chainStart(*o, n, chain->reverse);

    const MarkerRef otherChain{chain->slot, !chain->reverse};
    const std::string self = markerName(*chain);
    const std::string other = markerName(otherChain);

    out.line("bind ", savekeyname, " ", quoted(self));
    out.line("alias ", self, " ", quoted(chainLineName(*chain, startLine)));
    for (long long k = 1; k <= n; ++k) {
        const long long next = k < n ? k + 1 : (stop && !oneWay ? n : 1);
        std::string body =
            b[static_cast<size_t>(k - 1)] + "; alias " + self + " " + chainLineName(*chain, next);
        if (!oneWay) {
            const long long back = k > 1 ? n + 2 - k : (stop ? n : 1);
            body += "; alias " + other + " " + chainLineName(otherChain, back);
        }
        out.line("alias ", chainLineName(*chain, k), " ", quoted(body));
    }
    out.emptyLine();
    out.emptyLine();
    return true;
}

} // namespace vantrel
