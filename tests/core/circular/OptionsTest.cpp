#include "circular/Options.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

struct DecodeCase {
    const char* text;
    EndMode state;
    long long start;
};

TEST(OptionsDecode, StrictBoundariesAndEmptyText) {
    const DecodeCase cases[] = {
        {"7", EndMode::Wrap, 7},     {"17", EndMode::StopAtEnds, 7},  {"27", EndMode::OneWay, 7},
        {"21", EndMode::OneWay, 1},  {"", EndMode::OneWay, 1},        {"0", EndMode::OneWay, 1},
        {"10", EndMode::Wrap, 10},   {"20", EndMode::StopAtEnds, 10}, {"-3", EndMode::OneWay, 1},
        {"abc", EndMode::OneWay, 1}, {"11", EndMode::StopAtEnds, 1},  {"1", EndMode::Wrap, 1},
    };
    for (const DecodeCase& c : cases)
        EXPECT_EQ(decodeOptions(std::string_view(c.text)), (Options{c.state, c.start}))
            << '"' << c.text << '"';
}

TEST(OptionsValue, OnlyWholeDecimalNumbersAreNumbers) {
    EXPECT_EQ(optionsValue("25"), 25);
    EXPECT_EQ(optionsValue(" 12 "), 12);
    EXPECT_EQ(optionsValue("-4"), -4);
    EXPECT_EQ(optionsValue("+4"), 4);
    for (const char* text : {"", " ", "1.5", "12a", "x", "+-4", "+", "99999999999999999999999"})
        EXPECT_FALSE(optionsValue(text).has_value()) << '"' << text << '"';
}

} // namespace
} // namespace vantrel
