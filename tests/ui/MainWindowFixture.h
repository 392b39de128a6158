// A shown main window on a started editor, and pixel probes of its buttons' colours. Its prompts
// are scripted (MainWindowFixture) or Qt's own message boxes and dialogs, with the settings, help
// and About windows reached through its menus and shortcuts (DialogsFixture).
#pragma once

#include "ScriptedPrompter.h"
#include "UiTestSupport.h"
#include "app/Editor.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompter.h"

#include <QAction>
#include <QColor>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <type_traits>

namespace vantrel::testing {

template <typename Prompter> class ShownMainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        Form_Load(editor);
        window = std::make_unique<ui::MainWindow>(editor);
        if constexpr (std::is_same_v<Prompter, ui::QtPrompter>)
            prompter.connect(editor, *window);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        expectNoWindowsLeft({window.get()});
        window.reset();
    }

    void click(const char* name) { click(window.get(), name); }
    static void click(QWidget* parent, const char* name) {
        QTest::mouseClick(child<QWidget>(parent, name), Qt::LeftButton);
    }
    std::function<void()> menu(const char* item) {
        return [this, item] { child<QAction>(window.get(), item)->trigger(); };
    }
    std::function<void()> shortcut(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return [this, key, modifiers] { QTest::keyClick(window.get(), key, modifiers); };
    }
    bool centredOnMain(QWidget* w) const {
        return (w->frameGeometry().center() - window->frameGeometry().center()).manhattanLength() <= 4;
    }

    // The fill colour of a named button, read from a grab of the window's client area at a point
    // clear of the button's border and of its centred caption.
    QColor shownColour(const char* button) {
        QWidget* client = window->centralWidget();
        auto* b = child<QPushButton>(client, button);
        return client->grab().toImage().pixelColor(b->mapTo(client, QPoint(4, 4)));
    }
    // The colour a button shows when unbound: the application palette's button face.
    QColor buttonFace(const char* button) {
        return QApplication::palette(child<QPushButton>(window.get(), button)).color(QPalette::Button);
    }

    Prompter prompter;
    Editor editor{prompter};
    std::unique_ptr<ui::MainWindow> window;
};

using MainWindowFixture = ShownMainWindow<ScriptedPrompter>;
using DialogsFixture = ShownMainWindow<ui::QtPrompter>;

} // namespace vantrel::testing
