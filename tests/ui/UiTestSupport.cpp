#include "UiTestSupport.h"

#include "app/Selection.h"
#include "ui/AboutWindow.h"
#include "ui/BindOrderWindow.h"
#include "ui/CircularWindow.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/RconWindow.h"
#include "ui/Slot10Window.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

namespace vantrel::testing {

std::vector<std::unique_ptr<QWidget>> everyWindow(Editor& editor) {
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::make_unique<ui::MainWindow>(editor));
    keyClick(editor, "keyH");
    windows.push_back(std::make_unique<ui::CircularWindow>(editor));
    windows.push_back(std::make_unique<ui::Slot10Window>(editor, nullptr));
    windows.push_back(std::make_unique<ui::RconWindow>(editor, nullptr));
    windows.push_back(std::make_unique<ui::BindOrderWindow>(editor, nullptr));
    windows.push_back(std::make_unique<ui::AboutWindow>(nullptr));
    windows.push_back(std::make_unique<ui::HelpWindow>(editor, nullptr));
    for (auto& w : windows)
        w->show();
    return windows;
}

void whenModals(const std::function<void()>& open, const std::vector<std::function<void(QWidget*)>>& steps) {
    size_t stepped = 0;
    QPointer<QWidget> handled; // the window the last step was given, while it lasts
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != handled && stepped < steps.size()) {
            handled = modal;
            // Nothing may be thrown through Qt's event loop, which runs this step.
            try {
                steps[stepped++](modal);
            } catch (const MissingChild& missing) {
                ADD_FAILURE() << missing.what();
                modal->close();
            }
        } else if (clock.elapsed() > 5000) {
            ADD_FAILURE() << "modal window not handled in time";
            if (modal)
                modal->close();
        }
    });
    poll.start();
    open();
    poll.stop();
    EXPECT_EQ(stepped, steps.size()) << "fewer modal windows were shown than expected";
}

void expectNoWindowsLeft(const QList<QWidget*>& allowed) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !allowed.contains(w)) {
            ADD_FAILURE() << "window left open: " << w->metaObject()->className() << " "
                          << w->windowTitle().toStdString();
            w->close();
        }
    }
}

} // namespace vantrel::testing
