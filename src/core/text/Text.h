// Byte-text helpers: every text is the file's bytes; only ASCII letters fold case.
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

enum class Case { Exact, Ignore };

constexpr char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string lowerAscii(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool equals(std::string_view a, std::string_view b, Case how);
bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);
// The position of the first `needle` at or after `from`, ignoring ASCII case; npos when there is none.
size_t findIgnoreCase(std::string_view text, std::string_view needle, size_t from = 0);

// Whole-text wildcard match ignoring ASCII case: `*` any run, `?` one character, `#` one digit,
// `[abc]`, `[a-z]` one of a set, `[!abc]` one not in it. A pattern with an unclosed `[` matches nothing.
bool like(std::string_view text, std::string_view pattern);

// The space character off the front, the end or both; never a tab or another blank, which
// trimBlanks (text/Console.h) removes too.
std::string_view trimLeadingSpaces(std::string_view text);
std::string_view trimTrailingSpaces(std::string_view text);
std::string_view trimSpaces(std::string_view text);

// A new string holding the text, for a string to take whole or to append to. GCC 12 at -O2 warns
// of a false overlap (-Wrestrict, GCC bug 105329) when a short text is copied into a string or put
// in front of one.
inline std::string newString(std::string_view text) {
    return std::string(text);
}

} // namespace vantrel
