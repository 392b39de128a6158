// File Open: the dialog, the size limit, a file that cannot be read, the current file name and
// the busy pointer.
#include "cfgread/OpenConfig.h"
#include "cfgwrite/FileCommands.h"

#include "ReaderTesting.h"
#include "TempDir.h"

#include <fstream>

namespace vantrel::testing {
namespace {

class OpenConfig : public ReaderTest {
  protected:
    TempDir dir;

    std::string file(const char* name, std::string_view bytes) {
        const std::string path = dir.path(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    // Something in every part of the state that Open replaces.
    void fillState() {
        editor.bind(key("f1")) = "old";
        editor.colours.paintKey(key("f1"), Colour::Bound);
        editor.ssettings = {"echo old"};
        editor.srconport = "rcon_port 1";
        editor.slot10 = "slot10s";
        editor.slot10s = "old";
        editor.form6.slot(1).binds = {"b"};
        editor.form6.slot(1).o = "1";
        editor.form6.lookedup = "F1";
        editor.parts.smessage = "say old;";
        editor.fileName = "old.cfg";
    }

    void expectStateKept() {
        EXPECT_EQ(bindOf("f1"), "old");
        EXPECT_TRUE(painted("f1"));
        EXPECT_EQ(editor.ssettings, std::vector<std::string>{"echo old"});
        EXPECT_EQ(editor.srconport, "rcon_port 1");
        EXPECT_EQ(editor.slot10, "slot10s");
        EXPECT_EQ(editor.slot10s, "old");
        EXPECT_EQ(editor.form6.slot(1).binds, std::vector<std::string>{"b"});
        EXPECT_EQ(editor.form6.lookedup, "F1");
        EXPECT_EQ(editor.parts.smessage, "say old;");
    }

    std::vector<ScriptedPrompter::Call::Kind> callKinds() const {
        std::vector<ScriptedPrompter::Call::Kind> out;
        for (const auto& c : prompter.calls())
            out.push_back(c.kind);
        return out;
    }
};

using Kind = ScriptedPrompter::Call::Kind;

TEST_F(OpenConfig, CancelForgetsTheCurrentFileAndChangesNothingElse) {
    fillState();
    prompter.answerOpen(std::nullopt);
    openconfig(editor);
    EXPECT_EQ(editor.fileName, "");
    expectStateKept();
    ASSERT_EQ(prompter.calls().size(), 1u);
    EXPECT_EQ(prompter.calls()[0].filter, configFileFilter);
}

// A refused file is not current: Save asks for a name instead of writing over it.
TEST_F(OpenConfig, FileOverTheLimitIsRefusedAndSaveThenAsksForAName) {
    fillState();
    const std::string big(maxConfigBytes + 1, 'x');
    const std::string path = file("big.cfg", big);
    prompter.answerOpen(path).answerMessage(Answer::Ok).answerSave(std::nullopt);
    openconfig(editor);
    EXPECT_EQ(prompter.messages(), (std::vector<Message>{{"File is too large to open.", "Vantrel"}}));
    EXPECT_EQ(editor.fileName, "");
    expectStateKept();
    saveconfig(editor);
    EXPECT_EQ(callKinds(), (std::vector<Kind>{Kind::OpenFile, Kind::Message, Kind::SaveFile}));
    EXPECT_EQ(readBytes(path), big);
}

TEST_F(OpenConfig, FileAtTheLimitIsRead) {
    std::string bytes = crlf({"bind f2 \"x\""});
    bytes += "//" + std::string(maxConfigBytes - bytes.size() - 2, '-');
    ASSERT_EQ(bytes.size(), maxConfigBytes);
    const std::string path = file("limit.cfg", bytes);
    prompter.answerOpen(path);
    openconfig(editor);
    EXPECT_EQ(bindOf("f2"), "x");
    EXPECT_EQ(editor.fileName, path);
}

// The message names the file on its first line and the operating system's reason on the second;
// the file is not current, so Save asks for a name.
TEST_F(OpenConfig, FileThatCannotBeReadIsReportedWithTheReasonAndChangesNothing) {
    for (const std::string& path : {dir.path("missing.cfg"), dir.dir()}) {
        fillState();
        prompter.answerOpen(path).answerMessage(Answer::Ok);
        openconfig(editor);
        EXPECT_EQ(editor.fileName, "");
        expectStateKept();
    }
    const auto messages = prompter.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(
        messages[0],
        (Message{"Can't open file: " + dir.path("missing.cfg") + "\nNo such file or directory.", "Vantrel"}));
    EXPECT_EQ(messages[1].text, "Can't open file: " + dir.dir() + "\nIs a directory.");
    // The pointer is busy while the file is read and normal again before the message shows.
    EXPECT_EQ(callKinds(), (std::vector<Kind>{Kind::OpenFile, Kind::Busy, Kind::Busy, Kind::Message,
                                              Kind::OpenFile, Kind::Busy, Kind::Busy, Kind::Message}));
    EXPECT_FALSE(prompter.busy());
    prompter.answerOpen("/dev/null").answerMessage(Answer::Ok);
    openconfig(editor);
    EXPECT_EQ(prompter.messages().back().text, "Can't open file: /dev/null\nNot a regular file.");
    prompter.answerSave(std::nullopt);
    saveconfig(editor);
    EXPECT_EQ(callKinds().back(), Kind::SaveFile);
}

TEST_F(OpenConfig, OpeningReplacesEverythingTheLastFileGave) {
    fillState();
    editor.selectkey = "keyA";
    editor.skeycopy = "copied";
    editor.BindOrder = "Pistol";
    editor.cbind = "typed";
    editor.form6.selectkeyr = "keyJ";
    const std::string path = file("empty.cfg", "");
    prompter.answerOpen(path);
    openconfig(editor);
    EXPECT_EQ(callKinds(), (std::vector<Kind>{Kind::OpenFile, Kind::Busy, Kind::Busy}));
    EXPECT_TRUE(prompter.busyBalanced());
    for (KeyIndex k = 0; k < keyCount; ++k)
        EXPECT_EQ(editor.bind(k), "") << keyTable[k].id;
    EXPECT_FALSE(painted("f1"));
    EXPECT_TRUE(editor.ssettings.empty());
    EXPECT_EQ(editor.srconport, "");
    EXPECT_EQ(editor.slot10, defaultSlot10);
    EXPECT_EQ(editor.slot10s, defaultSlot10s);
    EXPECT_EQ(editor.form6.slot(1), CircularSlot{});
    EXPECT_EQ(editor.form6.lookedup, "");
    EXPECT_EQ(editor.parts, BindParts{});
    // What the store reset leaves alone.
    EXPECT_EQ(editor.selectkey, "keyA");
    EXPECT_EQ(editor.skeycopy, "copied");
    EXPECT_EQ(editor.BindOrder, "Pistol");
    EXPECT_EQ(editor.cbind, "typed");
    EXPECT_EQ(editor.form6.selectkeyr, "keyJ");
    EXPECT_EQ(editor.colours.of("keyLSLASH"), Colour::Unbindable);
}

} // namespace
} // namespace vantrel::testing
