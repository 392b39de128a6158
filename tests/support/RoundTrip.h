// The promise the reader and writer keep together: whatever a file holds, saving what was opened
// settles after one round. Shared by the round-trip tests and the reader's fuzzer.
#pragma once

#include "app/Editor.h"

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace vantrel {

// How a slot shows in a failed comparison.
inline void PrintTo(const CircularSlot& slot, std::ostream* out) {
    *out << "{binds";
    for (const std::string& bind : slot.binds)
        *out << " [" << bind << "]";
    *out << ", k " << slot.k << ", r " << slot.r << ", o " << slot.o << "}";
}

} // namespace vantrel

namespace vantrel::testing {

// Lines each ended by CR LF, as the editor ends them.
inline std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (std::string_view line : lines)
        out.append(line).append("\r\n");
    return out;
}

// Opens the bytes in the editor, as File Open reads a file it has read whole.
void openBytes(Editor& editor, std::string_view bytes);

// A started editor that opened the bytes.
Editor opened(Prompter& prompter, std::string_view bytes);

// save(open(bytes)) in a fresh editor.
std::string saveOpened(std::string_view bytes);

// Where two saved files first differ, with the bytes around that place; "" when they are equal.
std::string difference(std::string_view expected, std::string_view actual);

// With B1 = save(open(bytes)), checks save(open(B1)) == B1 when Open takes B1. Returns a
// description of where the two differ, or no value when the round trip settles.
std::optional<std::string> fixedPointFailure(std::string_view bytes);

} // namespace vantrel::testing
