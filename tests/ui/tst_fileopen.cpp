// File Open from the main window's menu shortcut, with a scripted dialog.
#include "MainWindowFixture.h"
#include "TempDir.h"
#include "ui/QtPrompter.h"

#include <fstream>

namespace vantrel::testing {
namespace {

using FileOpenTest = MainWindowFixture;

TEST_F(FileOpenTest, CtrlOLoadsTheChosenFileAndRepaintsTheKeys) {
    TempDir dir;
    const std::string path = dir.path("binds.cfg");
    std::ofstream(path, std::ios::binary)
        << "bind a \"+attack\"\r\nbind f1 +af1\r\nalias +af1 \"say hi\"\r\nalias -af1 \"slot10s\"\r\n";
    editor.bind(*keyById("keyB", Case::Exact)) = "old";
    click("keyB");
    click("keyC");
    ASSERT_EQ(shownColour("keyB"), QColor(255, 50, 35));
    prompter.answerOpen(path);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(editor.bind(*keyById("keyA", Case::Exact)), "+attack");
    EXPECT_EQ(editor.bind(*keyById("f1", Case::Exact)), "say hi");
    EXPECT_EQ(editor.bind(*keyById("keyB", Case::Exact)), "");
    EXPECT_EQ(editor.fileName, path);
    EXPECT_EQ(shownColour("keyA"), QColor(255, 50, 35));
    EXPECT_EQ(shownColour("keyf1"), QColor(255, 50, 35));
    EXPECT_EQ(shownColour("keyB"), buttonFace("keyB"));
    EXPECT_TRUE(prompter.busyBalanced());
}

// The Open dialog is given the two filter entries in Qt's form.
TEST(FileOpenFilter, ConfigFilesThenAllFiles) {
    EXPECT_EQ(ui::qtFilter(configFileFilter), QStringLiteral("Config Files (*.cfg);;All Files (*)"));
}

} // namespace
} // namespace vantrel::testing
