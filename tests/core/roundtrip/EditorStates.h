// Editor states made from a seeded random source, for the round-trip tests: tidy ones, which a
// saved file gives back exactly, and untidy ones, which saving must settle after one round.
#pragma once

#include "app/Editor.h"

#include <cstdint>
#include <random>
#include <string>

namespace vantrel::testing {

// A repeatable random source: the same seed gives the same states on every platform.
class Random {
  public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}
    size_t below(size_t n) { return engine_() % n; }
    bool percent(size_t p) { return below(100) < p; }
    template <class List> auto pick(const List& list) { return std::data(list)[below(std::size(list))]; }

  private:
    std::mt19937 engine_;
};

// A state in the form the reader gives back (the editor must have been through Form_Load):
// - every live key unbound, or bound to a composed bind, a typed bind without spaces at its ends,
//   double quotes or "aCB" inside, or a slot's marker; a used slot's forward key holds its marker
//   "aCB<n>" and a two-way slot's reverse key "aCB<n>r", no other key holds either;
// - used slots with 1 to 7 binds (typed binds) and the start within them; `k` is the forward key,
//   `r` the reverse key or "" and `o` the options number the chain's lines tell: the start, plus
//   10 when line 1's last link names no line 1 (one-way or stopping at the ends, more than one bind);
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
