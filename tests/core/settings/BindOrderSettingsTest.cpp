#include "settings/BindOrderSettings.h"

#include "EditorFixture.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using BindOrderChoice = testing::EditorTest;

TEST_F(BindOrderChoice, LoadSelectsTheStoredPresetAndShowsItsOrder) {
    BindOrderSettings form7{editor};
    form7.Form_Load();
    EXPECT_EQ(form7.Combo1, "Default");
    EXPECT_EQ(form7.o[0], "Gun");
    EXPECT_EQ(form7.o[13], "Rcon Say");

    editor.BindOrder = "Grenades";
    BindOrderSettings again{editor};
    again.Form_Load();
    EXPECT_EQ(again.Combo1, "Grenades");
    EXPECT_EQ(again.o[0], "HE gren.");
}

// The labels show the order the composer joins: "Defuser" buys the pistol before the gun.
TEST_F(BindOrderChoice, EachPresetShowsEveryPartOnceInTheComposersOrder) {
    BindOrderSettings form7{editor};
    for (const BindOrderRow& order : bindOrderTable) {
        form7.Combo1_Click(order.name);
        auto sorted = form7.o;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_NE(sorted.front(), "") << order.name;
        EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << order.name;
        EXPECT_EQ(form7.o[10], "Night Vision") << order.name;
    }
    form7.Combo1_Click("Defuser");
    EXPECT_EQ(std::vector<std::string>(form7.o.begin(), form7.o.begin() + 6),
              (std::vector<std::string>{"Defuser", "Pistol", "Pistol ammo", "Armour", "Gun", "Gun ammo"}));
}

TEST(BindOrderPresets, RecognisesOnlyTheExactNames) {
    EXPECT_EQ(recognisePreset("Armour"), 2u);
    EXPECT_FALSE(recognisePreset("armour"));
    EXPECT_FALSE(recognisePreset("Armour "));
    EXPECT_FALSE(recognisePreset(""));
}

TEST_F(BindOrderChoice, CloseStoresNothingAndTheNextOpeningShowsTheStoredPreset) {
    BindOrderSettings form7{editor};
    form7.Form_Load();
    form7.Combo1_Click("Pistol");
    EXPECT_EQ(form7.o[0], "Pistol");
    EXPECT_EQ(editor.BindOrder, "Default");
    BindOrderSettings next{editor};
    next.Form_Load();
    EXPECT_EQ(next.Combo1, "Default");
}

TEST_F(BindOrderChoice, SaveStoresThePickWithoutRecomposing) {
    editor.cbind = "typed by hand;";
    BindOrderSettings form7{editor};
    form7.Form_Load();
    form7.Combo1_Click("Armour");
    form7.Command1_Click();
    EXPECT_EQ(editor.BindOrder, "Armour");
    EXPECT_EQ(editor.cbind, "typed by hand;");
}

TEST_F(BindOrderChoice, SaveWithNoPresetSelectedKeepsTheOrder) {
    editor.BindOrder = "pistol"; // never stored by the program, but must not be replaced by nothing
    BindOrderSettings form7{editor};
    form7.Form_Load();
    EXPECT_EQ(form7.Combo1, "");
    EXPECT_EQ(form7.o[0], "1");
    form7.Command1_Click();
    EXPECT_EQ(editor.BindOrder, "pistol");
}

} // namespace
} // namespace vantrel
