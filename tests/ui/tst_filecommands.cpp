// File New, Save and Save As from the main window's menu shortcuts, with scripted dialogs.
#include "MainWindowFixture.h"
#include "TempDir.h"
#include "cfgwrite/ConfigWriter.h"
#include "ui/QtPrompter.h"

#include <QFileDialog>

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

// Our overwrite question is the only one: the dialog must not ask its own.
TEST_F(FileCommandsTest, SaveDialogOffersTheTwoFiltersAndAsksNoQuestionOfItsOwn) {
    ui::QtPrompter qtPrompter(window.get());
    std::optional<std::string> chosen = "not asked";
    whenModal([&] { chosen = qtPrompter.saveFileName(configFileFilter, SaveDialog::SaveAs); },
              [](QWidget* modal) {
                  auto* dialog = qobject_cast<QFileDialog*>(modal);
                  ASSERT_NE(dialog, nullptr);
                  EXPECT_EQ(dialog->nameFilters(), QStringList({"Config Files (*.cfg)", "All Files (*)"}));
                  EXPECT_EQ(dialog->selectedNameFilter(), "Config Files (*.cfg)");
                  EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
                  dialog->reject();
              });
    EXPECT_EQ(chosen, std::nullopt) << "Cancel is no choice";
}

} // namespace
} // namespace vantrel::testing
