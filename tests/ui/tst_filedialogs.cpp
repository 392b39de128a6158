// File New, Save As and Open through Qt's own dialogs and message boxes, in a run whose home and
// settings folders are scratch folders: each dialog is titled for its command, a message without
// a title of its own carries the program's, and the run leaves no file behind but the
// configuration file it was told to write.
#include "MainWindowFixture.h"
#include "TempDir.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <cstdlib>
#include <filesystem>

namespace vantrel::testing {
namespace {

// Set before main, so that Qt finds these folders the first time it looks for its settings.
const TempDir scratchHome;
const bool homeIsScratch = ::setenv("HOME", scratchHome.dir().c_str(), 1) == 0 &&
                           ::setenv("XDG_CONFIG_HOME", scratchHome.path("config").c_str(), 1) == 0;

std::vector<std::string> filesUnder(const std::string& dir) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
        if (!entry.is_directory())
            files.push_back(entry.path().string());
    return files;
}

// Chooses the path in the file dialog titled `title`, whose buttons must not say "Save" unless
// `saves` is set.
std::function<void(QWidget*)> choose(const char* title, const std::string& path, bool saves) {
    return [=](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle().toStdString(), title);
        for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
            EXPECT_TRUE(saves || !button->text().contains("Save", Qt::CaseInsensitive))
                << title << ": " << button->text().toStdString();
        // Typed as the user would: selectFile leaves a focused name box as it is.
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString(path));
        static_cast<QDialog*>(dialog)->accept(); // the accept button, whatever it says
    };
}

using FileDialogs = DialogsFixture;

TEST_F(FileDialogs, NewSaveAsAndOpenWriteOnlyTheConfigurationFile) {
    ASSERT_TRUE(homeIsScratch);
    TempDir dir;
    const std::string path = dir.path("binds.cfg");
    std::string& keyA = editor.bind(*keyById("keyA", Case::Exact)) = "+attack";

    whenModal(menu("menu_file_new"), choose("New", path, false));
    EXPECT_FALSE(std::filesystem::exists(path)) << "New writes no file";
    EXPECT_EQ(keyA, "");
    EXPECT_EQ(editor.fileName, path);

    keyA = "+jump";
    menu("menu_file_save")();
    const auto overwrite = [](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text().toStdString(), "File already exists. Do you want to overwrite?");
        EXPECT_EQ(box->windowTitle().toStdString(), "Vantrel");
        box->button(QMessageBox::Yes)->click();
    };
    whenModals(menu("menu_file_saveas"), {choose("Save As", path, true), overwrite});

    keyA = "";
    whenModal(menu("menu_file_open"), choose("Open", path, true));
    EXPECT_EQ(keyA, "+jump");

    EXPECT_EQ(filesUnder(dir.dir()), std::vector<std::string>{path});
    EXPECT_EQ(filesUnder(scratchHome.dir()), std::vector<std::string>{}) << "the run keeps nothing";
}

} // namespace
} // namespace vantrel::testing
