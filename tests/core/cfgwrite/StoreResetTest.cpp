#include "WriterFixture.h"

#include "cfgwrite/StoreReset.h"

#include <algorithm>

namespace vantrel {
namespace {

using testing::crlf;

class StoreReset : public testing::WriterTest {
  protected:
    void fillEverything() {
        for (std::string& bind : editor.store)
            bind = "echo x";
        editor.ssettings = {"exec a.cfg"};
        editor.srconport = "rcon_port 1";
        editor.srconpass = "rcon_password p";
        editor.parts.scbindp = "usp;";
        editor.parts.sradio = "radio1;menuselect 1;";
        editor.parts.smessage = "say hi;";
        editor.parts.srconsay = "rcon say hi;";
        editor.parts.scbindnv = "nvgs;";
        for (int n = 1; n <= kSlotCount; ++n)
            slot(n, {"a", "b"}, "keyJ", "11");
        editor.form6.slot(3).k = "keyH";
        editor.form6.selectkeyr = "keyJ";
        editor.form6.lookup = "keyH";
        editor.form6.lookedup = "H";
        editor.slot10 = "slot10s";
        editor.slot10s = "slot10";
        editor.BindOrder = "Guns First";
        editor.selectkey = "keyA";
        editor.ckeybox = "A";
        editor.cbind = "usp;";
        editor.skeycopy = "echo copied";
        editor.showhelp2 = 1;
        editor.fileName = "/tmp/current.cfg";
        for (std::string_view b : ButtonColours::buttons())
            if (std::find(unbindableButtons.begin(), unbindableButtons.end(), b) == unbindableButtons.end())
                editor.colours.paint(b, Colour::Bound);
        editor.colours.paint("keyA", Colour::Selection);
        editor.colours.paint(circularBindButton, Colour::Selection);
    }
};

TEST_F(StoreReset, EmptiesWhatAFileFillsAndLeavesTheRest) {
    fillEverything();
    const Editor before = editor;
    resetallbinds(editor);

    EXPECT_TRUE(std::all_of(editor.store.begin(), editor.store.end(),
                            [](const std::string& b) { return b.empty(); }));
    EXPECT_TRUE(editor.ssettings.empty());
    EXPECT_EQ(editor.srconport, "");
    EXPECT_EQ(editor.srconpass, "");
    EXPECT_EQ(editor.parts, BindParts{});
    for (const CircularSlot& slot : editor.form6.slots)
        EXPECT_EQ(slot, CircularSlot{});
    EXPECT_EQ(editor.form6.lookup, "");
    EXPECT_EQ(editor.form6.lookedup, "");

    EXPECT_EQ(editor.form6.selectkeyr, "keyJ");
    EXPECT_EQ(editor.slot10, before.slot10);
    EXPECT_EQ(editor.slot10s, before.slot10s);
    EXPECT_EQ(editor.BindOrder, before.BindOrder);
    EXPECT_EQ(editor.selectkey, before.selectkey);
    EXPECT_EQ(editor.ckeybox, before.ckeybox);
    EXPECT_EQ(editor.cbind, before.cbind);
    EXPECT_EQ(editor.controls, before.controls);
    EXPECT_EQ(editor.skeycopy, before.skeycopy);
    EXPECT_EQ(editor.showhelp2, 1);
    EXPECT_EQ(editor.fileName, before.fileName);

    EXPECT_EQ(writeConfig(editor), crlf({"", R"(alias slot10s "slot10")", ""}))
        << "the next save writes no binds";
}

TEST_F(StoreReset, PaintsTheKeyButtonsUnboundAndLeavesTheGreyOnes) {
    fillEverything();
    resetallbinds(editor);
    int unbound = 0;
    for (std::string_view b : ButtonColours::buttons())
        unbound += editor.colours.of(b) == Colour::Unbound;
    EXPECT_EQ(unbound, 102);
    for (std::string_view b : unbindableButtons)
        EXPECT_EQ(editor.colours.of(b), Colour::Unbindable) << b;
    for (const char* b : {"keyA", "keyRALT", "keyRCONTROL", "keyRSHIFT", "button1", "buttonWU"})
        EXPECT_EQ(editor.colours.of(b), Colour::Unbound) << b;
    EXPECT_EQ(editor.colours.of(circularBindButton), Colour::Selection);
}

} // namespace
} // namespace vantrel
