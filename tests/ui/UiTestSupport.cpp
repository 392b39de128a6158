#include "UiTestSupport.h"

#include <QElapsedTimer>
#include <QTimer>

namespace vantrel::testing {

void whenModal(const std::function<void()>& open, const std::function<void(QWidget*)>& step) {
    bool stepped = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !stepped) {
            stepped = true;
            step(modal);
        } else if (clock.elapsed() > 5000) {
            ADD_FAILURE() << "modal window not handled in time";
            if (modal)
                modal->close();
        }
    });
    poll.start();
    open();
    poll.stop();
    EXPECT_TRUE(stepped) << "no modal window was shown";
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
