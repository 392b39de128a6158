#include "circular/BindsList.h"

#include <algorithm>

namespace vantrel {

std::vector<std::string> bindsListFromBoxes(const BindBoxes& boxes) {
    std::vector<std::string> binds;
    for (const std::string& box : boxes) {
        std::string_view entry = trimSpaces(box);
        if (entry.empty())
            break;
        if (entry.back() == ';') {
            entry.remove_suffix(1);
            entry = trimTrailingSpaces(entry);
        }
        binds.emplace_back(entry);
    }
    return binds;
}

BindBoxes boxesFromBindsList(const std::vector<std::string>& binds) {
    BindBoxes boxes;
    size_t next = 0; // the first empty box
    for (size_t i = 0; i < binds.size(); ++i) {
        const std::string_view entry = i == 0 ? trimTrailingSpaces(binds[i]) : trimSpaces(binds[i]);
        if (!entry.empty())
            boxes[next] = std::string(entry);
        if (next == boxes.size() - 1)
            break;
        if (!entry.empty())
            ++next;
    }
    return boxes;
}

int bindsShown(const BindBoxes& boxes) {
    for (int k = static_cast<int>(boxes.size()); k > 0; --k)
        if (!boxes[static_cast<size_t>(k - 1)].empty())
            return k;
    return 0;
}

void mirrorBoxes(BindBoxes& boxes) {
    const int n = bindsShown(boxes);
    for (int k = 1; k <= n / 2; ++k)
        std::swap(boxes[static_cast<size_t>(k - 1)], boxes[static_cast<size_t>(n - k)]);
}

std::string startShown(const std::string& options, int shown, bool reverse) {
    return std::to_string(chainStart(optionsValue(options).value_or(0), std::max(shown, 1), reverse));
}

} // namespace vantrel
