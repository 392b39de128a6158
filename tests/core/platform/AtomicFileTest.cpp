#include "platform/AtomicFile.h"

#include "TempDir.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vantrel {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

const std::string oldBytes = "old content\r\n";
const std::string newBytes = "bind a \"+attack\"\r\n\r\n";

struct stat statOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st;
}

mode_t modeOf(const std::string& path) {
    return statOf(path).st_mode & 07777;
}

size_t entriesIn(const std::string& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

// System calls with one of them failing as a full disk or a lost rename would.
FileCalls failing(const char* which, int error) {
    FileCalls calls = systemFileCalls();
    auto fail = [error] {
        errno = error;
        return -1;
    };
    if (std::string(which) == "write")
        calls.write = [fail](int, const void*, size_t) -> ssize_t { return fail(); };
    if (std::string(which) == "fsync")
        calls.fsync = [fail](int) { return fail(); };
    if (std::string(which) == "rename")
        calls.rename = [fail](const char*, const char*) { return fail(); };
    if (std::string(which) == "access")
        calls.access = [fail](const char*, int) { return fail(); };
    if (std::string(which) == "chown")
        calls.chown = [fail](int, uid_t, gid_t) { return fail(); };
    return calls;
}

class AtomicSave : public ::testing::Test {
  protected:
    TempDir dir;
};

TEST_F(AtomicSave, NewFileGetsTheUsualPermissionsAndAReplacedOneKeepsItsOwn) {
    const std::string path = dir.path("x.cfg");
    const mode_t mask = ::umask(022);
    EXPECT_EQ(saveFile(path, newBytes), std::nullopt);
    ::umask(mask);
    EXPECT_EQ(readBytes(path), newBytes);
    EXPECT_EQ(modeOf(path), 0644u);
    ::chmod(path.c_str(), 0640);
    EXPECT_EQ(saveFile(path, ""), std::nullopt);
    EXPECT_EQ(readBytes(path), "");
    EXPECT_EQ(modeOf(path), 0640u);
    if (::chown(path.c_str(), 4321, 4321) == 0) { // an administrator gives the file away
        EXPECT_EQ(saveFile(path, newBytes), std::nullopt);
        EXPECT_EQ(statOf(path).st_uid, 4321u);
        EXPECT_EQ(statOf(path).st_gid, 4321u);
    }
    // A temporary file that cannot take the owner is not renamed over the target: it is written in
    // place.
    const ino_t inode = statOf(path).st_ino;
    EXPECT_EQ(saveFile(path, oldBytes, failing("chown", EPERM)), std::nullopt);
    EXPECT_EQ(readBytes(path), oldBytes);
    EXPECT_EQ(statOf(path).st_ino, inode);
    EXPECT_EQ(modeOf(path), 0640u);
    EXPECT_EQ(entriesIn(dir.dir()), 1u) << "no temporary file left";
}

TEST_F(AtomicSave, FailuresLeaveTheOldFileAndNoTemporaryFile) {
    const std::string path = dir.path("x.cfg");
    writeBytes(path, oldBytes);
    struct Case {
        const char* call;
        int error;
    };
    for (const Case c :
         {Case{"write", ENOSPC}, Case{"fsync", EIO}, Case{"rename", EXDEV}, Case{"access", EROFS}}) {
        EXPECT_EQ(saveFile(path, newBytes, failing(c.call, c.error)), std::strerror(c.error)) << c.call;
        EXPECT_EQ(readBytes(path), oldBytes) << c.call;
        EXPECT_EQ(entriesIn(dir.dir()), 1u) << c.call;
    }
}

TEST_F(AtomicSave, ShortWritesAreCarriedOn) {
    FileCalls calls = systemFileCalls();
    calls.write = [](int fd, const void* data, size_t size) {
        return ::write(fd, data, size > 3 ? 3 : size);
    };
    const std::string path = dir.path("x.cfg");
    EXPECT_EQ(saveFile(path, newBytes, calls), std::nullopt);
    EXPECT_EQ(readBytes(path), newBytes);
}

// A read-only file, a missing folder and a file in a read-only folder are the file commands' tests.
// Whether a folder takes a new file is found by trying, so an administrator writes where the marks
// say no.
TEST_F(AtomicSave, FolderIsRefusedAndANewFileGoesWhereTheSystemLetsIt) {
    EXPECT_EQ(saveFile(dir.dir(), newBytes), std::strerror(EISDIR));
    const std::string folder = dir.path("ro");
    ::mkdir(folder.c_str(), 0555);
    if (::access(folder.c_str(), W_OK) == 0) {
        EXPECT_EQ(saveFile(folder + "/y.cfg", newBytes), std::nullopt);
        EXPECT_EQ(entriesIn(folder), 1u);
    } else {
        EXPECT_EQ(saveFile(folder + "/y.cfg", newBytes), std::strerror(EACCES));
        EXPECT_EQ(entriesIn(folder), 0u);
    }
}

// The calls of an in-place write, counted in order across write, truncate and sync (writes of at
// most three bytes, so a content takes several): the calls whose numbers are listed fail.
struct CountedCalls {
    int count = 0;
    std::vector<int> failAt;

    FileCalls calls() {
        FileCalls c = systemFileCalls();
        c.create = [](const char*, int, mode_t) {
            errno = EACCES;
            return -1;
        };
        c.write = [this](int fd, const void* data, size_t size) -> ssize_t {
            return fails() ? -1 : ::write(fd, data, size > 3 ? 3 : size);
        };
        c.truncate = [this](int fd, off_t length) { return fails() ? -1 : ::ftruncate(fd, length); };
        c.fsync = [this](int fd) { return fails() ? -1 : ::fsync(fd); };
        return c;
    }
    bool fails() {
        ++count;
        errno = ENOSPC;
        return std::find(failAt.begin(), failAt.end(), count) != failAt.end();
    }
};

// Without a temporary file the target is written over in place: a failure at any write, at the
// length change or at the sync puts the old bytes and length back; a failure of the restore too
// is said to leave the file maybe damaged.
TEST_F(AtomicSave, InPlaceWriteFailingAnywherePutsTheOldFileBack) {
    const std::string path = dir.path("x.cfg");
    for (const std::string& bytes : {newBytes, std::string("x\r\n")}) {
        writeBytes(path, oldBytes);
        CountedCalls ok;
        ASSERT_EQ(saveFile(path, bytes, ok.calls()), std::nullopt);
        ASSERT_EQ(readBytes(path), bytes);
        const int steps = ok.count;
        writeBytes(path, oldBytes);
        CountedCalls restore;
        restore.failAt = {1};
        EXPECT_NE(saveFile(path, bytes, restore.calls()), std::nullopt);
        const int restoreSteps = restore.count - 1;
        for (int at = 1; at <= steps; ++at) {
            writeBytes(path, oldBytes);
            CountedCalls one;
            one.failAt = {at};
            EXPECT_EQ(saveFile(path, bytes, one.calls()), std::strerror(ENOSPC)) << at;
            EXPECT_EQ(readBytes(path), oldBytes) << at;
            for (int r = 1; r <= restoreSteps; ++r) {
                CountedCalls two;
                two.failAt = {at, at + r};
                EXPECT_EQ(saveFile(path, bytes, two.calls()),
                          std::string(std::strerror(ENOSPC)) + ". The file may be damaged")
                    << at << " then " << r;
                writeBytes(path, oldBytes);
            }
        }
        EXPECT_EQ(entriesIn(dir.dir()), 1u);
    }
}

TEST_F(AtomicSave, NameOfTheLongestLengthCanBeSaved) {
    const std::string path = dir.path(std::string(NAME_MAX - 4, 'n') + ".cfg");
    EXPECT_EQ(saveFile(path, newBytes), std::nullopt);
    EXPECT_EQ(saveFile(path, newBytes + newBytes), std::nullopt);
    EXPECT_EQ(readBytes(path), newBytes + newBytes);
}

TEST_F(AtomicSave, SymbolicLinksAreFollowed) {
    const std::string real = dir.path("real.cfg");
    writeBytes(real, oldBytes);
    ::symlink("real.cfg", dir.path("link.cfg").c_str());
    EXPECT_EQ(saveFile(dir.path("link.cfg"), newBytes), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path("link.cfg")));
    EXPECT_EQ(readBytes(real), newBytes);

    ::symlink(dir.path("later.cfg").c_str(), dir.path("dangling.cfg").c_str());
    EXPECT_EQ(saveFile(dir.path("dangling.cfg"), newBytes), std::nullopt);
    EXPECT_EQ(readBytes(dir.path("later.cfg")), newBytes);
}

TEST(PathInUse, AnythingAtThePathCounts) {
    TempDir dir;
    writeBytes(dir.path(".hidden.cfg"), oldBytes);
    ::symlink("nowhere", dir.path("dangling").c_str());
    EXPECT_TRUE(pathInUse(dir.path(".hidden.cfg")));
    EXPECT_TRUE(pathInUse(dir.path("dangling")));
    EXPECT_TRUE(pathInUse(dir.dir()));
    EXPECT_FALSE(pathInUse(dir.path("absent.cfg")));
    EXPECT_FALSE(pathInUse(dir.path(".hidden.cfg/below")));
}

} // namespace
} // namespace vantrel
