// File Open: the Open dialog, the size limit, reading the file whole and the reader stages.
#pragma once

#include "app/Editor.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel {

inline constexpr std::size_t maxConfigBytes = 65000;
inline constexpr const char* fileTooLarge = "File is too large to open.";
inline constexpr const char* cantOpenFile = "Can't open file: ";

// Asks for a file and loads it unless it is larger than the limit. The path of a file read becomes
// the current file name; Cancel, a refused file and one that cannot be read leave none.
void openconfig(Editor& editor);

// Reads the file whole, then empties the store and reads every stage from the bytes in memory,
// and returns true. A file that cannot be read is reported with the operating system's reason on
// a second line, changes nothing and gives false. Busy from start to end.
[[nodiscard]] bool loadconfig(Editor& editor, const std::string& path);

// Everything Open does with a file's bytes: the store reset, then the reader stages.
void readConfigBytes(Editor& editor, std::string_view bytes);

} // namespace vantrel
