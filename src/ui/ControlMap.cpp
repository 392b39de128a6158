#include "ui/ControlMap.h"

#include <stdexcept>

namespace vantrel::ui {

void ControlMap::add(std::string_view name, QWidget& control) {
    if (!controls_.emplace(std::string(name), &control).second)
        throw std::logic_error("two controls named \"" + std::string(name) + "\"");
}

QWidget& ControlMap::find(std::string_view name, const char* wanted) const {
    const auto found = controls_.find(name);
    if (found == controls_.end())
        throw std::logic_error("no control named \"" + std::string(name) + "\" (wanted a " + wanted + ")");
    return *found->second;
}

void ControlMap::wrongType(std::string_view name, const char* wanted, const QWidget& control) {
    throw std::logic_error("control \"" + std::string(name) + "\" is a " + control.metaObject()->className() +
                           ", not a " + wanted);
}

} // namespace vantrel::ui
