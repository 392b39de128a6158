// The options number of a circular-bind slot: start + 10 x state, kept as decimal text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// Each value is the state the options number holds in its tens: start + 10 x state.
enum class EndMode { Wrap = 0, StopAtEnds = 1, OneWay = 2 };

struct Options {
    EndMode state = EndMode::OneWay;
    long long start = 1;

    bool operator==(const Options&) const = default;
};

// The text as a whole decimal number (an optional sign, then digits; spaces around are allowed);
// no value for "" and for any other text.
std::optional<long long> optionsValue(std::string_view text);

// The decode by the strict tests o > 20, o > 10, o > 0; anything else is one-way from bind 1.
Options decodeOptions(long long o);
// As above, "" and text that is no number counting as 0.
Options decodeOptions(std::string_view text);
// start + 10 x state as decimal text, the form Save and Close stores.
std::string encodeOptions(long long start, EndMode state);

// The bind a chain of `shown` binds starts at, for the start asked: bind 1 when none is asked or
// it lies outside the binds, since the chain has no line there. Save and Close stores it, the writer
// writes it and the window shows it.
long long savedStart(std::optional<long long> start, long long shown);

// The line a chain of `shown` binds (1 or more) starts at: the options' start (savedStart),
// mirrored for the reverse chain; line 1 when the options number is 0 or less.
long long chainStart(long long o, long long shown, bool reverse);

} // namespace vantrel
