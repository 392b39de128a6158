#include "app/HoldAliasBind.h"

#include "text/Text.h"

#include <algorithm>

namespace vantrel {

bool isHoldAliasBind(std::string_view bind) {
    return std::any_of(holdAliasPatterns.begin(), holdAliasPatterns.end(),
                       [bind](std::string_view pattern) { return like(bind, pattern); });
}

} // namespace vantrel
