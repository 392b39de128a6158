// The composer panel driven through its widgets: each change runs its core handler and the
// panel shows the core's result; a selected key's bind is shown in the controls.
#include "MainWindowFixture.h"
#include "compose/Composer.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace vantrel::testing {
namespace {

using ComposerPanelTest = MainWindowFixture;

// Moves through a pick-only list with the arrow keys, as a user would, until it shows `item`.
void pick(QComboBox* list, const QString& item) {
    ASSERT_TRUE(list);
    const int target = list->findText(item);
    ASSERT_GE(target, 0) << item.toStdString();
    list->setFocus();
    while (list->currentIndex() != target)
        QTest::keyClick(list, list->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
}

void tick(QAbstractButton* box) {
    ASSERT_TRUE(box);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// USP, two pistol ammunition, an HE grenade, "Go" and "hi", joined in the default order.
const std::string composedExample = "buy;menuselect 1;menuselect 1;buyammo2;buyammo2;buyequip;menuselect 4;"
                                    "radio2;menuselect 1;say hi;";

TEST_F(ComposerPanelTest, WidgetChangesComposeTheBindTheCoreComposes) {
    tick(child<QRadioButton>(window.get(), "usp"));
    pick(child<QComboBox>(window.get(), "pacombo"), "2");
    tick(child<QCheckBox>(window.get(), "hegren"));
    pick(child<QComboBox>(window.get(), "radio"), "Go");
    auto* saybox = child<QLineEdit>(window.get(), "saybox");
    saybox->setFocus();
    QTest::keyClicks(saybox, "hi");

    EXPECT_EQ(child<QLineEdit>(window.get(), "cbind")->text().toStdString(), composedExample);
    EXPECT_EQ(editor.cbind, composedExample);
    EXPECT_EQ(editor.controls.pistol, Pistol::Usp);
    EXPECT_TRUE(editor.controls.hegren);
}

TEST_F(ComposerPanelTest, TeamSayAndDeleteRecomposeTheMessage) {
    auto* saybox = child<QLineEdit>(window.get(), "saybox");
    saybox->setFocus();
    QTest::keyClicks(saybox, "hi");
    EXPECT_EQ(child<QLineEdit>(window.get(), "cbind")->text(), "say hi;");
    tick(child<QCheckBox>(window.get(), "teamsay"));
    EXPECT_EQ(child<QLineEdit>(window.get(), "cbind")->text(), "say_team hi;");
    click("deletesay");
    EXPECT_EQ(saybox->text(), "");
    EXPECT_EQ(child<QLineEdit>(window.get(), "cbind")->text(), "");
    EXPECT_TRUE(child<QCheckBox>(window.get(), "teamsay")->isChecked());
}

TEST_F(ComposerPanelTest, TypingIntoTheCurrentBindRunsNoHandler) {
    tick(child<QRadioButton>(window.get(), "glock"));
    const BindParts parts = editor.parts;
    auto* cbind = child<QLineEdit>(window.get(), "cbind");
    cbind->setFocus();
    cbind->selectAll();
    QTest::keyClicks(cbind, "echo typed");
    EXPECT_EQ(editor.cbind, "echo typed");
    EXPECT_EQ(editor.parts, parts);
    EXPECT_TRUE(child<QRadioButton>(window.get(), "glock")->isChecked());

    // Clicking the chosen option or picking the shown item again changes nothing: no handler runs.
    tick(child<QRadioButton>(window.get(), "glock"));
    auto* radio = child<QComboBox>(window.get(), "radio");
    radio->showPopup();
    QTest::keyClick(radio->view(), Qt::Key_Return);
    EXPECT_EQ(editor.cbind, "echo typed");

    // The next composer change replaces the typed text by the composed bind.
    tick(child<QRadioButton>(window.get(), "awm"));
    EXPECT_EQ(cbind->text().toStdString(), editor.cbind);
    EXPECT_EQ(editor.cbind.find("echo"), std::string::npos);
}

TEST_F(ComposerPanelTest, RefreshShowsWhatTheCoreHolds) {
    selectGun(editor, Gun::Heckler);
    setEquipment(editor, Equipment::Defuser, true);
    gacombo_Click(editor, "4");
    rconsaybox_Change(editor, "restart");
    window->refresh();
    EXPECT_TRUE(child<QRadioButton>(window.get(), "heckler")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(window.get(), "nogun")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(window.get(), "defuser")->isChecked());
    EXPECT_EQ(child<QComboBox>(window.get(), "gacombo")->currentText(), "4");
    EXPECT_EQ(child<QLineEdit>(window.get(), "rconsaybox")->text(), "restart");
    EXPECT_EQ(child<QLineEdit>(window.get(), "cbind")->text().toStdString(), editor.cbind);
}

TEST_F(ComposerPanelTest, ALongBindIsShownWholeAndSurvivesAnEdit) {
    const std::string stored = std::string(40000, 'x') + ";";
    editor.bind(*keyById("keyZ", Case::Exact)) = stored;
    click("keyZ");
    auto* cbind = child<QLineEdit>(window.get(), "cbind");
    EXPECT_EQ(cbind->text().size(), qsizetype(stored.size()));
    cbind->setFocus();
    cbind->end(false);
    QTest::keyClicks(cbind, "y");
    EXPECT_EQ(editor.cbind, stored + "y");
}

TEST_F(ComposerPanelTest, TheTwoLineCaptionSelectsItsOption) {
    auto* caption = child<QLabel>(window.get(), "hecklercaption");
    ASSERT_TRUE(caption);
    QTest::mouseClick(caption, Qt::LeftButton);
    EXPECT_TRUE(child<QRadioButton>(window.get(), "heckler")->isChecked());
    EXPECT_EQ(editor.controls.gun, Gun::Heckler);
}

TEST_F(ComposerPanelTest, ClickingABoundKeySetsItsControls) {
    const std::string stored = composedExample + "wait;"; // showing the bind must not recompose it
    editor.bind(*keyById("keyA", Case::Exact)) = stored;
    click("keyA");
    EXPECT_TRUE(child<QRadioButton>(window.get(), "usp")->isChecked());
    EXPECT_EQ(child<QComboBox>(window.get(), "pacombo")->currentText(), "2");
    EXPECT_TRUE(child<QCheckBox>(window.get(), "hegren")->isChecked());
    EXPECT_EQ(child<QComboBox>(window.get(), "radio")->currentText(), "Go");
    EXPECT_EQ(child<QLineEdit>(window.get(), "saybox")->text(), "hi");
    EXPECT_EQ(child<QLineEdit>(window.get(), "cbind")->text().toStdString(), stored);

    // An unbound key resets every control.
    click("keyB");
    for (const char* option : {"nopistol", "nogun", "noarmour"})
        EXPECT_TRUE(child<QRadioButton>(window.get(), option)->isChecked()) << option;
    EXPECT_EQ(child<QComboBox>(window.get(), "pacombo")->currentText(), "0");
    EXPECT_FALSE(child<QCheckBox>(window.get(), "hegren")->isChecked());
    EXPECT_EQ(child<QComboBox>(window.get(), "radio")->currentText(), "None");
    EXPECT_EQ(child<QLineEdit>(window.get(), "saybox")->text(), "");
}

TEST_F(ComposerPanelTest, SaveToKeyStoresTheBindAndAnEmptyOneResetsTheComposer) {
    click("keyRCONTROL");
    auto* cbind = child<QLineEdit>(window.get(), "cbind");
    cbind->setFocus();
    QTest::keyClicks(cbind, "jump");
    click("savetokey");
    EXPECT_EQ(editor.bind(*keyById("keyLCONTROL", Case::Exact)), "jump");
    EXPECT_EQ(shownColour("keyLCONTROL"), QColor(192, 192, 255));
    EXPECT_EQ(cbind->text(), "jump");

    // Saving an empty bind clears the key and resets the composer.
    tick(child<QRadioButton>(window.get(), "deagle"));
    cbind->selectAll();
    QTest::keyClick(cbind, Qt::Key_Delete);
    click("savetokey");
    EXPECT_EQ(editor.bind(*keyById("keyLCONTROL", Case::Exact)), "");
    EXPECT_TRUE(child<QRadioButton>(window.get(), "nopistol")->isChecked());
    EXPECT_EQ(cbind->text(), "");
}

} // namespace
} // namespace vantrel::testing
