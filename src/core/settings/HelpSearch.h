// The help window's model (Form3): Search and Find next over the document's plain text, and the
// jump to the section the editor asks for. Positions count the plain text's characters.
#pragma once

#include "app/Editor.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel {

struct HelpHeading {
    HelpSection section;
    std::string_view heading; // selected whole, so its length is the selection's
};

inline constexpr std::array<HelpHeading, 4> helpHeadings = {{
    {HelpSection::BindTooLong, "Bind too long error:"},
    {HelpSection::CircularBinds, "Circular Binds:"},
    {HelpSection::Slot10, "Slot10:"},
    {HelpSection::BindOrder, "Bind Order:"},
}};

inline constexpr const char* stringNotFound = "String not found.";
// Find next never blanks more of its working copy than this in one click.
inline constexpr std::size_t maxBlanked = 100000;
// What Find next writes over the part of its working copy already passed: a character no search
// text typed into the box holds, so a search text that begins with spaces cannot match there.
inline constexpr char passedFiller = '\0';

// One showing of the window; its search text and working copy are the editor's help memory.
class HelpSearch {
  public:
    // The controls of one showing: rtb1's plain text and selection, and the search box.
    std::string text;
    std::size_t SelStart = 0;
    std::size_t SelLength = 0;
    std::string searchtextbox;

    // A new showing: the document from its start, nothing selected, an empty search box.
    void Form_Load(std::string documentText);
    void Command2_Click(Editor& editor);
    void Command3_Click(Editor& editor);
    void Timer1_Timer(Editor& editor);

  private:
    void select(std::size_t start, std::size_t length);
};

} // namespace vantrel
