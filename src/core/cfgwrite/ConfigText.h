// The configuration file's text as it is built: lines ended by CR LF, quoted bodies, key names.
#pragma once

#include "keys/KeyTable.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel {

class ConfigText {
  public:
    // One line made of the pieces, then CR LF. A line break inside a piece (a pasted text) would
    // end the command early and run the rest as a command of its own: it is written as a space.
    template <typename... Pieces> void line(const Pieces&... pieces) {
        const size_t start = bytes_.size();
        (bytes_.append(std::string_view(pieces)), ...);
        std::replace_if(
            bytes_.begin() + static_cast<std::ptrdiff_t>(start), bytes_.end(),
            [](char c) { return c == '\r' || c == '\n'; }, ' ');
        bytes_.append("\r\n");
    }
    void emptyLine() { bytes_.append("\r\n"); }
    void reserve(size_t n) { bytes_.reserve(n); }
    std::string take() { return std::move(bytes_); }

  private:
    std::string bytes_;
};

// The text between double quotes. The console has no escape for a double quote inside one, so
// an inner quote would end the body early and let what follows run as commands: it becomes '.
std::string quoted(std::string_view text);

// The key's name as a bind line names it: between double quotes when the console would not read it
// as one word, as the semicolon key's name, which would end the command.
std::string bindKeyName(const KeyRow& row);

} // namespace vantrel
