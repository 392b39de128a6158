#include "cfgwrite/ConfigText.h"

#include "text/Console.h"

#include <algorithm>

namespace vantrel {

std::string quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    out += text;
    std::replace(out.begin() + 1, out.end(), '"', innerQuote);
    out += '"';
    return out;
}

std::string bindKeyName(const KeyRow& row) {
    return mustQuote(row.game) ? quoted(row.game) : std::string(row.game);
}

} // namespace vantrel
