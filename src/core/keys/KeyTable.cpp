#include "keys/KeyTable.h"

#include <algorithm>
#include <string>
#include <unordered_map>

namespace vantrel {

// clang-format off
constexpr std::array<KeyRow, keyCount> keyTable = {{
    {"button1", "button1", {}, "Button 1", "Mouse 1", "mouse1", "mouse1", 13},
    {"button2", "button2", {}, "Button 2", "Mouse 2", "mouse2", "mouse2", 14},
    {"button3", "button3", {}, "Button 3", "Mouse 3", "mouse3", "mouse3", 15},
    {"button4", "button4", {}, "Button 4", "Mouse 4", "mouse4", "mouse4", 16},
    {"button5", "button5", {}, "Button 5", "Mouse 5", "mouse5", "mouse5", 17},
    {"buttonWD", "buttonWD", {}, "Wheel D", "MWheel D", "mwheeldown", "mwheeldown", 18},
    {"buttonWU", "buttonWU", {}, "Wheel U", "MWheel U", "mwheelup", "mwheelup", 19},
    {"key1", "key1", {}, "1", "1", "1", "1", 20},
    {"key2", "key2", {}, "2", "2", "2", "2", 21},
    {"key3", "key3", {}, "3", "3", "3", "3", 22},
    {"key4", "key4", {}, "4", "4", "4", "4", 23},
    {"key5", "key5", {}, "5", "5", "5", "5", 24},
    {"key6", "key6", {}, "6", "6", "6", "6", 25},
    {"key7", "key7", {}, "7", "7", "7", "7", 26},
    {"key8", "key8", {}, "8", "8", "8", "8", 27},
    {"key9", "key9", {}, "9", "9", "9", "9", 28},
    {"key0", "key0", {}, "0", "0", "0", "0", 29},
    {"keyA", "keyA", {}, "A", "A", "a", "a", 30},
    {"keyB", "keyB", {}, "B", "B", "b", "b", 31},
    {"keyback", "keyback", {}, "Back", "Backspace", "backspace", "backspace", 32},
    {"keyC", "keyC", {}, "C", "C", "c", "c", 33},
    {"keycomma", "keycomma", {}, ",", "Comma", ",", "comma", 34},
    {"keyD", "keyD", {}, "D", "D", "d", "d", 35},
    {"keyDELETE", "keyDELETE", {}, "Del", "Delete", "del", "del", 36},
    {"keyDOWN", "keyDOWN", {}, "Dn", "Down", "downarrow", "downarrow", 37},
    {"keyE", "keyE", {}, "E", "E", "e", "e", 38},
    {"keyEND", "keyEND", {}, "En", "End", "end", "end", 39},
    {"keyequals", "keyequals", {}, "=", "Equals", "=", "equals", 40},
    {"keyF", "keyF", {}, "F", "F", "f", "f", 41},
    {"f1", "keyf1", {}, "F1", "F1", "f1", "f1", 1},
    {"f2", "keyf2", {}, "F2", "F2", "f2", "f2", 2},
    {"f3", "keyf3", {}, "F3", "F3", "f3", "f3", 3},
    {"f4", "keyf4", {}, "F4", "F4", "f4", "f4", 4},
    {"f5", "keyf5", {}, "F5", "F5", "f5", "f5", 5},
    {"f6", "keyf6", {}, "F6", "F6", "f6", "f6", 6},
    {"f7", "keyf7", {}, "F7", "F7", "f7", "f7", 7},
    {"f8", "keyf8", {}, "F8", "F8", "f8", "f8", 8},
    {"f9", "keyf9", {}, "F9", "F9", "f9", "f9", 9},
    {"f10", "keyf10", {}, "F10", "F10", "f10", "f10", 10},
    {"f11", "keyf11", {}, "F11", "F11", "f11", "f11", 11},
    {"f12", "keyf12", {}, "F12", "F12", "f12", "f12", 12},
    {"keyfullstop", "keyfullstop", {}, ".", "Full Stop", ".", "fullstop", 42},
    {"keyG", "keyG", {}, "G", "G", "g", "g", 43},
    {"keyH", "keyH", {}, "H", "H", "h", "h", 44},
    {"keyhash", "keyhash", {}, "#", "Hash", "\\", "hash", 45},
    {"keyHOME", "keyHOME", {}, "Ho", "Home", "home", "home", 46},
    {"keyI", "keyI", {}, "I", "I", "i", "i", 47},
    {"keyINSERT", "keyINSERT", {}, "Ins", "Insert", "ins", "ins", 48},
    {"keyJ", "keyJ", {}, "J", "J", "j", "j", 49},
    {"keyK", "keyK", {}, "K", "K", "k", "k", 50},
    {"keyL", "keyL", {}, "L", "L", "l", "l", 51},
    {"keyLALT", "keyLALT", "keyRALT", "Alt", "Alt", "alt", "alt", 52},
    {"keyLCONTROL", "keyLCONTROL", "keyRCONTROL", "Ctrl", "Control", "ctrl", "ctrl", 53},
    {"keyLEFT", "keyLEFT", {}, "Lt", "Left", "leftarrow", "leftarrow", 54},
    {"keyleftbracket", "keyleftbracket", {}, "[", "Left Bracket", "[", "leftbracket", 55},
    {"keyLENTER", "keyLENTER", {}, "Ent", "Enter", "enter", "enter", 56},
    {"keyLSHIFT", "keyLSHIFT", "keyRSHIFT", "Shift", "Shift", "shift", "shift", 57},
    {"keyLSLASH", {}, {}, "", "", "", "", 0},
    {"keyM", "keyM", {}, "M", "M", "m", "m", 58},
    {"keyminus", "keyminus", {}, "-", "Minus", "-", "minus", 59},
    {"keyN", "keyN", {}, "N", "N", "n", "n", 60},
    {"keyO", "keyO", {}, "O", "O", "o", "o", 61},
    {"keyP", "keyP", {}, "P", "P", "p", "p", 62},
    {"keypad0", "keypad0", {}, "0", "keypad0", "kp_ins", "kpins", 63},
    {"keypad1", "keypad1", {}, "1", "keypad1", "kp_end", "kpend", 64},
    {"keypad2", "keypad2", {}, "2", "keypad2", "kp_downarrow", "kpdownarrow", 65},
    {"keypad3", "keypad3", {}, "3", "keypad3", "kp_pgdn", "kppgdn", 66},
    {"keypad4", "keypad4", {}, "4", "keypad4", "kp_leftarrow", "kpleftarrow", 67},
    {"keypad5", "keypad5", {}, "5", "keypad5", "kp_5", "kp5", 68},
    {"keypad6", "keypad6", {}, "6", "keypad6", "kp_rightarrow", "kprightarrow", 69},
    {"keypad7", "keypad7", {}, "7", "keypad7", "kp_home", "kphome", 70},
    {"keypad8", "keypad8", {}, "8", "keypad8", "kp_uparrow", "kpuparrow", 71},
    {"keypad9", "keypad9", {}, "9", "keypad9", "kp_pgup", "kppgup", 72},
    {"keypaddot", "keypaddot", {}, ".", "keypadDot", "kp_del", "kpdel", 73},
    {"keypadenter", "keypadenter", {}, "Ent", "keypadEnter", "kp_enter", "kpenter", 74},
    {"keypadminus", "keypadminus", {}, "-", "keypadMinus", "kp_minus", "kpminus", 75},
    {"keypadplus", "keypadplus", {}, "+", "keypadPlus", "kp_plus", "kpplus", 76},
    {"keypadslash", "keypadslash", {}, "/", "keypadSlash", "kp_slash", "kpslash", 77},
    {"keypadstar", "keypadstar", {}, "*", "keypadStar", "*", "star", 78},
    {"keyPD", "keyPD", {}, "PD", "Page Down", "pgdn", "pgdn", 79},
    {"keyPU", "keyPU", {}, "PU", "Page Up", "pgup", "pgup", 80},
    {"keyQ", "keyQ", {}, "Q", "Q", "q", "q", 81},
    {"keyquote", "keyquote", {}, "'", "Quote", "'", "quote", 82},
    {"keyR", "keyR", {}, "R", "R", "r", "r", 83},
    {"keyRALT", {}, {}, "", "", "", "", 0},
    {"keyRCONTROL", {}, {}, "", "", "", "", 0},
    {"keyRIGHT", "keyRIGHT", {}, "Rt", "Right", "rightarrow", "rightarrow", 84},
    {"keyrightbracket", "keyrightbracket", {}, "]", "Right Bracket", "]", "rightbracket", 85},
    {"keyRSHIFT", {}, {}, "", "", "", "", 0},
    {"keyRSLASH", "keyRSLASH", {}, "/", "Forward Slash", "/", "rslash", 86},
    {"keyS", "keyS", {}, "S", "S", "s", "s", 87},
    {"keysemicolon", "keysemicolon", {}, ";", "Semicolon", ";", "semicolon", 88},
    {"keyspace", "keyspace", {}, "Space", "Space", "space", "space", 89},
    {"keyT", "keyT", {}, "T", "T", "t", "t", 90},
    {"keyU", "keyU", {}, "U", "U", "u", "u", 91},
    {"keyUP", "keyUP", {}, "Up", "Up", "uparrow", "uparrow", 92},
    {"keyV", "keyV", {}, "V", "V", "v", "v", 93},
    {"keyW", "keyW", {}, "W", "W", "w", "w", 94},
    {"keyX", "keyX", {}, "X", "X", "x", "x", 95},
    {"keyY", "keyY", {}, "Y", "Y", "y", "y", 96},
    {"keyZ", "keyZ", {}, "Z", "Z", "z", "z", 97},
    {"keytab", "keytab", {}, "Tab", "Tab", "tab", "tab", 98},
    {"keyconsole", "keyconsole", {}, "`", "Console Key", "`", "console", 99},
}};
// clang-format on

namespace {

constexpr size_t countRows(auto&& wanted) {
    size_t n = 0;
    for (const KeyRow& row : keyTable)
        n += wanted(row) ? 1 : 0;
    return n;
}

// The orders below are fixed-size arrays filled from the table: the counts must agree.
static_assert(countRows([](const KeyRow& r) { return r.live(); }) == liveKeyCount);
static_assert(countRows([](const KeyRow& r) { return !r.button2.empty(); }) == pairedKeyCount);

template <size_t N> std::array<KeyIndex, N> collect(auto&& wanted) {
    std::array<KeyIndex, N> out{};
    size_t n = 0;
    for (KeyIndex i = 0; i < keyCount; ++i)
        if (wanted(keyTable[i]))
            out[n++] = i;
    return out;
}

bool isFunctionKey(const KeyRow& row) {
    return row.id.size() >= 2 && row.id[0] == 'f';
}

template <size_t N>
std::optional<KeyIndex> find(const std::array<KeyIndex, N>& order, std::string_view KeyRow::*column,
                             std::string_view text, Case how) {
    for (KeyIndex i : order)
        if (equals(keyTable[i].*column, text, how))
            return i;
    return std::nullopt;
}

// Lower-case names of a column to live keys.
using NameMap = std::unordered_map<std::string, KeyIndex>;

NameMap nameMap(std::string_view KeyRow::*column) {
    NameMap out;
    for (KeyIndex key : displayOrder())
        out.emplace(lowerAscii(keyTable[key].*column), key);
    return out;
}

// Longer than every console name and suffix: a longer word is none of them.
constexpr size_t maxNameLength = 24;

std::optional<KeyIndex> lookUp(const NameMap& map, std::string_view name) {
    if (name.empty() || name.size() > maxNameLength)
        return std::nullopt;
    const auto it = map.find(lowerAscii(name));
    if (it == map.end())
        return std::nullopt;
    return it->second;
}

} // namespace

const std::array<KeyIndex, liveKeyCount>& fileOrder() {
    static const auto order = [] {
        auto out = collect<liveKeyCount>([](const KeyRow& r) { return r.live(); });
        std::sort(out.begin(), out.end(),
                  [](KeyIndex a, KeyIndex b) { return keyTable[a].filePos < keyTable[b].filePos; });
        return out;
    }();
    return order;
}

const std::array<KeyIndex, keyCount>& identifierOrder() {
    static const auto order = [] {
        auto out = collect<keyCount>([](const KeyRow&) { return true; });
        std::stable_partition(out.begin(), out.end(), [](KeyIndex i) { return isFunctionKey(keyTable[i]); });
        return out;
    }();
    return order;
}

const std::array<KeyIndex, liveKeyCount>& displayOrder() {
    static const auto order = collect<liveKeyCount>([](const KeyRow& r) { return r.live(); });
    return order;
}

std::optional<KeyIndex> keyById(std::string_view id, Case how) {
    return find(identifierOrder(), &KeyRow::id, id, how);
}

std::optional<KeyIndex> keyByDisplay(std::string_view display, Case how) {
    if (display.empty())
        return std::nullopt;
    return find(displayOrder(), &KeyRow::display, display, how);
}

std::optional<KeyIndex> keyByButton(std::string_view button) {
    if (button.empty())
        return std::nullopt;
    for (KeyIndex i : displayOrder())
        if (keyTable[i].button == button || keyTable[i].button2 == button)
            return i;
    return std::nullopt;
}

std::optional<KeyIndex> keyByGame(std::string_view game) {
    static const NameMap map = nameMap(&KeyRow::game);
    return lookUp(map, game);
}

std::optional<KeyIndex> keyBySuffix(std::string_view suffix) {
    static const NameMap map = nameMap(&KeyRow::suffix);
    return lookUp(map, suffix);
}

} // namespace vantrel
