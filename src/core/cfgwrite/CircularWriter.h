// The circular block of one key: the alias chain that steps through a circular-bind slot's binds.
#pragma once

#include "cfgwrite/ConfigText.h"
#include "circular/CircularTable.h"

#include <string_view>

namespace vantrel {

// Appends the circular block of the key named `savekeyname` (as bind lines name it) whose bind is
// `savekeybind`, and returns true. Returns false and writes nothing when the bind is none of the
// twenty bind markers, its slot is free or its options number is no number, so the caller can write the bind
// as it stands instead of dropping it.
[[nodiscard]] bool writecircularbind(ConfigText& out, const CircularTable& form6,
                                     std::string_view savekeyname, std::string_view savekeybind);

} // namespace vantrel
