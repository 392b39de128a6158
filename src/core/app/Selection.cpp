#include "app/Selection.h"

#include "circular/Markers.h"
#include "compose/ShowKeyBind.h"

namespace vantrel {

void keyClick(Editor& editor, std::string_view button) {
    const auto key = keyByButton(button);
    if (!key)
        return;
    editor.selectkey = std::string(keyTable[*key].id);
    editor.ckeybox = std::string(keyTable[*key].display);
    showkeybind(editor);
    colourkeys(editor);
}

void colourkeys(Editor& editor) {
    for (KeyIndex key : fileOrder()) {
        const bool selected = editor.selectkey && equalsIgnoreCase(*editor.selectkey, keyTable[key].id);
        const Colour colour = selected                   ? Colour::Selection
                              : editor.bind(key).empty() ? Colour::Unbound
                                                         : Colour::Bound;
        editor.colours.paintKey(key, colour);
    }
    editor.colours.paint(circularBindButton,
                         looksLikeMarker(editor.cbind) ? Colour::Selection : Colour::Unbound);
}

} // namespace vantrel
