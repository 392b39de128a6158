// A shown main window whose prompts are real Qt message boxes, for tests that open the settings,
// help and About windows from its menus and shortcuts and drive them.
#pragma once

#include "UiTestSupport.h"
#include "app/Editor.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompter.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace vantrel::testing {

inline void click(QWidget* window, const char* button) {
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

class DialogsFixture : public ::testing::Test {
  protected:
    ui::QtPrompter prompter;
    Editor editor{prompter};
    std::unique_ptr<ui::MainWindow> main;

    void SetUp() override {
        Form_Load(editor);
        main = std::make_unique<ui::MainWindow>(editor);
        prompter.setParent(main.get());
        ui::connectHelpWindow(prompter, editor, *main);
        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }
    void TearDown() override {
        expectNoWindowsLeft({main.get()});
        main.reset();
    }

    std::function<void()> menu(const char* item) {
        return [this, item] { child<QAction>(main.get(), item)->trigger(); };
    }
    std::function<void()> shortcut(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return [this, key, modifiers] { QTest::keyClick(main.get(), key, modifiers); };
    }
    bool centredOnMain(QWidget* window) const {
        return (window->frameGeometry().center() - main->frameGeometry().center()).manhattanLength() <= 4;
    }
};

} // namespace vantrel::testing
