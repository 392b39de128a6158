// Reading an open file whole, for Open and for a save that must keep the old content at hand.
#pragma once

#include <string>

namespace vantrel {

// Appends what is left of the open file to `out`, reading past interruptions by a signal.
// Returns the system's error number on failure (`out` then holds what was read), or 0.
[[nodiscard]] int readAll(int fd, std::string& out);

} // namespace vantrel
