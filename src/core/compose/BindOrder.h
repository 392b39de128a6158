// The five bind orders: for each value of BindOrder, the 14 bind parts in the order they are joined.
#pragma once

#include "compose/BindParts.h"

#include <array>
#include <string>
#include <string_view>

namespace vantrel {

inline constexpr size_t bindPartCount = 14;

using PartField = std::string BindParts::*;

struct BindOrderRow {
    std::string_view name;
    std::array<PartField, bindPartCount> parts; // first to last
};

inline constexpr std::array<BindOrderRow, 5> bindOrderTable = {{
    {"Default",
     {&BindParts::scbindg, &BindParts::scbindga, &BindParts::scbindarm, &BindParts::scbindde,
      &BindParts::scbindp, &BindParts::scbindpa, &BindParts::scbindhe, &BindParts::scbindfl1,
      &BindParts::scbindfl2, &BindParts::scbindsm, &BindParts::scbindnv, &BindParts::sradio,
      &BindParts::smessage, &BindParts::srconsay}},
    {"Pistol",
     {&BindParts::scbindp, &BindParts::scbindpa, &BindParts::scbindarm, &BindParts::scbindde,
      &BindParts::scbindg, &BindParts::scbindga, &BindParts::scbindhe, &BindParts::scbindfl1,
      &BindParts::scbindfl2, &BindParts::scbindsm, &BindParts::scbindnv, &BindParts::sradio,
      &BindParts::smessage, &BindParts::srconsay}},
    {"Armour",
     {&BindParts::scbindarm, &BindParts::scbindg, &BindParts::scbindga, &BindParts::scbindde,
      &BindParts::scbindp, &BindParts::scbindpa, &BindParts::scbindhe, &BindParts::scbindfl1,
      &BindParts::scbindfl2, &BindParts::scbindsm, &BindParts::scbindnv, &BindParts::sradio,
      &BindParts::smessage, &BindParts::srconsay}},
    {"Defuser",
     {&BindParts::scbindde, &BindParts::scbindp, &BindParts::scbindpa, &BindParts::scbindarm,
      &BindParts::scbindg, &BindParts::scbindga, &BindParts::scbindhe, &BindParts::scbindfl1,
      &BindParts::scbindfl2, &BindParts::scbindsm, &BindParts::scbindnv, &BindParts::sradio,
      &BindParts::smessage, &BindParts::srconsay}},
    {"Grenades",
     {&BindParts::scbindhe, &BindParts::scbindfl1, &BindParts::scbindfl2, &BindParts::scbindsm,
      &BindParts::scbindp, &BindParts::scbindpa, &BindParts::scbindarm, &BindParts::scbindde,
      &BindParts::scbindg, &BindParts::scbindga, &BindParts::scbindnv, &BindParts::sradio,
      &BindParts::smessage, &BindParts::srconsay}},
}};

// The order the editor starts with.
inline constexpr std::string_view defaultBindOrder = bindOrderTable.front().name;

} // namespace vantrel
