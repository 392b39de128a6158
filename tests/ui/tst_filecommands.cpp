// File Open and New from the main window's menu shortcuts with scripted dialogs, and the Save As
// dialog Qt shows.
#include "MainWindowFixture.h"
#include "TempDir.h"
#include "ui/QtPrompter.h"

#include <QFileDialog>
#include <fstream>

namespace vantrel::testing {
namespace {

using FileCommandsTest = MainWindowFixture;

// The keys are repainted from the store each command leaves: Open's binds, then New's none (the
// selected key too).
TEST_F(FileCommandsTest, CtrlOAndCtrlNRepaintTheKeys) {
    TempDir dir;
    const std::string path = dir.path("binds.cfg");
    std::ofstream(path, std::ios::binary) << "bind a \"+attack\"\r\n";
    editor.bind(*keyById("keyB", Case::Exact)) = "old";
    click("keyB");
    click("keyC");
    ASSERT_EQ(shownColour("keyB"), QColor(255, 50, 35));
    prompter.answerOpen(path);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(editor.bind(*keyById("keyA", Case::Exact)), "+attack");
    EXPECT_EQ(shownColour("keyA"), QColor(255, 50, 35));
    EXPECT_EQ(shownColour("keyB"), buttonFace("keyB"));

    click("keyB");
    prompter.answerSave(dir.path("new.cfg"));
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(editor.bind(*keyById("keyA", Case::Exact)), "");
    EXPECT_EQ(shownColour("keyA"), buttonFace("keyA"));
    EXPECT_EQ(shownColour("keyB"), buttonFace("keyB"));
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
