#include "WriterFixture.h"

#include "cfgwrite/FileCommands.h"
#include "platform/AtomicFile.h"

#include <sys/stat.h>

namespace vantrel {
namespace {

using testing::readBytes;
using testing::ScriptedPrompter;
using testing::TempDir;
using testing::writeBytes;

const Message overwrite{"File already exists. Do you want to overwrite?", "", Buttons::YesNo, Answer::No,
                        Icon::None};
const std::string oldBytes = "old content\r\n";

class FileCommands : public testing::WriterTest {
  protected:
    TempDir dir;

    void SetUp() override {
        WriterTest::SetUp();
        bind("a", "+attack");
    }
    int count(ScriptedPrompter::Call::Kind kind) const {
        int n = 0;
        for (const auto& call : prompter.calls())
            n += call.kind == kind;
        return n;
    }
    // Checks the one message shown: a save failure naming the path.
    void expectSaveError(const std::string& path, const std::string& reason) {
        ASSERT_EQ(prompter.messages().size(), 1u);
        const Message m = prompter.messages().back();
        EXPECT_EQ(m.text, "Cannot write file " + path + ":\n" + reason + ".");
        EXPECT_EQ(m.title, "Vantrel");
        EXPECT_EQ(m.buttons, Buttons::Ok);
    }
};

TEST_F(FileCommands, SaveAsToANewPathWritesOnceAndMakesItCurrent) {
    const std::string path = dir.path("new.cfg");
    prompter.answerSave(path);
    EXPECT_EQ(saveconfigas(editor), path);
    ASSERT_EQ(prompter.calls().front().kind, ScriptedPrompter::Call::SaveFile);
    EXPECT_EQ(prompter.calls().front().filter, "Config Files (*.cfg)|*.cfg|All Files (*.*)|*.*");
    EXPECT_TRUE(prompter.messages().empty());
    EXPECT_EQ(readBytes(path), writeConfig(editor));
    EXPECT_EQ(editor.fileName, path);
    EXPECT_TRUE(prompter.busyBalanced());

    // Save then writes there without a dialog.
    bind("b", "+jump");
    saveconfig(editor);
    EXPECT_EQ(count(ScriptedPrompter::Call::SaveFile), 1);
    EXPECT_EQ(readBytes(path), writeConfig(editor));
}

TEST_F(FileCommands, SaveAsOverAnExistingFileAsksFirst) {
    const std::string path = dir.path(".hidden.cfg"); // hidden files are asked about too
    writeBytes(path, oldBytes);
    prompter.answerSave(path).answerMessage(Answer::Yes);
    saveconfigas(editor);
    EXPECT_EQ(prompter.messages(), std::vector<Message>{overwrite});
    EXPECT_EQ(readBytes(path), writeConfig(editor));
    EXPECT_EQ(editor.fileName, path);
}

TEST_F(FileCommands, SaveAsAbandonedWritesNothingAndForgetsTheCurrentFile) {
    const std::string path = dir.path("taken.cfg");
    writeBytes(path, oldBytes);
    editor.fileName = dir.path("current.cfg");
    prompter.answerSave(path).answerMessage(Answer::No);
    EXPECT_EQ(saveconfigas(editor), "");
    EXPECT_EQ(readBytes(path), oldBytes);
    EXPECT_EQ(editor.fileName, "");

    editor.fileName = dir.path("current.cfg");
    prompter.answerSave(std::nullopt);
    EXPECT_EQ(saveconfigas(editor), "");
    EXPECT_EQ(editor.fileName, "");
    EXPECT_FALSE(pathInUse(dir.path("current.cfg")));
    EXPECT_EQ(count(ScriptedPrompter::Call::Busy), 0);
}

TEST_F(FileCommands, SaveWithoutACurrentFileAsksForOneAndWritesOnce) {
    const std::string path = dir.path("first.cfg");
    prompter.answerSave(path);
    saveconfig(editor);
    EXPECT_EQ(readBytes(path), writeConfig(editor));
    EXPECT_EQ(editor.fileName, path);
    EXPECT_EQ(count(ScriptedPrompter::Call::Busy), 2) << "one write, one busy pointer";

    editor.fileName.clear();
    prompter.answerSave(std::nullopt);
    saveconfig(editor);
    EXPECT_EQ(editor.fileName, "");
    EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(FileCommands, NewEmptiesTheStoreOnceANameIsAcceptedAndWritesNothing) {
    const std::string fresh = dir.path("fresh.cfg");
    prompter.answerSave(fresh);
    newconfig(editor);
    EXPECT_EQ(editor.fileName, fresh);
    EXPECT_EQ(editor.bind(*keyByGame("a", Case::Exact)), "");
    EXPECT_FALSE(pathInUse(fresh));

    const std::string taken = dir.path("taken.cfg");
    writeBytes(taken, oldBytes);
    bind("a", "+attack");
    prompter.answerSave(taken).answerMessage(Answer::Yes);
    newconfig(editor);
    EXPECT_EQ(editor.fileName, taken);
    EXPECT_EQ(editor.bind(*keyByGame("a", Case::Exact)), "");
    EXPECT_EQ(readBytes(taken), oldBytes) << "the next Save replaces it, not New";
}

TEST_F(FileCommands, NewAbandonedKeepsTheStoreAndForgetsTheCurrentFile) {
    const std::string taken = dir.path("taken.cfg");
    writeBytes(taken, oldBytes);
    editor.fileName = taken;
    prompter.answerSave(taken).answerMessage(Answer::No).answerSave(std::nullopt);
    newconfig(editor);
    EXPECT_EQ(editor.fileName, "");
    editor.fileName = taken;
    newconfig(editor);
    EXPECT_EQ(editor.fileName, "");
    EXPECT_EQ(editor.bind(*keyByGame("a", Case::Exact)), "+attack");
    EXPECT_EQ(prompter.messages(), std::vector<Message>{overwrite});
}

TEST_F(FileCommands, ReadOnlyTargetIsReportedAndKeptByteForByte) {
    const std::string path = dir.path("locked.cfg");
    writeBytes(path, oldBytes);
    ::chmod(path.c_str(), 0444);
    editor.fileName = path;
    prompter.answerMessage(Answer::Ok);
    saveconfig(editor);
    expectSaveError(path, "Permission denied");
    EXPECT_EQ(readBytes(path), oldBytes);
    EXPECT_EQ(editor.fileName, path);
    EXPECT_TRUE(prompter.busyBalanced());
}

TEST_F(FileCommands, MissingFolderIsReportedAndNothingIsCreated) {
    const std::string path = dir.path("missing/x.cfg");
    prompter.answerSave(path).answerMessage(Answer::Ok);
    saveconfigas(editor);
    expectSaveError(path, "No such file or directory");
    EXPECT_FALSE(pathInUse(dir.path("missing")));
}

TEST_F(FileCommands, TargetInAReadOnlyFolderIsWrittenInPlace) {
    const std::string folder = dir.path("ro");
    ::mkdir(folder.c_str(), 0755);
    const std::string path = folder + "/x.cfg";
    writeBytes(path, oldBytes);
    ::chmod(folder.c_str(), 0555);
    editor.fileName = path;
    saveconfig(editor);
    EXPECT_EQ(readBytes(path), writeConfig(editor));
    EXPECT_TRUE(prompter.messages().empty());
}

} // namespace
} // namespace vantrel
