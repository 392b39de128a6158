#include "text/Text.h"

#include <vector>

namespace vantrel {

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = foldAscii(c);
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    return true;
}

bool equals(std::string_view a, std::string_view b, Case how) {
    return how == Case::Exact ? a == b : equalsIgnoreCase(a, b);
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

size_t findIgnoreCase(std::string_view text, std::string_view needle, size_t from) {
    if (needle.empty())
        return from <= text.size() ? from : std::string_view::npos;
    // Every line of a file is searched: the first byte is compared before the rest is.
    const char first = foldAscii(needle.front());
    for (size_t i = from; i + needle.size() <= text.size(); ++i)
        if (foldAscii(text[i]) == first &&
            equalsIgnoreCase(text.substr(i + 1, needle.size() - 1), needle.substr(1)))
            return i;
    return std::string_view::npos;
}

namespace {

// One pattern element: a literal, `?`, `#`, `*` or a bracket set.
struct Element {
    enum Kind { Literal, AnyOne, Digit, AnyRun, Set } kind;
    std::string_view set; // the inside of the brackets, after a leading `!`
    bool negated = false;
    char literal = 0;
};

bool inSet(const Element& e, char c) {
    const char f = foldAscii(c);
    bool found = false;
    const std::string_view s = e.set;
    for (size_t i = 0; i < s.size() && !found; ++i) {
        if (i + 2 < s.size() && s[i + 1] == '-') {
            const char lo = foldAscii(s[i]), hi = foldAscii(s[i + 2]);
            found = (f >= lo && f <= hi) || (c >= s[i] && c <= s[i + 2]);
            i += 2;
        } else {
            found = foldAscii(s[i]) == f;
        }
    }
    return found != e.negated;
}

bool compile(std::string_view pattern, std::vector<Element>& out) {
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '*') {
            out.push_back({Element::AnyRun, {}, false, 0});
        } else if (c == '?') {
            out.push_back({Element::AnyOne, {}, false, 0});
        } else if (c == '#') {
            out.push_back({Element::Digit, {}, false, 0});
        } else if (c == '[') {
            const size_t close = pattern.find(']', i + 1);
            if (close == std::string_view::npos)
                return false;
            std::string_view inside = pattern.substr(i + 1, close - i - 1);
            const bool negated = !inside.empty() && inside.front() == '!';
            if (negated)
                inside.remove_prefix(1);
            out.push_back({Element::Set, inside, negated, 0});
            i = close;
        } else {
            out.push_back({Element::Literal, {}, false, c});
        }
    }
    return true;
}

bool matchOne(const Element& e, char c) {
    switch (e.kind) {
    case Element::Literal:
        return foldAscii(e.literal) == foldAscii(c);
    case Element::AnyOne:
        return true;
    case Element::Digit:
        return c >= '0' && c <= '9';
    case Element::Set:
        return inSet(e, c);
    case Element::AnyRun:
        break;
    }
    return false;
}

} // namespace

bool like(std::string_view text, std::string_view pattern) {
    std::vector<Element> elements;
    if (!compile(pattern, elements))
        return false;
    // Greedy match with backtracking to the last `*`: linear in practice, never exponential.
    size_t t = 0, p = 0;
    size_t starP = std::string_view::npos, starT = 0;
    while (t < text.size()) {
        if (p < elements.size() && elements[p].kind == Element::AnyRun) {
            starP = p++;
            starT = t;
        } else if (p < elements.size() && matchOne(elements[p], text[t])) {
            ++p;
            ++t;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < elements.size() && elements[p].kind == Element::AnyRun)
        ++p;
    return p == elements.size();
}

std::string_view trimLeadingSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

std::string_view trimTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::string_view trimSpaces(std::string_view text) {
    return trimTrailingSpaces(trimLeadingSpaces(text));
}

} // namespace vantrel
