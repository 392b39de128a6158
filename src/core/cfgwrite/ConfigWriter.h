// The configuration file writer: the editor's store and settings in, the file's bytes out.
#pragma once

#include "app/Editor.h"

#include <string>

namespace vantrel {

// The whole file: rcon lines, slot10s alias, kept lines, then one block per live key in file
// order. Every line ends in CR LF; texts are written as the bytes stored.
std::string writeConfig(const Editor& editor);

} // namespace vantrel
