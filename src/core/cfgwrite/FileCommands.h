// File New, Save and Save As: the Save dialog, the overwrite question and the current file name.
#pragma once

#include "app/Editor.h"

#include <string>

namespace vantrel {

inline constexpr const char* overwriteQuestion = "File already exists. Do you want to overwrite?";

// Asks for a file name and, once one is accepted, empties the store for a new configuration
// under it. Writes nothing.
void newconfig(Editor& editor);
// Writes the store to the current file name, asking for one through Save As when there is none.
// A file that cannot be written is reported and left as it was.
void saveconfig(Editor& editor);
// Asks for a file name and writes the store to it. Returns the accepted path, "" when abandoned.
std::string saveconfigas(Editor& editor);

} // namespace vantrel
