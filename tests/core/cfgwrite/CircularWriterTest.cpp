#include "WriterFixture.h"

#include "cfgwrite/CircularWriter.h"

namespace vantrel {
namespace {

using testing::golden;

class CircularBlock : public testing::WriterTest {};

TEST_F(CircularBlock, WorkedExamplesMatchGoldenFiles) {
    bind("h", "aCB2");
    slot(2, {"slot1", "slot2", "slot3"}, "", "21");
    EXPECT_EQ(writeConfig(editor), golden("circular-one-way.cfg"));
    bind("j", "aCB2r");
    slot(2, {"slot1", "slot2", "slot3"}, "keyJ", "1");
    EXPECT_EQ(writeConfig(editor), golden("circular-two-way-wrap.cfg"));
    slot(2, {"slot1", "slot2", "slot3"}, "keyJ", "12");
    EXPECT_EQ(writeConfig(editor), golden("circular-two-way-stop.cfg"));
}

TEST_F(CircularBlock, EdgeCasesMatchGoldenFile) {
    const std::vector<std::string> three = {"s1", "s2", "s3"};
    bind("f1", "aCB1"); // a free slot's marker is a plain bind
    slot(1, {}, "", "21");
    bind("f2", "acb2"); // eight entries: seven written
    slot(2, {"b1", "b2", "b3", "b4", "b5", "b6", "b7", "b8"}, "", "21");
    bind("f3", "aCB3"); // spaces cut, empty entries skipped, an empty seventh place ends the list
    slot(3, {"  lead  ", "", "  b", "c", "d", "e", "f", "", "never"}, "", "21");
    bind("f4", "aCB4"); // start 5 beyond three binds: bind 1 for both keys
    bind("f5", "aCB4r");
    slot(4, three, "keyJ", "25");
    bind("f6", "aCB5"); // options 0: line 1 for both keys, wrapping
    bind("f7", "aCB5r");
    slot(5, three, "keyJ", "0");
    bind("f8", "aCB6"); // one-way wraps even when the options say stop
    slot(6, {"a", "b"}, "", "12");
    bind("f9", "aCB7"); // one bind, stopping at the ends
    bind("f10", "aCB7r");
    slot(7, {"only"}, "keyJ", "11");
    bind("f11", "aCB8r"); // a reverse marker without a reverse key
    slot(8, {"a", "b"}, "", "1");
    bind("f12", "aCB10");
    slot(10, {"ten"}, "keyJ", "1");
    bind(";", "aCB9"); // the semicolon key, and a quote inside a bind
    slot(9, {"say \"hi\"; kill"}, "", "21");
    EXPECT_EQ(writeConfig(editor), golden("circular-edges.cfg"));
}

size_t count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// A chain written twice would read back with every bind twice: the second key holding a marker
// gets its bind line alone, which runs the chain the first key's block defines.
TEST_F(CircularBlock, KeysHoldingOneMarkerShareOneChain) {
    bind("f10", "aCB10");
    bind("f12", "acb10");
    bind("h", "aCB10r");
    bind("j", "aCB10r");
    slot(10, {"a", "b"}, "keyJ", "1");
    const std::string file = keyBlocks();
    EXPECT_TRUE(file.starts_with("bind f10 \"aCB10\"\r\nalias aCB10 \"aCB10line1\"\r\n")) << file;
    EXPECT_EQ(count(file, "alias aCB10line1 "), 1u);
    EXPECT_EQ(count(file, "alias aCB10rline1 "), 1u);
    EXPECT_NE(file.find("bind f12 \"acb10\"\r\n\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nbind h \"aCB10r\"\r\nalias aCB10r \"aCB10rline2\"\r\n"), std::string::npos);
    EXPECT_TRUE(file.ends_with("\r\n\r\n\r\nbind j \"aCB10r\"\r\n\r\n")) << file;
}

TEST_F(CircularBlock, BindThatNamesNoUsableSlotWritesNothingHere) {
    slot(5, {"x"}, "", "");
    slot(6, {"x"}, "", "1x");
    ConfigText out;
    for (const char* bind : {"aCB11", "aCBx", "aCB3 ", "acbuy", "aCB5", "aCB6", "aCB0"})
        EXPECT_FALSE(writecircularbind(out, editor.form6, "h", bind)) << bind;
    EXPECT_EQ(out.take(), "");
}

} // namespace
} // namespace vantrel
