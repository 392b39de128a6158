// A shown main window on a started editor whose prompts are scripted, and pixel probes of its
// buttons' colours.
#pragma once

#include "ScriptedPrompter.h"
#include "UiTestSupport.h"
#include "app/Editor.h"
#include "ui/MainWindow.h"

#include <QColor>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace vantrel::testing {

class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        Form_Load(editor);
        window = std::make_unique<ui::MainWindow>(editor);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override {
        window.reset();
        expectNoWindowsLeft();
    }

    // The fill colour of a named button, read from a grab of the window's client area at a point
    // clear of the button's border and of its centred caption.
    QColor shownColour(const char* button) {
        auto* b = child<QPushButton>(window.get(), button);
        if (!b)
            return {};
        QWidget* client = window->centralWidget();
        return client->grab().toImage().pixelColor(b->mapTo(client, QPoint(4, 4)));
    }

    // The colour a button shows when unbound: the application palette's button face.
    QColor buttonFace(const char* button) {
        auto* b = child<QPushButton>(window.get(), button);
        return b ? QApplication::palette(b).color(QPalette::Button) : QColor();
    }

    void click(const char* name) {
        if (auto* w = child<QWidget>(window.get(), name))
            QTest::mouseClick(w, Qt::LeftButton);
    }

    ScriptedPrompter prompter;
    Editor editor{prompter};
    std::unique_ptr<ui::MainWindow> window;
};

} // namespace vantrel::testing
