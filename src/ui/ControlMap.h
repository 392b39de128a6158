// A window's controls by name, as its table built them. Asking for a name the window does not
// hold, or for a type its control is not, is a fault in the program: it throws at once, in every
// build, so a renamed table row cannot leave a button silently unconnected.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace vantrel::ui {

class ControlMap {
  public:
    // Adds `control` under `name`; a name given twice throws std::logic_error.
    void add(std::string_view name, QWidget& control);

    // The control named `name` as a T; throws std::logic_error naming both when it is missing or
    // of another type.
    template <typename T> T& at(std::string_view name) const {
        const char* wanted = T::staticMetaObject.className();
        QWidget& control = find(name, wanted);
        if (auto* typed = qobject_cast<T*>(&control))
            return *typed;
        wrongType(name, wanted, control);
    }

  private:
    QWidget& find(std::string_view name, const char* wanted) const;
    [[noreturn]] static void wrongType(std::string_view name, const char* wanted, const QWidget& control);

    std::map<std::string, QWidget*, std::less<>> controls_;
};

} // namespace vantrel::ui
