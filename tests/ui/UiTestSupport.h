// Helpers for the UI tests: finding widgets by name, building every window, answering modal
// windows without blocking, and checking that a test leaves no window open.
#pragma once

#include "app/Editor.h"

#include <QApplication>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantrel::testing {

// A widget a test looked for is missing: the test stops with this failure, rather than go on to
// use a null pointer. GoogleTest reports it from a test body; whenModals reports it from a step.
struct MissingChild : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Finds a child by objectName; throws MissingChild when there is none.
template <typename T> T* child(QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw MissingChild(std::string("no child named ") + name);
    return found;
}

// Every window, each shown: the main window, the circular-bind window (opened on a selected key),
// then the Slot10, Rcon, Bind Order, About and help windows. Each reaches its controls by name
// while it is built, so a table row renamed or of another kind than its window expects throws.
std::vector<std::unique_ptr<QWidget>> everyWindow(Editor& editor);

// Runs `step` on the modal window that `open` shows, once it is the active modal widget; the
// step must close it, and a step that stops on a missing child fails and closes it. A watchdog closes any
// window still open after a few seconds and fails. Modal windows shown one after another take one step each,
// in turn.
void whenModals(const std::function<void()>& open, const std::vector<std::function<void(QWidget*)>>& steps);
inline void whenModal(const std::function<void()>& open, const std::function<void(QWidget*)>& step) {
    whenModals(open, {step});
}

// Fails when a top-level window other than those given is still visible, and closes it.
void expectNoWindowsLeft(const QList<QWidget*>& allowed = {});

} // namespace vantrel::testing
