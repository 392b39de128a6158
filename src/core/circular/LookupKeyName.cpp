#include "circular/LookupKeyName.h"

#include "keys/KeyTable.h"

#include <algorithm>

namespace vantrel {

bool lookupkeyname(CircularTable& table) {
    for (KeyIndex key : displayOrder()) {
        if (equalsIgnoreCase(table.lookup, keyTable[key].id)) {
            table.lookedup = std::string(keyTable[key].display);
            return true;
        }
    }
    return false;
}

const std::vector<std::string>& reverseKeyNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (KeyIndex key : displayOrder())
            out.emplace_back(keyTable[key].display);
        std::stable_sort(out.begin(), out.end(), [](const std::string& a, const std::string& b) {
            return lowerAscii(a) < lowerAscii(b);
        });
        return out;
    }();
    return names;
}

} // namespace vantrel
