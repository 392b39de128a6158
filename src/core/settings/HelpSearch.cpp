#include "settings/HelpSearch.h"

#include "text/Text.h"

#include <algorithm>

namespace vantrel {

namespace {

void notFound(Editor& editor) {
    editor.prompter->message({stringNotFound, programTitle, Buttons::Ok, Answer::Ok, Icon::None});
}

} // namespace

void HelpSearch::Form_Load(std::string documentText) {
    text = std::move(documentText);
    SelStart = 0;
    SelLength = 0;
    searchtextbox.clear();
}

void HelpSearch::select(std::size_t start, std::size_t length) {
    SelStart = start;
    SelLength = length;
}

void HelpSearch::Command2_Click(Editor& editor) {
    std::string& ssearchtext = editor.helpMemory.ssearchtext;
    ssearchtext = searchtextbox;
    const std::size_t found = findIgnoreCase(text, ssearchtext);
    if (found != std::string::npos)
        select(found, ssearchtext.size());
    else
        notFound(editor);
    editor.helpMemory.sst = text;
}

void HelpSearch::Command3_Click(Editor& editor) {
    const std::string& ssearchtext = editor.helpMemory.ssearchtext;
    std::string& sst = editor.helpMemory.sst;
    // Before any Search there is no working copy yet: start from the whole document.
    if (sst.empty())
        sst = text;
    const std::size_t passed = std::min({SelStart + SelLength, maxBlanked, sst.size()});
    // Blanks written by earlier clicks stay, so the search goes on after the furthest point passed.
    std::fill_n(sst.begin(), passed, passedFiller);
    for (;;) {
        const std::size_t found = findIgnoreCase(sst, ssearchtext);
        if (found != std::string::npos) {
            select(found, ssearchtext.size());
            return;
        }
        if (equalsIgnoreCase(sst, text)) {
            notFound(editor);
            return;
        }
        sst = text; // wrap to the top
    }
}

void HelpSearch::Timer1_Timer(Editor& editor) {
    for (const HelpHeading& h : helpHeadings) {
        if (h.section != editor.helpSection)
            continue;
        searchtextbox = h.heading;
        const std::size_t found = findIgnoreCase(text, h.heading);
        if (found != std::string::npos)
            select(found, h.heading.size());
    }
    editor.helpSection = HelpSection::None;
}

} // namespace vantrel
