// The circular-bind window on real widgets: the input checks before a focus change, the tab order
// and the keys that must do nothing (Enter too: no button is the default).
#include "EditorFixture.h"
#include "UiTestSupport.h"
#include "app/Selection.h"
#include "ui/CircularWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace vantrel::ui {
namespace {

using vantrel::testing::child;

class CircularWindowTest : public vantrel::testing::EditorTest {
  protected:
    std::unique_ptr<CircularWindow> window;

    void TearDown() override {
        window.reset();
        vantrel::testing::expectNoWindowsLeft();
    }

    void open(std::string_view button) {
        keyClick(editor, button);
        window = std::make_unique<CircularWindow>(editor);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    template <typename T> T* get(const char* name) { return child<T>(window.get(), name); }
    QLineEdit* editOf(const char* combo) { return get<QComboBox>(combo)->lineEdit(); }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }
    // Clicks into a drop-down box's text and replaces it by typing.
    void typeInto(const char* combo, const char* text) {
        click(editOf(combo));
        editOf(combo)->selectAll();
        QTest::keyClicks(editOf(combo), text);
    }
    QString focusName() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
    }
};

TEST_F(CircularWindowTest, StartCheckRefusesEightAndKeepsTheFocus) {
    open("keyH");
    get<QLineEdit>("Text1")->setFocus();
    QTest::keyClicks(get<QLineEdit>("Text1"), "jump");
    click(get<QCheckBox>("Check1"));
    typeInto("Combo3", "8");
    prompter.answerMessage(Answer::Ok);
    click(get<QPushButton>("Command3"));
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0],
              (Message{"Please choose a number between 0 and 7 for this field.", "Start at bind"}));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(focusName(), "Combo3");
    EXPECT_FALSE(editor.form6.slot(1).inUse());
    EXPECT_EQ(bindOf("keyH"), "");

    // Shift+Tab goes to Save and Close, which asks; Tab goes to Help, which does not, and the
    // check then runs when the focus moves on from Help.
    prompter.answerMessage(Answer::Ok);
    QTest::keyClick(editOf("Combo3"), Qt::Key_Backtab);
    EXPECT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(focusName(), "Combo3");
    QTest::keyClick(editOf("Combo3"), Qt::Key_Tab);
    EXPECT_EQ(focusName(), "Command4");
    EXPECT_EQ(prompter.messages().size(), 2u);
    prompter.answerMessage(Answer::Ok);
    QTest::keyClick(get<QPushButton>("Command4"), Qt::Key_Tab);
    EXPECT_EQ(prompter.messages().size(), 3u);
    EXPECT_EQ(focusName(), "Combo3");

    // Help and Close do not ask.
    prompter.onHelp = [] {};
    click(get<QPushButton>("Command4"));
    EXPECT_EQ(prompter.helpCount(), 1);
    EXPECT_EQ(editor.helpSection, HelpSection::CircularBinds);
    click(get<QPushButton>("Command1"));
    EXPECT_EQ(prompter.messages().size(), 3u);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(editor.form6.slot(1).inUse());
}

TEST_F(CircularWindowTest, ReverseKeyCheckWantsTheListedSpelling) {
    open("keyH");
    get<QLineEdit>("Text1")->setText("a");
    QTest::keyClicks(get<QLineEdit>("Text1"), "x");
    click(get<QCheckBox>("Check1"));
    typeInto("Combo2", "mouse 1");
    prompter.answerMessage(Answer::Ok);
    click(get<QPushButton>("Command3"));
    EXPECT_EQ(prompter.messages().back(), (Message{"Invalid key. Choose from list.", "Reverse key"}));
    EXPECT_EQ(get<QComboBox>("Combo2")->currentText(), "mouse 1");
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(editor.form6.slot(1).inUse());
    click(get<QPushButton>("Command1"));
}

TEST_F(CircularWindowTest, TabFollowsTheWindowsOrderAndSkipsDisabledControls) {
    // The forward view of a two-way slot: both drop-down boxes take part, with texts that pass.
    editor.form6.slot(1) = {{"a"}, "keyH", "keyJ", "3"};
    bindOf("keyH") = "aCB1";
    bindOf("keyJ") = "aCB1r";
    open("keyH");
    const auto tabThrough = [this](int presses) {
        QStringList order{focusName()};
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << focusName();
        }
        return order;
    };
    EXPECT_EQ(tabThrough(16), (QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                                           "Command1", "Combo1", "Command2", "Combo2", "Check1", "Check2",
                                           "Command3", "Combo3", "Command4", "Text1"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(focusName(), "Command4");

    click(get<QCheckBox>("Check1")); // one-way: both drop-down boxes are disabled
    EXPECT_EQ(tabThrough(4), (QStringList{"Check1", "Check2", "Command3", "Command4", "Text1"}));
    EXPECT_TRUE(prompter.messages().empty());
    click(get<QPushButton>("Command1"));
}

TEST_F(CircularWindowTest, EscAndEnterDoNothingAndTheCloseBoxStoresNothing) {
    open("keyH");
    QTest::keyClicks(get<QLineEdit>("Text1"), "jump");
    get<QLineEdit>("Text1")->setFocus();
    QTest::keyClick(get<QLineEdit>("Text1"), Qt::Key_Escape);
    QTest::keyClick(get<QLineEdit>("Text1"), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->model().closed());
    EXPECT_EQ(bindOf("keyH"), "");
}

TEST_F(CircularWindowTest, OpensWithTheBindsShownFromTheirStart) {
    editor.form6.slot(1) = {{std::string(200, 'x')}, "keyH", "keyJ", "21"};
    bindOf("keyH") = "aCB1";
    bindOf("keyJ") = "aCB1r";
    open("keyH");
    EXPECT_EQ(focusName(), "Text1");
    EXPECT_EQ(get<QLineEdit>("Text1")->cursorPosition(), 0);
    EXPECT_FALSE(get<QLineEdit>("Text1")->hasSelectedText());
    // A shown key or start that is one of its list's items is the list's current item.
    for (const char* name : {"Combo2", "Combo3"}) {
        auto* combo = get<QComboBox>(name);
        EXPECT_GE(combo->currentIndex(), 0)
            << name << " shows \"" << combo->currentText().toStdString() << '"';
        EXPECT_EQ(combo->itemText(combo->currentIndex()), combo->currentText()) << name;
    }
    typeInto("Combo2", "M"); // and so is a typed one, as it is typed
    QTest::keyClick(editOf("Combo2"), Qt::Key_Down);
    EXPECT_EQ(get<QComboBox>("Combo2")->currentText(), "Minus");
    click(get<QPushButton>("Command1"));
}

} // namespace
} // namespace vantrel::ui
