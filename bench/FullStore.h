// The store the benchmarks time: 99 keys bound, ten two-way circular binds of seven binds each,
// kept lines and both rcon lines.
#pragma once

#include "app/Editor.h"

namespace vantrel {

void fillFullStore(Editor& editor);

} // namespace vantrel
