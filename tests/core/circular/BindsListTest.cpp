#include "circular/BindsList.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using List = std::vector<std::string>;

TEST(BindsListFromBoxes, TrimsSpacesAndOneSemicolonAndStopsAtTheFirstEmptyBox) {
    EXPECT_EQ(bindsListFromBoxes({"name MyNameOne;", "  name MyNameTwo  ", "", "name MyNameFour"}),
              (List{"name MyNameOne", "name MyNameTwo"}));
    EXPECT_EQ(bindsListFromBoxes({"name MyNameOne ;", "a;;", " b ; "}), (List{"name MyNameOne", "a;", "b"}));
    EXPECT_EQ(bindsListFromBoxes({"   ", "ignored"}), List{});
}

TEST(BindsListFromBoxes, SemicolonAloneIsAnEmptyEntryAndLaterBoxesStillCount) {
    EXPECT_EQ(bindsListFromBoxes({"a", ";", "b"}), (List{"a", "", "b"}));
    EXPECT_EQ(bindsListFromBoxes({";"}), List{""});
}

TEST(BindsListFromBoxes, ByteOfTheOldTerminatorStaysInsideItsEntry) {
    EXPECT_EQ(bindsListFromBoxes({"say \xA4 x", "b"}), (List{"say \xA4 x", "b"}));
}

TEST(BoxesFromBindsList, SkipsEmptyEntriesAndTrimsAllButTheFirstEntrysLeadingSpaces) {
    EXPECT_EQ(boxesFromBindsList({"a", "", "b", "c"}), (BindBoxes{"a", "b", "c"}));
    EXPECT_EQ(boxesFromBindsList({"  a ", "  b ", "  c "}), (BindBoxes{"  a", "b", "c"}));
    EXPECT_EQ(boxesFromBindsList({"", "  b "}), (BindBoxes{"b"}));
    EXPECT_EQ(boxesFromBindsList({}), BindBoxes{});
}

TEST(BoxesFromBindsList, StopsOnceTheSeventhBoxIsReached) {
    EXPECT_EQ(boxesFromBindsList({"1", "2", "3", "4", "5", "6", "7", "8"}),
              (BindBoxes{"1", "2", "3", "4", "5", "6", "7"}));
    // An empty entry reaching the seventh box ends the filling: "x" is never shown.
    EXPECT_EQ(boxesFromBindsList({"1", "2", "3", "4", "5", "6", "", "x"}),
              (BindBoxes{"1", "2", "3", "4", "5", "6"}));
}

// Where the saved chain starts, the forward start mirrored in the reverse view.
TEST(StartShown, IsWhereTheSavedChainStarts) {
    EXPECT_EQ(startShown("13", 7, false), "3");
    EXPECT_EQ(startShown("25", 3, false), "1");
    EXPECT_EQ(startShown("6", 2, false), "1");
    EXPECT_EQ(startShown("6", 2, true), "2");
    EXPECT_EQ(startShown("13", 7, true), "5");
    EXPECT_EQ(startShown("3", 3, true), "1");
    EXPECT_EQ(startShown("1", 3, true), "3");
    EXPECT_EQ(startShown("22", 3, true), "2");
    // A forward start beyond the binds starts both directions at bind 1, the last position here.
    EXPECT_EQ(startShown("15", 3, true), "3");
    EXPECT_EQ(startShown("20", 7, true), "7");
    EXPECT_EQ(startShown("", 3, true), "1");
    EXPECT_EQ(startShown("0", 3, true), "1");
    EXPECT_EQ(startShown("3", 0, true), "1");
}

} // namespace
} // namespace vantrel
