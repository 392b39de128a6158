#include "cfgread/ConfigIndex.h"

#include "app/HoldAliasBind.h"
#include "cfgread/CommandText.h"

namespace vantrel {

ConfigIndex::ConfigIndex(std::string bytes) : lines_(std::move(bytes)) {
    lastBind_.fill(none);
    lastPress_.fill(none);
    lastRelease_.fill(none);
    lineKey_.assign(lines_.size(), none);
    aliasKey_.assign(lines_.size(), none);
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto lineIndex = static_cast<CompactIndex>(i);
        if (const auto bind = keyBindLine(lines_[i])) {
            lineKey_[i] = static_cast<CompactIndex>(bind->key);
            lastBind_[bind->key] = lineIndex;
        } else if (const auto alias = aliasLine(lines_[i])) {
            if (const auto key = ownHoldAliasKey(alias->name)) {
                aliasKey_[i] = static_cast<CompactIndex>(*key);
                (alias->name.front() == '+' ? lastPress_ : lastRelease_)[*key] = lineIndex;
            }
        } else if (const auto unbound = unbindLine(lines_[i])) {
            lastBind_[*unbound] = none;
        } else if (isUnbindAllLine(lines_[i])) {
            lastBind_.fill(none);
        }
    }
}

} // namespace vantrel
