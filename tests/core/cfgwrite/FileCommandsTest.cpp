#include "WriterFixture.h"

#include "cfgwrite/FileCommands.h"
#include "platform/AtomicFile.h"

#include <sys/stat.h>

namespace vantrel {
namespace {

using testing::readBytes;
using testing::ScriptedPrompter;
using testing::writeBytes;

const Message overwrite{"File already exists. Do you want to overwrite?", "", Buttons::YesNo, Answer::No,
                        Icon::None};
const std::string oldBytes = "old content\r\n";

class FileCommands : public testing::WriterTest {
  protected:
    testing::TempDir dir;

    void SetUp() override {
        WriterTest::SetUp();
        bind("a", "+attack");
    }
    std::string taken(const std::string& name) {
        writeBytes(dir.path(name), oldBytes);
        return dir.path(name);
    }
    int count(ScriptedPrompter::Call::Kind kind) const {
        return static_cast<int>(std::count_if(prompter.calls().begin(), prompter.calls().end(),
                                              [kind](const auto& call) { return call.kind == kind; }));
    }
    void expectSaveError(const std::string& path, const std::string& reason) {
        const Message error{"Cannot write file " + path + ":\n" + reason + ".", "Vantrel", Buttons::Ok,
                            Answer::Ok, Icon::Warning};
        EXPECT_EQ(prompter.messages(), std::vector<Message>{error});
        EXPECT_TRUE(prompter.busyBalanced());
    }
};

TEST_F(FileCommands, SaveAsToANewPathWritesOnceThenSaveWritesThereWithoutADialog) {
    const std::string path = dir.path("new.cfg");
    prompter.answerSave(path);
    EXPECT_EQ(saveconfigas(editor), path);
    EXPECT_EQ(prompter.calls().front().filter, "Config Files (*.cfg)|*.cfg|All Files (*.*)|*.*");
    EXPECT_EQ(readBytes(path), writeConfig(editor));
    EXPECT_EQ(editor.fileName, path);
    bind("b", "+jump");
    saveconfig(editor);
    EXPECT_EQ(readBytes(path), writeConfig(editor));
    EXPECT_EQ(count(ScriptedPrompter::Call::SaveFile), 1);
    EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(FileCommands, SaveAsOverAnExistingFileAsksAndOnlyYesWrites) {
    const std::string hidden = taken(".hidden.cfg"); // hidden files are asked about too
    editor.fileName = dir.path("current.cfg");
    prompter.answerSave(hidden).answerMessage(Answer::No).answerSave(hidden).answerMessage(Answer::Yes);
    EXPECT_EQ(saveconfigas(editor), "");
    EXPECT_EQ(readBytes(hidden), oldBytes);
    EXPECT_EQ(editor.fileName, "") << "the file that was current is forgotten";
    EXPECT_EQ(saveconfigas(editor), hidden);
    EXPECT_EQ(readBytes(hidden), writeConfig(editor));
    EXPECT_EQ(prompter.messages(), (std::vector<Message>{overwrite, overwrite}));
}

TEST_F(FileCommands, SaveWithoutACurrentFileAsksForOneAndWritesOnce) {
    editor.fileName = dir.path("current.cfg");
    prompter.answerSave(std::nullopt).answerSave(dir.path("first.cfg"));
    saveconfigas(editor); // Cancel
    EXPECT_EQ(editor.fileName, "");
    EXPECT_EQ(count(ScriptedPrompter::Call::Busy), 0);
    saveconfig(editor);
    EXPECT_EQ(readBytes(dir.path("first.cfg")), writeConfig(editor));
    EXPECT_EQ(editor.fileName, dir.path("first.cfg"));
    EXPECT_EQ(count(ScriptedPrompter::Call::Busy), 2) << "one write, one busy pointer";
    EXPECT_FALSE(pathInUse(dir.path("current.cfg")));
}

TEST_F(FileCommands, NewEmptiesTheStoreOnceANameIsAcceptedAndWritesNothing) {
    const std::string old = taken("taken.cfg");
    prompter.answerSave(std::nullopt).answerSave(old).answerMessage(Answer::No);
    newconfig(editor);
    newconfig(editor);
    EXPECT_EQ(editor.fileName, "");
    EXPECT_EQ(bindOf("keyA"), "+attack");

    prompter.answerSave(old).answerMessage(Answer::Yes).answerSave(dir.path("fresh.cfg"));
    newconfig(editor);
    EXPECT_EQ(editor.fileName, old);
    EXPECT_EQ(bindOf("keyA"), "");
    EXPECT_EQ(readBytes(old), oldBytes) << "the next Save replaces it, not New";
    newconfig(editor);
    EXPECT_EQ(editor.fileName, dir.path("fresh.cfg"));
    EXPECT_FALSE(pathInUse(dir.path("fresh.cfg")));
}

TEST_F(FileCommands, UnwritableTargetsAreReportedAndLeftByteForByte) {
    const std::string locked = taken("locked.cfg");
    ::chmod(locked.c_str(), 0444);
    editor.fileName = locked;
    prompter.answerMessage(Answer::Ok);
    saveconfig(editor);
    expectSaveError(locked, "Permission denied");
    EXPECT_EQ(readBytes(locked), oldBytes);
    EXPECT_EQ(editor.fileName, locked);
}

TEST_F(FileCommands, MissingFolderIsReportedAndNothingIsCreated) {
    const std::string path = dir.path("missing/x.cfg");
    prompter.answerSave(path).answerMessage(Answer::Ok);
    saveconfigas(editor);
    expectSaveError(path, "No such file or directory");
    EXPECT_FALSE(pathInUse(dir.path("missing")));
}

TEST_F(FileCommands, TargetInAReadOnlyFolderIsWrittenInPlace) {
    ::mkdir(dir.path("ro").c_str(), 0755);
    const std::string path = taken("ro/x.cfg");
    ::chmod(dir.path("ro").c_str(), 0555);
    editor.fileName = path;
    saveconfig(editor);
    EXPECT_EQ(readBytes(path), writeConfig(editor));
    EXPECT_TRUE(prompter.messages().empty());
}

} // namespace
} // namespace vantrel
