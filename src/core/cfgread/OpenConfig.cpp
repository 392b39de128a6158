#include "cfgread/OpenConfig.h"

#include "cfgread/ConfigIndex.h"
#include "cfgread/KeyReader.h"
#include "cfgwrite/StoreReset.h"
#include "circular/CircularRules.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

namespace vantrel {

namespace {

std::optional<std::string> readFileBytes(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
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
    editor.fileName = *path;
    std::error_code error;
    const auto size = std::filesystem::file_size(*path, error);
    if (!error && size > kMaxConfigBytes) {
        tell(editor, fileTooLarge);
        return;
    }
    loadconfig(editor, *path);
}

void loadconfig(Editor& editor, const std::string& path) {
    editor.prompter->setBusy(true);
    std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        editor.prompter->setBusy(false);
        tell(editor, cantOpenFile + path);
        return;
    }
    readConfigBytes(editor, *bytes);
    editor.prompter->setBusy(false);
}

void readConfigBytes(Editor& editor, std::string_view bytes) {
    resetallbinds(editor);
    ConfigIndex file{std::string(bytes)};
    readbinds1(editor, file);
    keepCircularRulesAfterOpen(editor);
}

} // namespace vantrel
