#include "cfgread/OpenConfig.h"

#include "cfgread/ConfigIndex.h"
#include "cfgread/KeyReader.h"
#include "cfgwrite/StoreReset.h"
#include "circular/CircularRules.h"
#include "platform/AtomicFile.h"
#include "platform/ReadAll.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vantrel {

namespace {

// Reads the file's whole content into `bytes`; the reason the system gives when it cannot.
[[nodiscard]] std::optional<std::string> readFileBytes(const std::string& path, std::string& bytes) {
    // A folder, a pipe or a device is no file to read whole (a pipe would block the open).
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::strerror(errno);
    if (S_ISDIR(st.st_mode))
        return std::strerror(EISDIR);
    if (!S_ISREG(st.st_mode))
        return std::string(notRegularFile);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::strerror(errno);
    const int error = readAll(fd, bytes);
    ::close(fd);
    if (error != 0)
        return std::strerror(error);
    return std::nullopt;
}

void tell(Editor& editor, std::string text) {
    editor.prompter->message({std::move(text), programTitle, Buttons::Ok, Answer::Ok, Icon::None});
}

} // namespace

void openconfig(Editor& editor) {
    editor.fileName.clear();
    const std::optional<std::string> path = editor.prompter->openFileName(configFileFilter);
    if (!path)
        return;
    std::error_code error;
    const auto size = std::filesystem::file_size(*path, error);
    if (!error && size > maxConfigBytes) {
        tell(editor, fileTooLarge);
        return;
    }
    // A file refused or not read is not current, so Save asks for a name instead of writing
    // the editor's store over a file that was never opened.
    if (loadconfig(editor, *path))
        editor.fileName = *path;
}

bool loadconfig(Editor& editor, const std::string& path) {
    editor.prompter->setBusy(true);
    std::string bytes;
    if (const std::optional<std::string> failure = readFileBytes(path, bytes)) {
        editor.prompter->setBusy(false);
        tell(editor, cantOpenFile + path + "\n" + *failure + ".");
        return false;
    }
    readConfigBytes(editor, bytes);
    editor.prompter->setBusy(false);
    return true;
}

void readConfigBytes(Editor& editor, std::string_view bytes) {
    resetallbinds(editor);
    ConfigIndex file{std::string(bytes)};
    readbinds1(editor, file);
    keepCircularRulesAfterOpen(editor);
}

} // namespace vantrel
