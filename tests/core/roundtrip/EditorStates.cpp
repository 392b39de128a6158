#include "EditorStates.h"

#include "app/HoldAliasBind.h"
#include "cfgread/CommandText.h"
#include "circular/Options.h"
#include "compose/BuyOptions.h"
#include "compose/Composer.h"
#include "compose/RadioCommands.h"
#include "settings/RconSettings.h"
#include "text/Text.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace vantrel::testing {

namespace {

constexpr size_t maxTypedPieces = 6;
// Up to about sixty keys bound: every kind of key block turns up, and thousands of states stay quick.
constexpr size_t maxBoundPercent = 60;

// Pieces of typed binds: console words and the characters the reader and writer treat specially.
// clang-format off
constexpr std::array<std::string_view, 40> typedPieces = {
    "+attack", "+jump", "wait", "slot1", "weapon_knife", "say_team", "echo", "//", ";", " ", "  ", "\t", "'",
    "+", "-", "*", "?", "#", "[", "]", "[*]", "\\", "/", "\xA4", "\xE9", "slot10s", "f1", "kp_ins", "alias",
    "bind", "menuselect 3", "buy", "radio2", "x", "1", "+af1", "+ains", "say", "-duck", "x\xA4y"};
// clang-format on

// Typed around an rcon value: what the console would cut at, and double quotes.
constexpr std::array<std::string_view, 8> rconTyped = {"",   "; quit",   " ",  "\t",
                                                       "\"", "a \"b\" ", "//", " x;y"};

constexpr std::array<std::string_view, 5> slot10sTexts = {
    defaultSlot10s, "", "slot10", "slot10;wait;wait;slot10", "wait;\tslot10 // close"};

bool containsIgnoreCase(std::string_view text, std::string_view needle) {
    return lowerAscii(text).find(lowerAscii(needle)) != std::string::npos;
}

// A typed text: no spaces at its ends, no double quote, never empty, and no "aCB" inside except
// the look-alike "acbuy" alone (a marker's look-alike inside a bind line would name a reverse key).
std::string typedText(Random& random) {
    constexpr size_t lookAlikePercent = 2;
    if (random.percent(lookAlikePercent))
        return "acbuy";
    for (;;) {
        std::string text;
        const size_t pieces = 1 + random.below(maxTypedPieces);
        for (size_t i = 0; i < pieces; ++i)
            text += random.pick(typedPieces);
        text = std::string(trimSpaces(text));
        if (!text.empty() && !containsIgnoreCase(text, "acb"))
            return text;
    }
}

// What the composer makes of a random choice of its controls.
std::string composedBind(Editor& scratch, Random& random) {
    resetComposerAndCbind(scratch);
    if (random.percent(50))
        selectPistol(scratch, random.pick(pistolOptions).value);
    if (random.percent(50))
        selectGun(scratch, random.pick(gunOptions).value);
    if (random.percent(40))
        selectArmour(scratch, random.pick(armourOptions).value);
    for (const EquipmentBox& box : equipmentBoxes)
        if (random.percent(15))
            setEquipment(scratch, box.box, true);
    if (random.percent(30))
        pacombo_Click(scratch, std::string(random.pick(ammoItems)));
    if (random.percent(30))
        gacombo_Click(scratch, std::string(random.pick(ammoItems)));
    if (random.percent(40))
        radio_Click(scratch, std::string(random.pick(radioCommandTable).name));
    if (random.percent(30)) {
        teamsay_Click(scratch, random.percent(50));
        saybox_Change(scratch, typedText(random));
    }
    return std::string(trimSpaces(scratch.cbind));
}

// Composing is slow next to saving and opening: the states draw from binds composed once.
const std::vector<std::string>& composedBinds(Prompter& prompter) {
    constexpr std::uint32_t composerSeed = 1606;
    constexpr size_t poolSize = 300;
    static const std::vector<std::string> pool = [&prompter] {
        Editor scratch{prompter};
        Form_Load(scratch);
        Random random(composerSeed);
        std::vector<std::string> out;
        while (out.size() < poolSize)
            if (std::string bind = composedBind(scratch, random); !bind.empty())
                out.push_back(std::move(bind));
        return out;
    }();
    return pool;
}

// A typed text for a kept line: a command after a ";" never begins with a word the reader takes
// out of its line.
std::string keptText(Random& random) {
    std::string text;
    for (char c : typedText(random))
        text += c == ';' ? std::string(";x") : std::string(1, c);
    return text;
}

// A kept line the settings pass keeps as it stands.
std::string keptLine(Random& random) {
    switch (random.below(8)) {
    case 0:
        return "echo " + keptText(random);
    case 1:
        return "// " + keptText(random);
    case 2:
        return std::string(random.pick(std::array<std::string_view, 4>{
            "sensitivity \"2.5\"", "cl_updaterate 101", "exec other.cfg", "unbindall"}));
    case 3: // bind lines of keys the editor does not know, or forms no key's shape takes
        return std::string(random.pick(std::array<std::string_view, 6>{
                   "bind \"ESCAPE\" \"", "bind \"PAUSE\" \"", "bind \"JOY1\" \"", "bind \"f1 \" \"",
                   "bindtoggle space \"", "bind \"^\" \""})) +
               typedText(random) + "\"";
    case 4: { // foreign aliases, kept whole; ";" only inside the quotes
        const std::string body = typedText(random);
        return std::string(random.pick(std::array<std::string_view, 4>{
                   "alias +jd \"", "alias -jd \"", "alias volume \"", "alias +af13 \""})) +
               (containsIgnoreCase(body, "slot10s") ? "x" : body) + "\"";
    }
    case 5: // a command that only begins like a bind
        return "bindx f1 " + keptText(random);
    case 6:
        return "cl_\xA4\xE9 " + keptText(random);
    default:
        return "say " + keptText(random);
    }
}

constexpr std::array<std::string_view, 12> badOptions = {"",   "x",   "-3",         "0",  "99", " 4 ",
                                                         "+2", "007", "2147483648", "-0", "25", "3x"};

// Lines that look like what the reader takes, or that it cuts.
// clang-format off
constexpr std::array<std::string_view, 14> untidyKeptLines = {
    "rcon_port 1", "alias slot10s \"x\"", "bind f1 \"x\"", "alias +af1 \"say hi\"", "alias -af1 \"slot10s\"",
    "echo a; echo b", "alias x \"a\"; alias y \"b\"", "bind \"ESCAPE\" \"aCB3r\"", "alias x slot10s;slot10s",
    "  echo spaced  ", "", "   ", "alias aCB2line1 \"stray; alias aCB2 aCB2line1\"", "bind f2 jump; wait"};
// clang-format on

std::string roughen(std::string text, Random& random) {
    switch (random.below(6)) {
    case 0:
        return "  " + text + " ";
    case 1:
        return "say \"" + text + "\"";
    case 2:
        return text + "\"";
    case 3:
        return "\r\n" + text;
    case 4:
        return randomMarker(random);
    default:
        return text + " \"; alias aCB" + std::to_string(1 + random.below(slotCount)) + " x";
    }
}

} // namespace

std::vector<KeyIndex> shuffledLiveKeys(Random& random) {
    return random.shuffled(std::vector<KeyIndex>(fileOrder().begin(), fileOrder().end()));
}

std::vector<int> shuffledSlots(Random& random) {
    std::vector<int> slots;
    for (int n = 1; n <= slotCount; ++n)
        slots.push_back(n);
    return random.shuffled(std::move(slots));
}

std::string randomMarker(Random& random) {
    const std::string forward = "aCB" + std::to_string(1 + random.below(slotCount));
    return random.percent(50) ? forward : forward + "r";
}

std::string readOptions(size_t start, size_t binds, bool twoWay, bool stop) {
    if (!twoWay)
        return encodeOptions(static_cast<long long>(start), EndMode::OneWay);
    return std::to_string(start + (binds == 1 || !stop ? 0 : 10));
}

void makeTidyState(Editor& editor, Random& random) {
    const std::vector<std::string>& composed = composedBinds(*editor.prompter);
    const std::vector<KeyIndex> keys = shuffledLiveKeys(random);
    size_t nextKey = 0;
    const size_t usedSlots = random.below(slotCount + 1);
    const std::vector<int> slots = shuffledSlots(random);
    for (size_t i = 0; i < usedSlots; ++i) {
        const int n = slots[i];
        CircularSlot& slot = editor.form6.slot(n);
        const size_t binds = 1 + random.below(maxCircularBinds);
        for (size_t b = 0; b < binds; ++b)
            slot.binds.push_back(typedText(random));
        const KeyIndex forward = keys[nextKey++];
        editor.bind(forward) = "aCB" + std::to_string(n);
        slot.k = keyTable[forward].id;
        const bool twoWay = random.percent(50);
        if (twoWay) {
            const KeyIndex reverse = keys[nextKey++];
            editor.bind(reverse) = "aCB" + std::to_string(n) + "r";
            slot.r = keyTable[reverse].id;
        }
        const size_t start = 1 + random.below(binds);
        slot.o = readOptions(start, binds, twoWay, random.percent(50));
    }

    const size_t boundPercent = random.below(maxBoundPercent + 1);
    bool holdBinds = false;
    for (; nextKey < keys.size(); ++nextKey) {
        if (!random.percent(boundPercent))
            continue;
        std::string bind = random.percent(40) ? random.pick(composed) : typedText(random);
        if (pressedPair(bind)) // read back through that key's pair
            continue;
        holdBinds = holdBinds || isHoldAliasBind(bind);
        editor.bind(keys[nextKey]) = std::move(bind);
    }

    editor.slot10 = holdBinds ? random.pick(slot10Factors) : defaultSlot10;
    editor.slot10s = random.percent(50) ? std::string(random.pick(slot10sTexts)) : typedText(random);
    // The rcon values as typed in the window, blanks, ";" and double quotes among them.
    RconSettings form5(editor);
    form5.Form_Load();
    form5.port = random.percent(30) ? std::string() : std::to_string(random.below(65536));
    form5.pass = random.percent(20) ? std::string() : typedText(random);
    for (std::string* box : {&form5.port, &form5.pass})
        if (random.percent(40))
            *box = std::string(random.pick(rconTyped)) + *box + std::string(random.pick(rconTyped));
    form5.Command2_Click();
    if (random.percent(50))
        editor.srconport.clear();
    if (random.percent(50))
        editor.srconpass.clear();
    const size_t kept = random.percent(30) ? 0 : random.below(20);
    for (size_t i = 0; i < kept; ++i)
        editor.ssettings.push_back(keptLine(random));
    for (KeyIndex key : fileOrder())
        editor.colours.paintKey(key, editor.bind(key).empty() ? Colour::Unbound : Colour::Bound);
}

void makeUntidyState(Editor& editor, Random& random) {
    makeTidyState(editor, random);
    const size_t changes = 1 + random.below(8);
    for (size_t c = 0; c < changes; ++c) {
        const KeyIndex key = fileOrder()[random.below(liveKeyCount)];
        CircularSlot& slot = editor.form6.slot(1 + static_cast<int>(random.below(slotCount)));
        switch (random.below(10)) {
        case 0:
            editor.bind(key) =
                roughen(editor.bind(key).empty() ? typedText(random) : editor.bind(key), random);
            break;
        case 1: // a start beyond the binds, in any state
            slot.o = std::to_string(slot.binds.size() + 1 + random.below(3) + 10 * random.below(3));
            break;
        case 2:
            slot.o = random.pick(badOptions);
            break;
        case 3: // spaces, quotes, empty entries and surplus binds
            slot.binds.push_back(random.percent(30) ? std::string() : roughen(typedText(random), random));
            if (random.percent(30))
                slot.binds.insert(slot.binds.begin(), "alias aCB4line1e1");
            break;
        case 4: // a marker in another letter case, on a second key, or of a slot without chains
            editor.bind(key) =
                random.pick(std::array<std::string_view, 4>{"acb3", "aCB3", "aCB7r", "ACB10R"});
            break;
        case 5:
            editor.ssettings.emplace_back(random.pick(untidyKeptLines));
            break;
        case 6:
            editor.slot10 =
                random.pick(std::array<std::string_view, 4>{"", "slot10s", "SLOT10S;slot10s", "x y"});
            break;
        case 7:
            editor.slot10s = roughen(editor.slot10s, random);
            break;
        case 8:
            editor.srconport =
                random.pick(std::array<std::string_view, 3>{"rcon_port", "rcon_port 1  ", "x"});
            editor.srconpass = "rcon_password \"" + typedText(random) + "\" ";
            break;
        default: // a slot whose forward key lost its marker, or a key bound to its own hold alias name
            editor.bind(key) = random.percent(50) ? std::string() : "+a" + std::string(keyTable[key].suffix);
            break;
        }
    }
}

} // namespace vantrel::testing
