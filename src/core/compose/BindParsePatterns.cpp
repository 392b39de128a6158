#include "compose/BindParsePatterns.h"

#include "text/Text.h"

namespace vantrel {

namespace {

// Matches the sequence from its position s against the text from position t. After an inner ";"
// the text may hold one space before the rest of the sequence; both readings are tried.
bool matchesAt(std::string_view text, size_t t, std::string_view sequence, size_t s) {
    for (; s < sequence.size(); ++s, ++t) {
        if (t >= text.size() || foldAscii(text[t]) != foldAscii(sequence[s]))
            return false;
        const bool innerSeparator = sequence[s] == ';' && s + 1 < sequence.size();
        if (innerSeparator && t + 1 < text.size() && text[t + 1] == ' ' &&
            matchesAt(text, t + 2, sequence, s + 1))
            return true;
    }
    return true;
}

} // namespace

bool containsSequence(std::string_view text, std::string_view sequence) {
    if (sequence.empty())
        return true;
    // Only a start on the sequence's first letter can match: a long bind is passed over quickly.
    const char first = foldAscii(sequence.front());
    for (size_t start = 0; start + sequence.size() <= text.size(); ++start)
        if (foldAscii(text[start]) == first && matchesAt(text, start, sequence, 0))
            return true;
    return false;
}

} // namespace vantrel
