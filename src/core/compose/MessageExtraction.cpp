#include "compose/MessageExtraction.h"

#include "text/Text.h"

#include <algorithm>

namespace vantrel {

namespace {

constexpr std::string_view sayWord = "say";
constexpr std::string_view teamSayWord = "say_team";
constexpr std::string_view rconSayWord = "rcon say";

// Position of the first occurrence at or after the 0-based from, ignoring case, counted from 1;
// 0 when there is none.
size_t position(std::string_view text, std::string_view word, size_t from = 0) {
    const size_t found = findIgnoreCase(text, word, from);
    return found == std::string_view::npos ? 0 : found + 1;
}

// Overwrites count characters from the 0-based position with spaces, never past the end. Texts of
// any length blank whole, so a word far into a long bind is reached like one near its start.
void blank(std::string& text, size_t from, size_t count) {
    if (from >= text.size())
        return;
    count = std::min(count, text.size() - from);
    std::fill_n(text.begin() + static_cast<std::ptrdiff_t>(from), count, ' ');
}

// The message after the command word that ends at 1-based position end (the character after the
// word included): blanked up to there, left-trimmed, cut at the first ";" and right-trimmed.
// Without a ";", the right trim happens only when trimWithoutSemicolon is set.
std::string cutMessage(std::string message, size_t end, bool trimWithoutSemicolon) {
    blank(message, 0, end);
    message = std::string(trimLeadingSpaces(message));
    const size_t semicolon = message.find(';');
    if (semicolon != std::string::npos)
        blank(message, semicolon, std::string::npos);
    if (semicolon != std::string::npos || trimWithoutSemicolon)
        message = std::string(trimTrailingSpaces(message));
    return message;
}

} // namespace

std::optional<std::string> extractSayMessage(std::string_view shown) {
    if (!like(shown, "*say *"))
        return std::nullopt;
    std::string message(shown);
    size_t blanked = 0;
    if (like(shown, "*rcon say *")) {
        // Blank the "say" of each leading "rcon say" so that it is not taken for a say command.
        // Everything before `blanked` is spaces already, so each search and blanking starts there
        // and a bind of many "rcon say" commands is taken apart in one pass.
        for (;;) {
            const size_t p = position(message, sayWord, blanked);
            const size_t r = position(message, rconSayWord, blanked);
            if (p == 0)
                return std::nullopt;
            if (r == 0 || p < r)
                break;
            blank(message, blanked, p + sayWord.size() - blanked);
            blanked = p + sayWord.size();
        }
    }
    const size_t p = position(message, sayWord, blanked);
    return cutMessage(std::move(message), p + sayWord.size(), true);
}

std::optional<std::string> extractTeamMessage(std::string_view shown) {
    if (!like(shown, "*say_team *"))
        return std::nullopt;
    const size_t p = position(shown, teamSayWord);
    return cutMessage(std::string(shown), p + teamSayWord.size(), true);
}

std::optional<std::string> extractRconMessage(std::string_view shown) {
    if (!like(shown, "*rcon say *"))
        return std::nullopt;
    const size_t p = position(shown, rconSayWord);
    return cutMessage(std::string(shown), p + rconSayWord.size(), false);
}

} // namespace vantrel
