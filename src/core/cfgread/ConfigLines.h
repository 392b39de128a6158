// A configuration file cut into the command lines the editor reads: text lines split at every line
// end, and each bind, alias, unbind, unbindall or rcon command taken out of its line as the game
// runs it, wherever it stands among the line's commands.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The text lines of a file: a line ends at CR LF, a lone CR or a lone LF; a last line without
// a line end is a line too. The views point into `bytes`.
std::vector<std::string_view> textLines(std::string_view bytes);

// The file's command lines, each without the blanks before its first word. A text line is cut at
// each ";" that ends a command the editor reads: that command is a line of its own, and the commands
// between two such are one line, kept as they stand. The views point into the text the object
// holds, so it is neither copied nor moved.
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

// True when the line's first word names the command, letter case ignored as the game ignores it.
bool isCommand(std::string_view line, std::string_view word);

} // namespace vantrel
