#include "circular/Markers.h"
#include "circular/LookupKeyName.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(BindMarkers, MatchWholeTextsOnly) {
    EXPECT_EQ(findMarker("aCB1"), (MarkerRef{1, false}));
    EXPECT_EQ(findMarker("aCB10"), (MarkerRef{10, false}));
    EXPECT_EQ(findMarker("aCB1r"), (MarkerRef{1, true}));
    EXPECT_EQ(findMarker("aCB10r"), (MarkerRef{10, true}));
    // A chain has seven lines at most: an eighth would index past the reader's chain table.
    for (const char* none : {"aCB", "aCB0", "aCB11", "aCB1 ", " aCB1", "aCB1;", "aCB01", "aCB1rr", "",
                             "aCB1line0", "aCB1line8", "aCB1line9"}) {
        EXPECT_FALSE(findMarker(none)) << none;
        EXPECT_FALSE(chainName(none)) << none;
    }
    EXPECT_EQ(chainName("aCB10rLINE7").value().line, 7);
}

TEST(BindMarkers, LetterCaseIsIgnored) {
    EXPECT_EQ(findMarker("ACB3"), (MarkerRef{3, false}));
    EXPECT_EQ(findMarker("acb3R"), (MarkerRef{3, true}));
}

TEST(LookupKeyName, FindsDisplayNamesIgnoringCase) {
    CircularTable table;
    const std::pair<const char*, const char*> cases[] = {{"keyH", "H"},
                                                         {"KEYH", "H"},
                                                         {"f12", "F12"},
                                                         {"keypad7", "keypad7"},
                                                         {"keyconsole", "Console Key"},
                                                         {"buttonwu", "MWheel U"}};
    for (const auto& [id, name] : cases) {
        table.lookup = id;
        EXPECT_TRUE(lookupkeyname(table));
        EXPECT_EQ(table.lookedup, name) << id;
    }
}

TEST(LookupKeyName, KeepsThePreviousNameWhenNothingMatches) {
    CircularTable table;
    table.lookup = "";
    lookupkeyname(table);
    EXPECT_EQ(table.lookedup, "");
    table.lookup = "keyA";
    lookupkeyname(table);
    for (const char* none : {"", "keyRALT", "keyLSLASH", "Mouse 1", "anything"}) {
        table.lookup = none;
        EXPECT_FALSE(lookupkeyname(table));
        EXPECT_EQ(table.lookedup, "A") << none;
    }
}

TEST(LookupKeyName, ReverseKeyListIsAlphabeticalIgnoringCase) {
    std::string joined;
    for (const std::string& name : reverseKeyNames())
        joined += name + "|";
    EXPECT_EQ(joined,
              "0|1|2|3|4|5|6|7|8|9|A|Alt|B|Backspace|C|Comma|Console Key|Control|D|Delete|Down|E|End|"
              "Enter|Equals|F|F1|F10|F11|F12|F2|F3|F4|F5|F6|F7|F8|F9|Forward Slash|Full Stop|G|H|Hash|"
              "Home|I|Insert|J|K|keypad0|keypad1|keypad2|keypad3|keypad4|keypad5|keypad6|keypad7|keypad8|"
              "keypad9|keypadDot|keypadEnter|keypadMinus|keypadPlus|keypadSlash|keypadStar|L|Left|"
              "Left Bracket|M|Minus|Mouse 1|Mouse 2|Mouse 3|Mouse 4|Mouse 5|MWheel D|MWheel U|N|O|P|"
              "Page Down|Page Up|Q|Quote|R|Right|Right Bracket|S|Semicolon|Shift|Space|T|Tab|U|Up|V|W|"
              "X|Y|Z|");
}

} // namespace
} // namespace vantrel
