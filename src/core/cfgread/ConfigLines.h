// A configuration file cut into the command lines the game runs: text lines split at every line
// end, and bind, alias and unbind lines split again at each ";" outside double quotes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The text lines of a file: a line ends at CR LF, a lone CR or a lone LF; a last line without
// a line end is a line too. The views point into `bytes`.
std::vector<std::string_view> textLines(std::string_view bytes);

// The position of the ";" at which the game cuts a bind or alias line into two commands: the
// first one outside double quotes and before a "//" comment; npos when the line is one command.
// The bare key name of `bind ; ...` is a key, not a cut.
size_t commandCut(std::string_view line);

// The file's command lines, each without its leading spaces. The views point into the text the
// object holds, so it is neither copied nor moved.
class ConfigLines {
  public:
    explicit ConfigLines(std::string bytes);
    ConfigLines(const ConfigLines&) = delete;
    ConfigLines& operator=(const ConfigLines&) = delete;

    const std::vector<std::string_view>& lines() const { return lines_; }
    size_t size() const { return lines_.size(); }
    std::string_view operator[](size_t i) const { return lines_[i]; }

  private:
    std::string bytes_;
    std::vector<std::string_view> lines_;
};

// True when a "//" that begins a word, and so a comment, starts at position i.
bool commentAt(std::string_view text, size_t i);

// True when the line is a command of the given word: the word, ignoring case, then a space or
// a tab.
bool isCommand(std::string_view line, std::string_view word);

// True when the line is a bind, alias, unbind or unbindall command, whose ";" outside quotes the reader
// cuts at: the word, ignoring case, then a space, a tab or the ";" itself.
bool isCutCommand(std::string_view line);

} // namespace vantrel
