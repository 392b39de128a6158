#include "compose/ShowKeyBind.h"

namespace vantrel {

// Provisional: the full take-apart of the bind replaces this.
void showkeybind(Editor& editor) {
    const auto key = editor.selectedKey(Case::Ignore);
    editor.cbind = key ? editor.bind(*key) : std::string();
}

} // namespace vantrel
