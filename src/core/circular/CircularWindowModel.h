// The circular-bind window (Form6) without its widgets: the controls' values and one method per
// event. Save and Close stores into the editor's circular-bind table and key store.
#pragma once

#include "app/Editor.h"
#include "circular/BindsList.h"
#include "circular/CheckValues.h"

#include <optional>
#include <string>

namespace vantrel {

enum class CircularView { Blank, Forward, Reverse };

struct Form6Controls {
    BindBoxes Text; // Text1 to Text7
    bool textEnabled = true;
    int Check1 = checkClear; // "Two way"
    int Check2 = checkClear; // "Stop at ends"
    std::string Combo1;      // template
    std::string Combo2;      // reverse key, by display name
    std::string Combo3;      // start at bind
    bool combo1Enabled = true;
    bool combo2Enabled = true;
    bool combo3Enabled = true;
    bool clearAllEnabled = true; // Command2
    bool saveVisible = true;     // Command3
    bool reverselabelVisible = false;

    bool operator==(const Form6Controls&) const = default;
};

class CircularWindowModel {
  public:
    explicit CircularWindowModel(Editor& editor) : editor_(editor) {}

    // Opening: the view follows the marker of a slot in use in cbind (any letter case), the
    // controls the slot it names.
    void Form_Load();

    // The user's typing; nothing runs.
    void setText(int box, std::string text); // box 1 to 7
    void setCombo2(std::string text);
    void setCombo3(std::string text);
    // A check box's value changes; a change of "Two way" runs the Two way rule.
    void setCheck1(int value);
    void setCheck2(int value);

    void Combo1_Click(const std::string& item); // a template is chosen
    // Input checks run as the focus leaves their box: false refuses, after the message.
    [[nodiscard]] bool Combo3_Validate();
    [[nodiscard]] bool Combo2_Validate();

    void Command4_Click(); // Help
    void Command2_Click(); // Clear all
    void Command1_Click(); // Close (and the close box)
    void Command3_Click(); // Save and Close

    const Form6Controls& controls() const { return c_; }
    CircularView view() const { return view_; }
    bool closed() const { return closed_; }

  private:
    void startAtFirstBind();
    void twoWayRule();
    void lockReverseView();

    Editor& editor_;
    Form6Controls c_;
    CircularView view_ = CircularView::Blank;
    std::optional<int> opened_; // the slot the forward view was opened on
    bool closed_ = false;
};

} // namespace vantrel
