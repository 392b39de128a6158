// The circular-bind window's two templates.
#pragma once

#include "circular/BindsList.h"
#include "circular/CheckValues.h"

#include <array>
#include <string_view>

namespace vantrel {

struct CircularTemplate {
    std::string_view name;
    std::array<std::string_view, maxCircularBinds> binds;
    int Check1;
    int Check2;
};

inline constexpr std::array<CircularTemplate, 2> circularTemplates = {{
    {"Nameswap one-way",
     {"name MyNameOne", "name MyNameTwo", "name MyNameThree", "name MyNameFour", "name MyNameFive",
      "name MyNameSix", "name MyNameSeven"},
     checkClear,
     checkGreyed},
    {"Volume two-way",
     {"volume 0.0;developer 1; echo VOLUME 0.0;developer 0",
      "volume 0.2;developer 1; echo VOLUME 0.2;developer 0;",
      "volume 0.4;developer 1; echo VOLUME 0.4;developer 0;",
      "volume 0.6;developer 1; echo VOLUME 0.6;developer 0;",
      "volume 0.8;developer 1; echo VOLUME 0.8;developer 0;",
      "volume 0.9;developer 1; echo VOLUME 0.9;developer 0;",
      "volume 1.0;developer 1; echo VOLUME 1.0;developer 0;"},
     checkTicked,
     checkTicked},
}};

} // namespace vantrel
