// The values of the circular-bind window's check boxes.
#pragma once

namespace vantrel {

inline constexpr int kClear = 0;
inline constexpr int kTicked = 1;
inline constexpr int kGreyed = 2;

} // namespace vantrel
