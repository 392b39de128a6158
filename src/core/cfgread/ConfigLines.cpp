#include "cfgread/ConfigLines.h"

#include "text/Text.h"

namespace vantrel {

namespace {

constexpr char cr = '\r';
constexpr char lf = '\n';

// `bind ; ...`: the semicolon key named bare, as some files name it.
bool semicolonKeyAt(std::string_view line, size_t i) {
    constexpr std::string_view bindWord = "bind ";
    return i == bindWord.size() && startsWithIgnoreCase(line, bindWord) &&
           (line.size() == i + 1 || line[i + 1] == ' ');
}

} // namespace

std::vector<std::string_view> textLines(std::string_view bytes) {
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != cr && bytes[i] != lf)
            continue;
        out.push_back(bytes.substr(start, i - start));
        if (bytes[i] == cr && i + 1 < bytes.size() && bytes[i + 1] == lf)
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        out.push_back(bytes.substr(start));
    return out;
}

bool commentAt(std::string_view text, size_t i) {
    return i + 1 < text.size() && text[i] == '/' && text[i + 1] == '/' && (i == 0 || isBlank(text[i - 1]));
}

bool isCommand(std::string_view line, std::string_view word) {
    return line.size() > word.size() && startsWithIgnoreCase(line, word) && isBlank(line[word.size()]);
}

bool isCutCommand(std::string_view line) {
    for (std::string_view word : {"bind", "alias", "unbind", "unbindall"}) {
        if (line.size() > word.size() && startsWithIgnoreCase(line, word) &&
            (isBlank(line[word.size()]) || line[word.size()] == ';'))
            return true;
    }
    return false;
}

size_t commandCut(std::string_view line) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == ';') {
            if (!semicolonKeyAt(line, i))
                return i;
        } else if (commentAt(line, i)) {
            return std::string_view::npos;
        }
    }
    return std::string_view::npos;
}

ConfigLines::ConfigLines(std::string bytes) : bytes_(std::move(bytes)) {
    const std::vector<std::string_view> text = textLines(bytes_);
    lines_.reserve(text.size());
    for (std::string_view line : text) {
        line = trimLeft(line);
        // The rest after a cut is read again by the same rules, so it may be cut again.
        while (isCutCommand(line)) {
            const size_t cut = commandCut(line);
            if (cut == std::string_view::npos)
                break;
            lines_.push_back(line.substr(0, cut));
            line = trimLeft(line.substr(cut + 1));
        }
        lines_.push_back(line);
    }
}

} // namespace vantrel
