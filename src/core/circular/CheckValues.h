// The values of the circular-bind window's check boxes, and what "Stop at ends" says of a slot's
// end mode.
#pragma once

#include "circular/Options.h"

namespace vantrel {

inline constexpr int checkClear = 0;
inline constexpr int checkTicked = 1;
inline constexpr int checkGreyed = 2;

// "Stop at ends" is clear for a slot that wraps, ticked for one that stops at its ends and
// greyed for a one-way slot.
constexpr int stopAtEndsCheck(EndMode mode) {
    switch (mode) {
    case EndMode::Wrap:
        return checkClear;
    case EndMode::StopAtEnds:
        return checkTicked;
    case EndMode::OneWay:
        break;
    }
    return checkGreyed;
}

constexpr EndMode endModeOfStopAtEnds(int check) {
    switch (check) {
    case checkTicked:
        return EndMode::StopAtEnds;
    case checkGreyed:
        return EndMode::OneWay;
    default:
        return EndMode::Wrap;
    }
}

static_assert(endModeOfStopAtEnds(stopAtEndsCheck(EndMode::Wrap)) == EndMode::Wrap &&
              endModeOfStopAtEnds(stopAtEndsCheck(EndMode::StopAtEnds)) == EndMode::StopAtEnds &&
              endModeOfStopAtEnds(stopAtEndsCheck(EndMode::OneWay)) == EndMode::OneWay);

} // namespace vantrel
