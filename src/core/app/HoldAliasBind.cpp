#include "app/HoldAliasBind.h"

#include "text/Console.h"
#include "text/Text.h"

#include <algorithm>

namespace vantrel {

namespace {

bool pressesSomething(std::string_view bind) {
    for (std::string_view command : consoleCommands(bind))
        if (const std::optional<ConsoleWord> first = nextWord(command); first && first->text.starts_with('+'))
            return true;
    return false;
}

} // namespace

bool matchesHoldPattern(std::string_view bind) {
    return std::any_of(holdAliasPatterns.begin(), holdAliasPatterns.end(),
                       [bind](std::string_view pattern) { return like(bind, pattern); });
}

bool isHoldAliasBind(std::string_view bind) {
    return matchesHoldPattern(bind) && !pressesSomething(bind);
}

} // namespace vantrel
