#include "circular/Options.h"

#include "text/Text.h"

#include <charconv>

namespace vantrel {

namespace {
constexpr long long stateStep = 10;
} // namespace

std::optional<long long> optionsValue(std::string_view text) {
    text = trimSpaces(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

Options decodeOptions(long long o) {
    if (o > 2 * stateStep)
        return {EndMode::OneWay, o - 2 * stateStep};
    if (o > stateStep)
        return {EndMode::StopAtEnds, o - stateStep};
    if (o > 0)
        return {EndMode::Wrap, o};
    return {EndMode::OneWay, 1};
}

Options decodeOptions(std::string_view text) {
    return decodeOptions(optionsValue(text).value_or(0));
}

std::string encodeOptions(long long start, EndMode state) {
    return std::to_string(start + stateStep * static_cast<long long>(state));
}

long long savedStart(std::optional<long long> start, long long shown) {
    // A start beyond the binds would name a line the chain never defines and leave its key dead.
    return start && *start >= 1 && *start <= shown ? *start : 1;
}

long long chainStart(long long o, long long shown, bool reverse) {
    if (o <= 0)
        return 1;
    const long long forward = savedStart(decodeOptions(o).start, shown);
    return reverse ? shown + 1 - forward : forward;
}

} // namespace vantrel
