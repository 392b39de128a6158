// Saving a file so that a failed save never destroys the old one: the new content goes to a
// temporary file beside the target, is synced, and is renamed over the target.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace vantrel {

// The reason given for a path that names neither a file nor a folder (a pipe, a device).
inline constexpr const char* notRegularFile = "Not a regular file";

// The system calls a save makes on its file; tests replace one to make it fail.
struct FileCalls {
    std::function<ssize_t(int fd, const void* data, size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(const char* from, const char* to)> rename;
    std::function<int(int fd, off_t length)> truncate;
    // Creates the temporary file beside the target (an open with O_CREAT and O_EXCL).
    std::function<int(const char* path, int flags, mode_t mode)> create;
    // Asks whether the target may be written (an access with W_OK).
    std::function<int(const char* path, int mode)> access;
    // Gives the temporary file the target's owner and group (an fchown).
    std::function<int(int fd, uid_t owner, gid_t group)> chown;
};

// Said after the reason when a failed in-place write could not put the old content back.
inline constexpr const char* mayBeDamaged = "The file may be damaged";

const FileCalls& systemFileCalls();

// Makes `bytes` the whole content of the file at `path`. A symbolic link is followed and its
// target written; an existing file keeps its permissions, owner and group; a file marked
// read-only is refused. Where no temporary file can be made beside the target (a read-only
// folder), or where it cannot take the target's owner and group, an existing writable target is
// written in place: its old content is read first (a target that cannot be read is refused
// before anything is written) and put back with its old length when any step fails; when even
// that fails, the reason ends by saying the file may be damaged. Returns the operating system's
// reason on failure, and no value on success.
[[nodiscard]] std::optional<std::string> saveFile(const std::string& path, std::string_view bytes,
                                                  const FileCalls& calls = systemFileCalls());

// True when anything exists at the path: a file (hidden ones too), a folder, a link. Also true
// when that cannot be told.
bool pathInUse(const std::string& path);

} // namespace vantrel
