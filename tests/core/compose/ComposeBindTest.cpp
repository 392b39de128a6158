#include "compose/BindOrder.h"
#include "compose/Composer.h"

#include "EditorFixture.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class ComposeBind : public testing::EditorTest {
  protected:
    // A bind a player typically composes, from the controls: USP, pistol ammunition 2, Kevlar, HE,
    // radio "Go", say "hi".
    void composeWorkedExample() {
        selectPistol(editor, Pistol::Usp);
        pacombo_Click(editor, "2");
        selectArmour(editor, Armour::Kevlar);
        setEquipment(editor, Equipment::HeGren, true);
        radio_Click(editor, "Go");
        saybox_Change(editor, "hi");
    }
};

TEST_F(ComposeBind, WorkedExampleInDefaultOrder) {
    composeWorkedExample();
    EXPECT_EQ(editor.cbind, "buyequip;menuselect 1;buy;menuselect 1;menuselect 1;buyammo2;buyammo2;"
                            "buyequip;menuselect 4;radio2;menuselect 1;say hi;");
}

// Every part gets a distinct marker, so the join shows each order's sequence exactly.
TEST_F(ComposeBind, EveryOrderJoinsAsItsRowSays) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Default", "g;ga;arm;de;p;pa;he;fl1;fl2;sm;nv;r;m;rc;"},
        {"Pistol", "p;pa;arm;de;g;ga;he;fl1;fl2;sm;nv;r;m;rc;"},
        {"Armour", "arm;g;ga;de;p;pa;he;fl1;fl2;sm;nv;r;m;rc;"},
        {"Defuser", "de;p;pa;arm;g;ga;he;fl1;fl2;sm;nv;r;m;rc;"},
        {"Grenades", "he;fl1;fl2;sm;p;pa;arm;de;g;ga;nv;r;m;rc;"},
    };
    editor.controls.pacombo = editor.controls.gacombo = editor.controls.radio = ""; // keep the marked parts
    editor.parts = {"p;",   "pa;",  "g;",  "ga;", "arm;", "he;", "sm;",
                    "fl1;", "fl2;", "de;", "nv;", "r;",   "m;",  "rc;"};
    for (const auto& [order, joined] : expected) {
        editor.BindOrder = lowerAscii(order); // the order's name is matched ignoring case
        composebind(editor);
        EXPECT_EQ(editor.cbind, joined) << order;
    }
}

TEST_F(ComposeBind, AnOrderNamingNoRowLeavesCbindAlone) {
    editor.cbind = "typed";
    editor.BindOrder = "Sideways";
    selectPistol(editor, Pistol::Glock);
    EXPECT_EQ(editor.parts.scbindp, "buy;menuselect 1;menuselect 2;");
    EXPECT_EQ(editor.cbind, "typed");
}

TEST_F(ComposeBind, AmmunitionAndRadioPartsAreRederivedFromTheLists) {
    pacombo_Click(editor, "1");
    radio_Click(editor, "Go");
    editor.parts = {}; // as File New leaves them: parts empty, controls unchanged
    setEquipment(editor, Equipment::Defuser, true);
    EXPECT_EQ(editor.cbind, "buyequip;menuselect 6;buyammo2;radio2;menuselect 1;");
    editor.controls.radio = editor.controls.pacombo = ""; // no item chosen: the parts stay
    composebind(editor);
    EXPECT_EQ(editor.cbind, "buyequip;menuselect 6;buyammo2;radio2;menuselect 1;");
}

TEST_F(ComposeBind, RadioHandlerComparesExactlyAndComposeIgnoresCase) {
    radio_Click(editor, "go"); // no exact item; composebind still finds "Go" ignoring case
    EXPECT_EQ(editor.parts.sradio, "radio2;menuselect 1;");
}

TEST_F(ComposeBind, BothFlashbangsBuyTwiceAndUntickingOneLeavesOne) {
    setEquipment(editor, Equipment::Fbang1, true);
    setEquipment(editor, Equipment::Fbang2, true);
    for (const BindOrderRow& order : bindOrderTable) {
        editor.BindOrder = std::string(order.name);
        composebind(editor);
        EXPECT_EQ(editor.cbind, "buyequip;menuselect 3;buyequip;menuselect 3;") << order.name;
    }
    setEquipment(editor, Equipment::Fbang1, false);
    EXPECT_EQ(editor.cbind, "buyequip;menuselect 3;");
    EXPECT_TRUE(editor.controls.fbang2);
    EXPECT_FALSE(editor.controls.fbang1);
}

TEST_F(ComposeBind, TypedTextStaysUntilTheNextControlChange) {
    selectPistol(editor, Pistol::Deagle);
    editor.cbind = "echo typed;";
    editor.BindOrder = "Pistol";
    EXPECT_EQ(editor.cbind, "echo typed;");
    selectGun(editor, Gun::M3);
    EXPECT_EQ(editor.cbind, "buy;menuselect 1;menuselect 3;buy;menuselect 2;menuselect 1;");
}

TEST_F(ComposeBind, MessagesAreInsertedExactlyAsTyped) {
    saybox_Change(editor, "hi");
    EXPECT_EQ(editor.parts.smessage, "say hi;");
    teamsay_Click(editor, true);
    EXPECT_EQ(editor.parts.smessage, "say_team hi;");
    saybox_Change(editor, "");
    EXPECT_EQ(editor.parts.smessage, "") << "Team Say with an empty box says nothing";
    saybox_Change(editor, " ");
    EXPECT_EQ(editor.parts.smessage, "say_team  ;");
    teamsay_Click(editor, false);
    saybox_Change(editor, "a;b \"q\"");
    EXPECT_EQ(editor.parts.smessage, "say a;b \"q\";");
    rconsaybox_Change(editor, "restart");
    EXPECT_EQ(editor.cbind, "say a;b \"q\";rcon say restart;");
}

TEST_F(ComposeBind, DeleteEmptiesTheBoxAndStillComposes) {
    saybox_Change(editor, "hi");
    rconsaybox_Change(editor, "x");
    teamsay_Click(editor, true);
    deletesay_Click(editor);
    EXPECT_EQ(editor.controls.saybox, "");
    EXPECT_TRUE(editor.controls.teamsay);
    EXPECT_EQ(editor.cbind, "rcon say x;");
    deleterconsay_Click(editor);
    EXPECT_EQ(editor.cbind, "");
    editor.cbind = "typed";
    deletesay_Click(editor); // an empty box changes no part, but cbind is rebuilt
    EXPECT_EQ(editor.cbind, "");
}

} // namespace
} // namespace vantrel
