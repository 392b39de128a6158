// The 14 bind parts: each empty or a run of console commands ending in ";".
#pragma once

#include <string>

namespace vantrel {

struct BindParts {
    std::string scbindp;   // pistol
    std::string scbindpa;  // pistol ammunition
    std::string scbindg;   // gun
    std::string scbindga;  // gun ammunition
    std::string scbindarm; // armour
    std::string scbindhe;  // HE grenade
    std::string scbindsm;  // smoke grenade
    std::string scbindfl1; // first flashbang
    std::string scbindfl2; // second flashbang
    std::string scbindde;  // defuse kit
    std::string scbindnv;  // night vision
    std::string sradio;
    std::string smessage;
    std::string srconsay;

    bool operator==(const BindParts&) const = default;
};

} // namespace vantrel
