// Circular binds from the main window: the "Circular Bind" button opens the window on the
// selected key, Save and Close ties the keys to a slot, Clear Key unties them.
#include "MainWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace vantrel {
namespace {

using testing::child;
using testing::whenModal;

class CircularBinds : public testing::MainWindowFixture {
  protected:
    std::string& bindOf(std::string_view id) { return editor.bind(*keyById(id, Case::Exact)); }

    static void press(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }

    // Select H, pick "Volume two-way", reverse key J, start 3, Save and Close.
    void storeVolumeOnH() {
        click("keyH");
        whenModal([&] { click("circularbind"); },
                  [&](QWidget* form6) {
                      EXPECT_EQ(form6->objectName(), "Form6");
                      auto* templates = form6->findChild<QComboBox*>("Combo1");
                      press(templates);
                      QTest::keyClick(templates, Qt::Key_Down);
                      QTest::keyClick(templates, Qt::Key_Down);
                      auto* reverse = form6->findChild<QComboBox*>("Combo2")->lineEdit();
                      press(reverse);
                      QTest::keyClicks(reverse, "J");
                      auto* start = form6->findChild<QComboBox*>("Combo3")->lineEdit();
                      press(start);
                      start->selectAll();
                      QTest::keyClicks(start, "3");
                      press(form6->findChild<QPushButton*>("Command3"));
                      if (form6->isVisible())
                          form6->close();
                  });
    }
};

TEST_F(CircularBinds, SaveAndCloseTiesTheForwardAndReverseKeys) {
    storeVolumeOnH();
    EXPECT_EQ(bindOf("keyH"), "aCB1");
    EXPECT_EQ(bindOf("keyJ"), "aCB1r");
    const CircularSlot& slot = editor.form6.slot(1);
    ASSERT_EQ(slot.binds.size(), 7u);
    EXPECT_EQ(slot.binds[1], "volume 0.2;developer 1; echo VOLUME 0.2;developer 0");
    EXPECT_EQ(slot.o, "13");
    EXPECT_EQ(child<QLineEdit>(window.get(), "cbind")->text(), "aCB1");
    EXPECT_EQ(shownColour("keyJ"), QColor(255, 50, 35));
}

TEST_F(CircularBinds, ReverseKeyOpensTheReverseView) {
    storeVolumeOnH();
    click("keyJ");
    whenModal([&] { click("circularbind"); },
              [&](QWidget* form6) {
                  // The core's reverse view, shown locked (its texts are the core's, tested there).
                  EXPECT_EQ(form6->findChild<QComboBox*>("Combo2")->currentText(), "H");
                  EXPECT_FALSE(form6->findChild<QLineEdit*>("Text1")->isEnabled());
                  EXPECT_EQ(form6->focusWidget()->objectName(), "Command1");
                  EXPECT_FALSE(form6->findChild<QPushButton*>("Command3")->isVisible());
                  // Greyed, and a click ticks it: Qt's own order would skip from greyed to ticked to clear.
                  auto* twoWay = form6->findChild<QCheckBox*>("Check1");
                  EXPECT_EQ(twoWay->checkState(), Qt::PartiallyChecked);
                  press(twoWay);
                  EXPECT_EQ(twoWay->checkState(), Qt::Checked);
                  press(form6->findChild<QPushButton*>("Command1"));
                  if (form6->isVisible())
                      form6->close();
              });
    EXPECT_EQ(bindOf("keyJ"), "aCB1r");
}

TEST_F(CircularBinds, ClearKeyOnTheForwardKeyFreesTheSlotAndUnbindsTheReverseKey) {
    storeVolumeOnH();
    click("keyH");
    click("clearkey");
    EXPECT_FALSE(editor.form6.slot(1).inUse());
    EXPECT_EQ(bindOf("keyH"), "");
    EXPECT_EQ(bindOf("keyJ"), "");
    EXPECT_EQ(child<QLineEdit>(window.get(), "cbind")->text(), "");
    EXPECT_EQ(shownColour("keyJ"), buttonFace("keyJ"));
}

TEST_F(CircularBinds, NoWindowBeforeAKeyIsSelected) {
    prompter.answerMessage(Answer::Ok);
    click("circularbind");
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0],
              (Message{"Select a key first, then press Circular Bind.", "Circular binds"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace vantrel
