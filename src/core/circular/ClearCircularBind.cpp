#include "circular/ClearCircularBind.h"

#include "app/ClearKey.h"
#include "circular/Markers.h"

namespace vantrel {

void clearcircularbind(Editor& editor, const std::string& bind) {
    if (const auto n = forwardMarkerSlot(bind, Case::Ignore)) {
        CircularSlot& slot = editor.form6.slot(*n);
        slot.binds.clear();
        clearReverseKeyBind(editor, slot);
        slot.r.clear();
    }
    clearkeybind(editor);
}

} // namespace vantrel
