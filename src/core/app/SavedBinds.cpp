#include "app/StoredBind.h"

#include "app/HoldAliasBind.h"

namespace vantrel {

std::string bindToStore(const Editor& editor, KeyIndex key, std::string text) {
    const std::optional<PairPress> press = pressedPair(text);
    // The key's own pair goes with the bind it replaces.
    if (!press || press->key == key || pressesSomething(press->rest))
        return text;
    const std::string& pair = editor.bind(press->key);
    return isHoldAliasBind(pair) ? inPlaceOfPress(pair, press->rest) : text;
}

} // namespace vantrel
