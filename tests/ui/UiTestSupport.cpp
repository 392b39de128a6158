#include "UiTestSupport.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

namespace vantrel::testing {

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
            steps[stepped++](modal);
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
