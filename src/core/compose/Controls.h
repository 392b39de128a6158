// The composer's control values: which option of each group is selected, the ticked boxes,
// the lists' texts and the two message boxes. The bind parts follow from them.
#pragma once

#include <string>

namespace vantrel {

enum class Pistol { None, Usp, Glock, Deagle, P228, Berretas, Fn57 };
enum class Gun { None, M3, Xm1014, Mp5, Tmp, P90, Ump45, Colt, Aug, Scout, Awm, Heckler, Para };
enum class Armour { None, Kevlar, KevHelm, Best };

struct ComposerControls {
    Pistol pistol = Pistol::None;
    Gun gun = Gun::None;
    Armour armour = Armour::None;
    bool hegren = false;
    bool smokegren = false;
    bool fbang1 = false;
    bool fbang2 = false;
    bool defuser = false;
    bool nvision = false;
    std::string pacombo; // the list's text, "0" to "5"
    std::string gacombo;
    std::string radio; // the chosen item of the radio list
    std::string saybox;
    bool teamsay = false;
    std::string rconsaybox;

    bool operator==(const ComposerControls&) const = default;
};

} // namespace vantrel
