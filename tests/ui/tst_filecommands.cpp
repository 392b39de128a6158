// File New, Save and Save As from the main window's menu shortcuts, with scripted dialogs.
#include "MainWindowFixture.h"
#include "TempDir.h"
#include "cfgwrite/ConfigWriter.h"

namespace vantrel::testing {
namespace {

using FileCommandsTest = MainWindowFixture;

TEST_F(FileCommandsTest, CtrlSAsksForANameAndWritesTheFile) {
    TempDir dir;
    editor.bind(*keyById("keyA", Case::Exact)) = "+attack";
    prompter.answerSave(dir.path("mine.cfg"));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(readBytes(dir.path("mine.cfg")), writeConfig(editor));
    EXPECT_EQ(editor.fileName, dir.path("mine.cfg"));
    EXPECT_TRUE(prompter.busyBalanced());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(FileCommandsTest, CtrlNEmptiesTheStoreAndRepaintsTheKeys) {
    TempDir dir;
    editor.bind(*keyById("keyA", Case::Exact)) = "+attack";
    click("keyA");
    click("keyB");
    ASSERT_EQ(shownColour("keyA"), QColor(255, 50, 35));
    prompter.answerSave(dir.path("new.cfg"));
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(editor.bind(*keyById("keyA", Case::Exact)), "");
    EXPECT_EQ(shownColour("keyA"), buttonFace("keyA"));
    EXPECT_EQ(shownColour("keyB"), buttonFace("keyB")) << "the selected key shows unbound too";
}

} // namespace
} // namespace vantrel::testing
