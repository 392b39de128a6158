// The Slot10 Settings window's model (form4): the factor box, the Slot10s string box, and how
// both are read from and stored into slot10 and slot10s.
#pragma once

#include "app/Editor.h"
#include "app/Slot10Factors.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

inline constexpr std::array<std::string_view, factorCount> waitnoItems = {"1", "2", "3", "4", "5", "6", "7"};
// The factor box's text in the layout, kept when slot10 holds none of the seven texts.
inline constexpr std::string_view waitnoInitial = "waitno";
inline constexpr std::string_view defaultFactorText = waitnoItems[defaultFactor - 1];

// The factor a typed text selects: its decimal value (spaces around it allowed) when that is
// exactly 1 to 7; no value for anything else, numbers or not.
std::optional<int> slot10Factor(std::string_view text);
// The Slot10s string as stored: one ";" at its very end, then every trailing space, removed.
std::string storedSlot10s(std::string_view text);

class Slot10Settings {
  public:
    explicit Slot10Settings(Editor& editor) : editor_(editor) {}

    std::string slot10box{defaultSlot10s};
    std::string waitno{waitnoInitial};

    void Form_Load();
    void defaultbutton_Click();
    // Stores the factor and the string, and true: the window closes. False, after saying so and
    // storing nothing, where the string would make a circular bind run its own chain.
    [[nodiscard]] bool savebutton_Click();
    // Help: opens the help window at its "Slot10:" section.
    void Command1_Click();

  private:
    Editor& editor_;
};

} // namespace vantrel
