#include "compose/MessageExtraction.h"

#include "text/Text.h"

#include <algorithm>

namespace vantrel {

namespace {

// Blanking overwrites at most this many characters at a time.
constexpr size_t maxBlankRun = 100000;

constexpr std::string_view sayWord = "say";
constexpr std::string_view teamSayWord = "say_team";
constexpr std::string_view rconSayWord = "rcon say";
// How far into "rcon say" its "say" stands.
constexpr size_t sayInRconSay = rconSayWord.size() - sayWord.size();

// Position of the first occurrence ignoring case, counted from 1; 0 when there is none.
size_t position(std::string_view text, std::string_view word) {
    const size_t found = findIgnoreCase(text, word);
    return found == std::string_view::npos ? 0 : found + 1;
}

// Overwrites count characters from the 0-based position with spaces, never past the end.
void blank(std::string& text, size_t from, size_t count) {
    if (from >= text.size())
        return;
    count = std::min({count, maxBlankRun, text.size() - from});
    std::fill_n(text.begin() + static_cast<std::ptrdiff_t>(from), count, ' ');
}

// The message after the command word that ends at 1-based position end (the character after the
// word included): blanked up to there, left-trimmed, cut at the first ";" and right-trimmed.
// Without a ";", the right trim happens only when trimWithoutSemicolon is set.
std::string cutMessage(std::string message, size_t end, bool trimWithoutSemicolon) {
    blank(message, 0, end);
    message = std::string(trimLeft(message));
    const size_t semicolon = message.find(';');
    if (semicolon != std::string::npos)
        blank(message, semicolon, std::string::npos);
    if (semicolon != std::string::npos || trimWithoutSemicolon)
        message = std::string(trimRight(message));
    return message;
}

} // namespace

std::optional<std::string> extractSayMessage(std::string_view shown) {
    if (!like(shown, "*say *"))
        return std::nullopt;
    std::string message(shown);
    if (like(shown, "*rcon say *")) {
        // Blank the "say" of each leading "rcon say" so that it is not taken for a say command.
        for (;;) {
            const size_t p = position(message, sayWord);
            const size_t r = position(message, rconSayWord);
            if (p == 0)
                return std::nullopt;
            if (r == 0 || p < r || p != r + sayInRconSay)
                break;
            blank(message, 0, p + sayWord.size());
        }
    }
    const size_t p = position(message, sayWord);
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
