#include "ui/DisplayStart.h"

#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vantrel::ui {

namespace {

// Qt's own words when no platform plugin could be started on a display.
constexpr QLatin1StringView noPlatform("no Qt platform plugin could be initialized");

// A copy of what a message's context points to, no value standing for a null pointer.
using Held = std::optional<std::string>;

Held copied(const char* text) {
    return text ? Held(text) : std::nullopt;
}

const char* pointer(const Held& text) {
    return text ? text->c_str() : nullptr;
}

// A message of Qt's start, kept with copies of what its context points to.
struct HeldMessage {
    QtMsgType type;
    Held file, function, category;
    int line;
    QString text;
};

// Messages may come from Qt's threads as well as from the start itself.
std::mutex heldMutex;
std::vector<HeldMessage> held;
bool holding = false;
QtMessageHandler qtHandler = nullptr;

// Names the displays Qt tries as the platforms read them, WAYLAND_DISPLAY for Wayland and DISPLAY
// for X, in Qt's order; only those of the platforms QT_QPA_PLATFORM names when it is set.
QString unreachableDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    QStringList displays;
    for (const auto& [variable, plugin] :
         {std::pair{"WAYLAND_DISPLAY", "wayland"}, std::pair{"DISPLAY", "xcb"}})
        if (!qEnvironmentVariableIsEmpty(variable) && (platform.isEmpty() || platform.contains(plugin)))
            displays << qEnvironmentVariable(variable);
    if (!displays.isEmpty())
        return QStringLiteral("Vantrel cannot reach the display %1.")
            .arg(displays.join(QStringLiteral(" or ")));
    if (!platform.isEmpty())
        return QStringLiteral("Vantrel cannot start on the Qt platform \"%1\".")
            .arg(QString::fromLocal8Bit(platform));
    return QStringLiteral(
        "Vantrel needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.");
}

// Shows the held messages as Qt would have shown them; the lock is held.
void showHeld() {
    for (const HeldMessage& m : held) {
        const QMessageLogContext context(pointer(m.file), m.line, pointer(m.function), pointer(m.category));
        qtHandler(m.type, context, m.text);
    }
    held.clear();
}

void holdStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(heldMutex);
    if (holding && type == QtFatalMsg && text.contains(noPlatform)) {
        std::fprintf(stderr, "%s\n", unreachableDisplay().toLocal8Bit().constData());
        // Qt is half started: nothing of it may run on the way out.
        std::_Exit(EXIT_FAILURE);
    }
    if (!holding || type == QtFatalMsg) {
        showHeld();
        qtHandler(type, context, text);
        return;
    }
    held.push_back(
        {type, copied(context.file), copied(context.function), copied(context.category), context.line, text});
}

} // namespace

std::unique_ptr<QApplication> startOnDisplay(int& argc, char** argv) {
    holding = true; // before any message can reach the handler
    qtHandler = qInstallMessageHandler(holdStartMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    const std::lock_guard lock(heldMutex);
    holding = false;
    showHeld();
    return app;
}

} // namespace vantrel::ui
