#include "RoundTrip.h"

#include "SilentPrompter.h"

#include "cfgread/OpenConfig.h"
#include "cfgwrite/ConfigWriter.h"

#include <algorithm>

namespace vantrel::testing {

namespace {

constexpr size_t contextBytes = 60;

// The bytes around a place, line ends and tabs shown as escapes so the lines stay apart.
std::string excerpt(std::string_view text, size_t at) {
    const size_t from = std::min(at > contextBytes ? at - contextBytes : 0, text.size());
    std::string out;
    for (char c : text.substr(from, 2 * contextBytes))
        out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\t' ? "\\t" : std::string(1, c);
    return out;
}

} // namespace

void openBytes(Editor& editor, std::string_view bytes) {
    readConfigBytes(editor, bytes);
}

Editor opened(Prompter& prompter, std::string_view bytes) {
    Editor editor{prompter};
    Form_Load(editor);
    openBytes(editor, bytes);
    return editor;
}

std::string saveOpened(std::string_view bytes) {
    SilentPrompter prompter;
    return writeConfig(opened(prompter, bytes));
}

std::string difference(std::string_view expected, std::string_view actual) {
    if (expected == actual)
        return {};
    const auto at = static_cast<size_t>(
        std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first -
        expected.begin());
    return std::to_string(expected.size()) + " bytes expected, " + std::to_string(actual.size()) +
           ", first difference at byte " + std::to_string(at) + ":\nexpected: " + excerpt(expected, at) +
           "\nactual:   " + excerpt(actual, at);
}

std::optional<std::string> fixedPointFailure(std::string_view bytes) {
    const std::string b1 = saveOpened(bytes);
    if (b1.size() > maxConfigBytes) // Open would refuse it
        return std::nullopt;
    const std::string diff = difference(b1, saveOpened(b1));
    if (diff.empty())
        return std::nullopt;
    return "save(open(B1)) differs from B1: " + diff;
}

} // namespace vantrel::testing
