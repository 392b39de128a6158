#include "compose/ShowKeyBind.h"

#include "compose/Composer.h"
#include "compose/RadioCommands.h"

#include "EditorFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrel {

// Shows the controls readably when a comparison fails.
void PrintTo(const ComposerControls& c, std::ostream* os) {
    *os << "pistol " << int(c.pistol) << ", gun " << int(c.gun) << ", armour " << int(c.armour) << ", ticked "
        << c.hegren << c.smokegren << c.fbang1 << c.fbang2 << c.defuser << c.nvision << ", ammo " << c.pacombo
        << "/" << c.gacombo << ", radio \"" << c.radio << "\", say \"" << c.saybox << "\" team " << c.teamsay
        << ", rcon \"" << c.rconsaybox << "\"";
}

namespace {

// What the composer shows after a bind is taken apart; the defaults are the reset values.
struct Shown {
    Pistol pistol = Pistol::None;
    Gun gun = Gun::None;
    Armour armour = Armour::None;
    std::string pacombo = "0";
    std::string gacombo = "0";
    std::vector<Equipment> ticked = {};
    std::string radio = "None";
    std::string saybox = {};
    bool teamsay = false;
    std::string rconsaybox = {};
};

// Drives a fresh composer to the expected controls through the handlers, so the parts it holds
// are the canonical ones showkeybind must leave behind.
Editor composed(Prompter& prompter, const Shown& s) {
    Editor e{prompter};
    Form_Load(e);
    selectPistol(e, s.pistol);
    selectGun(e, s.gun);
    selectArmour(e, s.armour);
    pacombo_Click(e, s.pacombo);
    gacombo_Click(e, s.gacombo);
    for (Equipment box : s.ticked)
        setEquipment(e, box, true);
    radio_Click(e, s.radio);
    teamsay_Click(e, s.teamsay);
    saybox_Change(e, s.saybox);
    rconsaybox_Change(e, s.rconsaybox);
    return e;
}

struct ShowCase {
    const char* name;
    std::string stored;
    Shown shown;
};

void PrintTo(const ShowCase& c, std::ostream* os) {
    *os << '"' << c.stored << '"';
}

class ShowKeyBind : public testing::EditorTest {
  protected:
    // Leaves the composer far from its defaults, so every test also proves the reset.
    void dirtyComposer() {
        selectPistol(editor, Pistol::Glock);
        selectGun(editor, Gun::Awm);
        selectArmour(editor, Armour::Kevlar);
        pacombo_Click(editor, "4");
        gacombo_Click(editor, "2");
        for (const EquipmentBox& box : equipmentBoxes)
            setEquipment(editor, box.box, true);
        radio_Click(editor, "Negative");
        saybox_Change(editor, "old");
        teamsay_Click(editor, true);
        rconsaybox_Change(editor, "old");
    }

    void show(const std::string& stored) {
        dirtyComposer();
        editor.selectkey = "keyA";
        bindOf("keyA") = stored;
        showkeybind(editor);
    }

    void expectShown(const std::string& stored, const Shown& expected) {
        show(stored);
        const Editor want = composed(prompter, expected);
        EXPECT_EQ(editor.controls, want.controls) << "showing \"" << stored << "\"";
        EXPECT_EQ(editor.parts, want.parts) << "showing \"" << stored << "\"";
        EXPECT_EQ(editor.cbind, stored) << "cbind ends holding the stored text";
        EXPECT_EQ(bindOf("keyA"), stored);
    }

    // The same as the user sees it after typing, for the rows' spelling variants.
    ComposerControls controlsAfter(const std::string& stored) {
        show(stored);
        return editor.controls;
    }
};

// One case per command sequence of the buy and equipment rows, in row order.
const std::vector<ShowCase>& buyRowCases() {
    using E = Equipment;
    static const std::vector<ShowCase> cases = {
        {"Usp", "buy;menuselect 1;menuselect 1;", {.pistol = Pistol::Usp}},
        {"Glock", "buy;menuselect 1;menuselect 2;", {.pistol = Pistol::Glock}},
        {"Deagle", "buy;menuselect 1;menuselect 3;", {.pistol = Pistol::Deagle}},
        {"P228", "buy;menuselect 1;menuselect 4;", {.pistol = Pistol::P228}},
        {"Berretas", "buy;menuselect 1;menuselect 5;", {.pistol = Pistol::Berretas}},
        {"Fn57", "buy;menuselect 1;menuselect 6;", {.pistol = Pistol::Fn57}},
        {"PistolAmmo1", "buyammo2;", {.pacombo = "1"}},
        {"PistolAmmo2", "buyammo2;buyammo2;", {.pacombo = "2"}},
        {"PistolAmmo3", "buyammo2;buyammo2;buyammo2;", {.pacombo = "3"}},
        {"PistolAmmo4", "buyammo2;buyammo2;buyammo2;buyammo2;", {.pacombo = "4"}},
        {"PistolAmmo5", "buyammo2;buyammo2;buyammo2;buyammo2;buyammo2;", {.pacombo = "5"}},
        {"M3", "buy;menuselect 2;menuselect 1;", {.gun = Gun::M3}},
        {"Xm1014", "buy;menuselect 2;menuselect 2;", {.gun = Gun::Xm1014}},
        {"Mp5", "buy;menuselect 3;menuselect 1;", {.gun = Gun::Mp5}},
        {"Tmp", "buy;menuselect 2;menuselect 2;menuselect 4;", {.gun = Gun::Tmp}},
        {"P90", "buy;menuselect 2;menuselect 3;", {.gun = Gun::P90}},
        {"Ump45", "buy;menuselect 2;menuselect 5;", {.gun = Gun::Ump45}},
        {"Colt", "buy;menuselect 4;menuselect 1;menuselect 3;", {.gun = Gun::Colt}},
        {"ColtShort", "buy;menuselect 4;menuselect 1;", {.gun = Gun::Colt}},
        {"ColtSkipped", "buy;menuselect 4;menuselect 3;", {.gun = Gun::Colt}},
        {"Aug", "buy;menuselect 4;menuselect 2;menuselect 4;", {.gun = Gun::Aug}},
        {"AugShort", "buy;menuselect 4;menuselect 2;", {.gun = Gun::Aug}},
        {"AugSkipped", "buy;menuselect 4;menuselect 4;", {.gun = Gun::Aug}},
        {"Scout", "buy;menuselect 4;menuselect 5;", {.gun = Gun::Scout}},
        {"Awm", "buy;menuselect 4;menuselect 6;", {.gun = Gun::Awm}},
        {"Heckler", "buy;menuselect 4;menuselect 7;menuselect 8;", {.gun = Gun::Heckler}},
        {"HecklerShort", "buy;menuselect 4;menuselect 7;", {.gun = Gun::Heckler}},
        {"HecklerSkipped", "buy;menuselect 4;menuselect 8;", {.gun = Gun::Heckler}},
        {"Para", "buy;menuselect 5;menuselect 1;", {.gun = Gun::Para}},
        {"GunAmmo1", "buyammo1;", {.gacombo = "1"}},
        {"GunAmmo2", "buyammo1;buyammo1;", {.gacombo = "2"}},
        {"GunAmmo3", "buyammo1;buyammo1;buyammo1;", {.gacombo = "3"}},
        {"GunAmmo4", "buyammo1;buyammo1;buyammo1;buyammo1;", {.gacombo = "4"}},
        {"GunAmmo5", "buyammo1;buyammo1;buyammo1;buyammo1;buyammo1;", {.gacombo = "5"}},
        {"KevlarOld", "buy;menuselect 8;menuselect 1;", {.armour = Armour::Kevlar}},
        {"Kevlar", "buyequip;menuselect 1;", {.armour = Armour::Kevlar}},
        {"KevHelmOld", "buy;menuselect 8;menuselect 2;", {.armour = Armour::KevHelm}},
        {"KevHelm", "buyequip;menuselect 2;", {.armour = Armour::KevHelm}},
        {"BestOld", "buy;menuselect 8;menuselect 2;buy;menuselect 8;menuselect 1;", {.armour = Armour::Best}},
        {"BestShort", "buyequip;menuselect 2;menuselect 1;", {.armour = Armour::Best}},
        {"Best", "buyequip;menuselect 2;buyequip;menuselect 1;", {.armour = Armour::Best}},
        {"HeOld", "buy;menuselect 8;menuselect 4;", {.ticked = {E::HeGren}}},
        {"He", "buyequip;menuselect 4;", {.ticked = {E::HeGren}}},
        {"SmokeOld", "buy;menuselect 8;menuselect 5;", {.ticked = {E::SmokeGren}}},
        {"Smoke", "buyequip;menuselect 5;", {.ticked = {E::SmokeGren}}},
        {"FlashOld", "buy;menuselect 8;menuselect 3;", {.ticked = {E::Fbang1}}},
        {"Flash", "buyequip;menuselect 3;", {.ticked = {E::Fbang1}}},
        {"TwoFlashOld",
         "buy;menuselect 8;menuselect 3;buy;menuselect 8;menuselect 3;",
         {.ticked = {E::Fbang1, E::Fbang2}}},
        {"TwoFlashShort", "buyequip;menuselect 3;menuselect 3;", {.ticked = {E::Fbang1, E::Fbang2}}},
        {"TwoFlash", "buyequip;menuselect 3;buyequip;menuselect 3;", {.ticked = {E::Fbang1, E::Fbang2}}},
        {"DefuserOld", "buy;menuselect 8;menuselect 6;", {.ticked = {E::Defuser}}},
        {"Defuser", "buyequip;menuselect 6;", {.ticked = {E::Defuser}}},
        {"NVisionOld", "buy;menuselect 8;menuselect 7;", {.ticked = {E::NVision}}},
        {"NVision", "buyequip;menuselect 7;", {.ticked = {E::NVision}}},
    };
    return cases;
}

std::string withSpaceAfterEachSemicolon(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == ';' ? std::string("; ") : std::string(1, c);
    return out;
}

std::string withSpaceAfterFirstSemicolon(const std::string& text, std::string_view space) {
    const size_t i = text.find(';');
    return i == std::string::npos ? text : text.substr(0, i + 1) + std::string(space) + text.substr(i + 1);
}

class ShowKeyBindRow : public ShowKeyBind, public ::testing::WithParamInterface<ShowCase> {};

// Each row is recognised in every accepted spelling, in any letter case, amid other commands;
// a separator with two spaces after it or a space before it breaks the row.
TEST_P(ShowKeyBindRow, IsRecognisedInEverySpelling) {
    const ShowCase& c = GetParam();
    expectShown(c.stored, c.shown);
    const ComposerControls want = editor.controls;
    for (const std::string& spelled :
         {withSpaceAfterEachSemicolon(c.stored), withSpaceAfterFirstSemicolon(c.stored, " "),
          testing::upperAscii(c.stored), "echo hello;" + c.stored + "wait;"})
        EXPECT_EQ(controlsAfter(spelled), want) << spelled;
    if (c.stored.find(';') + 1 == c.stored.size())
        return; // one command: no inner separator to break
    EXPECT_NE(controlsAfter(withSpaceAfterFirstSemicolon(c.stored, "  ")), want) << "two spaces";
    const std::string spaceBefore =
        c.stored.substr(0, c.stored.find(';')) + " " + c.stored.substr(c.stored.find(';'));
    EXPECT_NE(controlsAfter(spaceBefore), want) << spaceBefore;
}

INSTANTIATE_TEST_SUITE_P(BuyRows, ShowKeyBindRow, ::testing::ValuesIn(buyRowCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShowKeyBind, EveryRadioRowSetsItsItem) {
    for (const RadioCommand& row : radioCommandTable) {
        if (row.command.empty())
            continue;
        const std::string stored(row.command);
        expectShown(stored, {.radio = std::string(row.name)});
        EXPECT_EQ(controlsAfter(withSpaceAfterEachSemicolon(stored)).radio, row.name);
        EXPECT_EQ(controlsAfter(testing::upperAscii(stored)).radio, row.name);
        EXPECT_EQ(controlsAfter(withSpaceAfterFirstSemicolon(stored, "  ")).radio, "None");
    }
}

// The order of the rows decides between commands that overlap.
const std::vector<ShowCase>& orderCases() {
    static const std::vector<ShowCase> cases = {
        {"TmpOverXm1014", "buy;menuselect 2;menuselect 2;menuselect 4;", {.gun = Gun::Tmp}},
        {"LaterRowOverEarlierText",
         "buy;menuselect 2;menuselect 3;buy;menuselect 3;menuselect 1;",
         {.gun = Gun::P90}},
        {"LastPistolRowWins",
         "buy;menuselect 1;menuselect 6;buy;menuselect 1;menuselect 1;",
         {.pistol = Pistol::Fn57}},
        {"SevenAmmoEndOnFive",
         "buyammo2;buyammo2;buyammo2;buyammo2;buyammo2;buyammo2;buyammo2;",
         {.pacombo = "5"}},
        {"AmmoNotInARow", "buyammo2;buyammo1;buyammo2;", {.pacombo = "1", .gacombo = "1"}},
        {"LaterChainWins", "radio1;menuselect 2;radio3;menuselect 1;", {.radio = "Affirmative/Roger"}},
        {"LaterChainWinsFromTheFront",
         "radio3;menuselect 1;radio1;menuselect 2;",
         {.radio = "Affirmative/Roger"}},
        {"EarlierRowWithinAChain", "radio1;menuselect 2;radio1;menuselect 1;", {.radio = "Cover Me"}},
        {"TwoSpacesBreakThePistol", "buy;  menuselect 1;menuselect 3;", {}},
        {"ForwardMarker", "aCB3", {}},
        {"ReverseMarker", "aCB3r", {}},
        {"Unbound", "", {}},
        {"Everything",
         "buy;menuselect 4;menuselect 6;buyammo1;buyammo1;buyequip;menuselect 2;buyequip;menuselect 1;"
         "buyequip;menuselect 6;buy;menuselect 1;menuselect 3;buyammo2;buyequip;menuselect 4;"
         "buyequip;menuselect 3;buyequip;menuselect 3;buyequip;menuselect 5;buyequip;menuselect 7;"
         "radio2;menuselect 5;say_team go go;rcon say hi all;",
         {Pistol::Deagle,
          Gun::Awm,
          Armour::Best,
          "1",
          "2",
          {Equipment::HeGren, Equipment::SmokeGren, Equipment::Fbang1, Equipment::Fbang2, Equipment::Defuser,
           Equipment::NVision},
          "Storm the Front",
          "go go",
          true,
          "hi all"}},
    };
    return cases;
}

// Messages: the first "say" counts wherever it stands; a ";" ends a message.
const std::vector<ShowCase>& messageCases() {
    static const std::vector<ShowCase> cases = {
        {"Say", "say hi;", {.saybox = "hi"}},
        {"SayKeepsInnerBlanksTrimsEnds", "say  hello there ;", {.saybox = "hello there"}},
        {"SayInCapitals", "SAY Hi;", {.saybox = "Hi"}},
        {"TeamSay", "say_team hi;", {.saybox = "hi", .teamsay = true}},
        {"SemicolonEndsTheMessage", "say a;b;", {.saybox = "a"}},
        {"SayInsideAWord", "echo essay now;", {.saybox = "now"}},
        {"SayWithoutSemicolon", "say x ", {.saybox = "x"}},
        {"BlankSayIsEmpty", "say  ;", {}},
        {"RconOnly",
         "buy;menuselect 1;menuselect 1;rcon say restart;",
         {.pistol = Pistol::Usp, .rconsaybox = "restart"}},
        {"RconWithoutSemicolonKeepsTrailingBlank", "rcon say x ", {.rconsaybox = "x "}},
        {"RconThenSay", "rcon say x;say hi;", {.saybox = "hi", .rconsaybox = "x"}},
        {"TwoRconThenSay", "rcon say a;rcon say b;say c;", {.saybox = "c", .rconsaybox = "a"}},
        {"SayBeforeRcon", "say hi;rcon say x;", {.saybox = "hi", .rconsaybox = "x"}},
        {"TeamSayAndRcon", "say_team hi;rcon say x;", {.saybox = "hi", .teamsay = true, .rconsaybox = "x"}},
        {"TeamSayReplacesSay", "say hi;say_team yo;", {.saybox = "yo", .teamsay = true}},
        {"SayWordWithoutBlank", "say;", {}},
    };
    return cases;
}

class ShowKeyBindCase : public ShowKeyBind, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(ShowKeyBindCase, SetsTheControlsAndRestoresTheText) {
    expectShown(GetParam().stored, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Order, ShowKeyBindCase, ::testing::ValuesIn(orderCases()),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Messages, ShowKeyBindCase, ::testing::ValuesIn(messageCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// However long the bind, its messages are found where a short bind has them, and showing ends.
TEST_F(ShowKeyBind, LongBindsAreTakenApartLikeShortOnes) {
    struct Shape {
        const char* name;
        std::string (*stored)(const std::string& pad);
        Shown shown;
    };
    const Shape shapes[] = {
        {"say after the padding", [](const std::string& pad) { return pad + "say hi;"; }, {.saybox = "hi"}},
        {"padding after the say", [](const std::string& pad) { return "say hi;" + pad; }, {.saybox = "hi"}},
        {"rcon say after the padding",
         [](const std::string& pad) { return pad + "rcon say hi;"; },
         {.rconsaybox = "hi"}},
        {"say after rcon says filling the padding",
         [](const std::string& pad) {
             std::string text;
             while (text.size() < pad.size())
                 text += "rcon say a;";
             return text + "say hi;";
         },
         {.saybox = "hi", .rconsaybox = "a"}},
    };
    // Lengths on both sides of 100,000 characters and far beyond: no part of a bind is out of the
    // search's reach.
    for (size_t length : {99'991, 99'992, 99'996, 99'997, 99'999, 100'000, 1'000'000}) {
        const std::string pad(length, 'x');
        for (const Shape& shape : shapes) {
            const std::string stored = shape.stored(pad);
            show(stored);
            const Editor want = composed(prompter, shape.shown);
            EXPECT_EQ(editor.controls, want.controls) << shape.name << ", " << length;
            EXPECT_EQ(editor.parts, want.parts) << shape.name << ", " << length;
            EXPECT_TRUE(editor.cbind == stored) << shape.name << ", " << length;
        }
    }
}

TEST_F(ShowKeyBind, WithNoKeySelectedTakesApartWhatCbindHolds) {
    editor.cbind = "buy;menuselect 1;menuselect 3;wait;";
    showkeybind(editor);
    EXPECT_EQ(editor.controls.pistol, Pistol::Deagle);
    EXPECT_EQ(editor.cbind, "buy;menuselect 1;menuselect 3;");

    editor.cbind = "aCB3";
    showkeybind(editor);
    EXPECT_EQ(editor.controls.pistol, Pistol::None);
    EXPECT_EQ(editor.cbind, "aCB3");

    // An empty say message leaves the empty say box as it is: no handler runs, the text stays.
    editor.cbind = "say ;wait;";
    showkeybind(editor);
    EXPECT_EQ(editor.controls, composed(prompter, {}).controls);
    EXPECT_EQ(editor.cbind, "say ;wait;");
}

TEST_F(ShowKeyBind, TheFirstComposerChangeDropsUnrecognisedCommands) {
    expectShown("buy;menuselect 1;menuselect 3;wait;", {.pistol = Pistol::Deagle});
    setEquipment(editor, Equipment::HeGren, true);
    EXPECT_EQ(editor.cbind, "buy;menuselect 1;menuselect 3;buyequip;menuselect 4;");
    EXPECT_EQ(bindOf("keyA"), "buy;menuselect 1;menuselect 3;wait;");
}

} // namespace
} // namespace vantrel
