// Editor states made from a seeded random source, for the round-trip tests: tidy ones, which a
// saved file gives back exactly, and untidy ones, which saving must settle after one round.
#pragma once

#include "app/Editor.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vantrel::testing {

// The random tests make thousands of runs in an optimised build and fewer in the unoptimised
// sanitizer build, which runs the same paths at a tenth of the speed.
#ifdef NDEBUG
constexpr bool optimisedBuild = true;
#else
constexpr bool optimisedBuild = false;
#endif

// A repeatable random source: the same seed gives the same states on every platform.
class Random {
  public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}
    size_t below(size_t n) { return engine_() % n; }
    bool percent(size_t p) { return below(100) < p; }
    template <class List> auto pick(const List& list) { return std::data(list)[below(std::size(list))]; }
    template <class T> std::vector<T> shuffled(std::vector<T> list) {
        for (size_t i = list.size(); i > 1; --i)
            std::swap(list[i - 1], list[below(i)]);
        return list;
    }

  private:
    std::mt19937 engine_;
};

// The live keys and the slot numbers, each in a random order.
std::vector<KeyIndex> shuffledLiveKeys(Random& random);
std::vector<int> shuffledSlots(Random& random);

// "aCB<n>" or "aCB<n>r" of any slot.
std::string randomMarker(Random& random);

// The options number the chain lines of a slot tell the reader: one-way with the start, or the
// start plus 10 when line 1's last link names no line 1 (stopping at the ends, more than one bind).
std::string readOptions(size_t start, size_t binds, bool twoWay, bool stop);

// A state in the form the reader gives back (the editor must have been through Form_Load):
// - every live key unbound, or bound to a composed bind, a typed bind without spaces at its ends,
//   double quotes or "aCB" inside, or a slot's marker; a used slot's forward key holds its marker
//   "aCB<n>" and a two-way slot's reverse key "aCB<n>r", no other key holds either;
// - used slots with 1 to 7 binds (typed binds) and the start within them; `k` is the forward key,
//   `r` the reverse key or "" and `o` the readOptions number;
// - `slot10` one of the seven factors, the start-up factor when no key holds a hold alias bind;
//   `slot10s` without spaces at its ends or double quotes; the rcon lines "" or as the Rcon window stores
//   values typed with blanks, ";" and double quotes;
// - kept lines the settings pass keeps: not empty, no spaces at their ends, none of the lines the
//   reader takes (key binds, the editor's aliases, factor, Slot10 and rcon lines), no ";" outside
//   quotes in a bind or alias line.
void makeTidyState(Editor& editor, Random& random);

// A tidy state roughed up the ways a user or a foreign file can: spaces around binds, double
// quotes, starts beyond the binds, bad options numbers, empty or surplus slot binds, markers of
// unused slots or on two keys, kept lines that look like settings, odd Slot10 and rcon texts.
void makeUntidyState(Editor& editor, Random& random);

} // namespace vantrel::testing
