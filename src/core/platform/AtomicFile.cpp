#include "platform/AtomicFile.h"

#include "platform/ReadAll.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {

namespace {

constexpr int maxLinkHops = 40;
constexpr int tempNameTries = 100;
constexpr std::uint64_t tempNameRange = 1000000000;
constexpr mode_t anyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t permissionBits = 07777;
constexpr mode_t newFileMode = 0666; // narrowed by the umask, as for any new file

std::string reason(int error) {
    return std::strerror(error);
}

// Why the file may not be written, or 0 when it may: marked read-only for every user, or the
// operating system's own reason (no write permission for this user, a read-only file system).
int writeRefusal(const std::string& path, const struct stat& st, const FileCalls& calls) {
    if ((st.st_mode & anyWrite) == 0)
        return EACCES;
    return calls.access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

std::string folderOf(const std::string& path) {
    const std::string parent = std::filesystem::path(path).parent_path().string();
    return parent.empty() ? "." : parent;
}

// The file a chain of symbolic links ends at (which need not exist yet).
std::optional<std::string> followLinks(std::string path, int& error) {
    for (int hop = 0; hop < maxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0) {
            error = errno;
            return std::nullopt;
        }
        link.resize(static_cast<size_t>(n));
        path = link.front() == '/' ? link : folderOf(path) + "/" + link;
    }
    error = ELOOP;
    return std::nullopt;
}

int writeAll(int fd, std::string_view bytes, const FileCalls& calls) {
    while (!bytes.empty()) {
        const ssize_t n = calls.write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return 0;
}

// Writes, syncs and closes; the error of the first step that failed, or 0.
int finish(int fd, std::string_view bytes, const FileCalls& calls) {
    int error = writeAll(fd, bytes, calls);
    if (error == 0 && calls.fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// Opens a new file beside the target with a name no other file has; -1 with errno on failure.
// The name does not grow with the target's, so a target of the longest name has one too. Whether
// the folder takes a new file is found by trying: an administrator writes where the marks say no.
int createTemp(const std::string& target, std::string& name, const FileCalls& calls) {
    const std::string folder = folderOf(target);
    static std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < tempNameTries; ++attempt) {
        name = folder + "/.vantrel-" + std::to_string(random() % tempNameRange) + ".tmp";
        const int fd = calls.create(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, newFileMode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Makes `bytes` the whole content of the open file: written from its start over what is there,
// then cut to their length and synced. The error of the first step that failed, or 0.
int overwrite(int fd, std::string_view bytes, const FileCalls& calls) {
    if (::lseek(fd, 0, SEEK_SET) < 0)
        return errno;
    if (const int error = writeAll(fd, bytes, calls))
        return error;
    if (calls.truncate(fd, static_cast<off_t>(bytes.size())) != 0)
        return errno;
    return calls.fsync(fd) != 0 ? errno : 0;
}

// Where no temporary file can be made: the old bytes are read first, so that a failure at any
// step puts them and the old length back. Nothing is truncated before the new bytes are in.
std::optional<std::string> writeInPlace(const std::string& target, std::string_view bytes,
                                        const FileCalls& calls) {
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return reason(errno);
    std::string old;
    int error = readAll(fd, old);
    if (error != 0) {
        ::close(fd);
        return reason(error);
    }
    error = overwrite(fd, bytes, calls);
    const bool restored = error == 0 || overwrite(fd, old, calls) == 0;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return std::nullopt;
    return restored ? reason(error) : reason(error) + ". " + mayBeDamaged;
}

void syncFolder(const std::string& target) {
    const int fd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd); // the rename is done; a folder that cannot be synced changes nothing of it
    ::close(fd);
}

} // namespace

const FileCalls& systemFileCalls() {
    static const FileCalls calls{
        ::write,
        ::fsync,
        ::rename,
        ::ftruncate,
        [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
        ::access,
        ::fchown};
    return calls;
}

std::optional<std::string> saveFile(const std::string& path, std::string_view bytes, const FileCalls& calls) {
    int error = 0;
    const std::optional<std::string> target = followLinks(path, error);
    if (!target)
        return reason(error);

    struct stat old {};
    const bool exists = ::stat(target->c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return reason(EISDIR);
    if (exists && !S_ISREG(old.st_mode))
        return std::string(notRegularFile);
    if (const int refusal = exists ? writeRefusal(*target, old, calls) : 0)
        return reason(refusal);

    std::string temp;
    const int fd = createTemp(*target, temp, calls);
    if (fd < 0) {
        error = errno;
        if (exists && (error == EACCES || error == EPERM))
            return writeInPlace(*target, bytes, calls);
        return reason(error);
    }
    if (exists && calls.chown(fd, old.st_uid, old.st_gid) != 0) {
        // Only an administrator gives a file away: renamed over the target, this user's temporary
        // file would take the target from its owner or group, so the target is written in place.
        ::close(fd);
        ::unlink(temp.c_str());
        return writeInPlace(*target, bytes, calls);
    }
    // After the owner: a change of owner clears the set-user and set-group bits.
    if (exists && ::fchmod(fd, old.st_mode & permissionBits) != 0)
        error = errno;
    if (error == 0)
        error = finish(fd, bytes, calls);
    else
        ::close(fd);
    if (error == 0 && calls.rename(temp.c_str(), target->c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return reason(error);
    }
    syncFolder(*target);
    return std::nullopt;
}

bool pathInUse(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

} // namespace vantrel
