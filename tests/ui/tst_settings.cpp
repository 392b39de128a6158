// The Slot10 Settings, Rcon Settings, Bind Order and About windows, opened from the main window's
// menus and shortcuts and driven on real widgets, and the help window opened from their Help
// buttons and from the other windows' ways into help.
#include "settings/Slot10Settings.h"

#include "MainWindowFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextBrowser>

namespace vantrel {
namespace {

using testing::child;
using testing::whenModal;

void retype(QLineEdit* box, const char* text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

class SettingsWindows : public testing::DialogsFixture {
  protected:
    // Checks that help opened centred with `heading` selected at the top of its view and in its
    // search box, and closes it.
    void expectHelpAt(QWidget* help, const char* heading) {
        auto* view = child<QTextBrowser>(help, "rtb1");
        EXPECT_TRUE(QTest::qWaitFor([&] { return view->textCursor().hasSelection(); }));
        EXPECT_EQ(view->textCursor().selectedText(), heading);
        EXPECT_EQ(child<QLineEdit>(help, "searchtextbox")->text(), heading);
        EXPECT_LT(view->cursorRect().top(), view->viewport()->height() / 4);
        EXPECT_TRUE(centredOnMain(help));
        click(help, "Command1");
    }
};

TEST_F(SettingsWindows, Slot10ShowsTheStringWholeKeepsEditsThroughHelpAndSavesThemCleaned) {
    editor.slot10s = std::string(40000, 'w');
    whenModal(menu("menu_settings_slot10"), [&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Slot10 Settings");
        EXPECT_TRUE(centredOnMain(w));
        auto* waitno = child<QComboBox>(w, "waitno");
        EXPECT_EQ(waitno->currentText(), "5");
        EXPECT_EQ(waitno->count(), 7);
        EXPECT_EQ(waitno->completer(), nullptr);
        auto* box = child<QLineEdit>(w, "slot10box");
        EXPECT_EQ(box->text().size(), 40000) << "the box must not cut the text it shows";
        retype(box, "  slot10;wait;; ");
        retype(waitno->lineEdit(), " 07 ");
        QTest::keyClick(waitno->lineEdit(), Qt::Key_Return);
        EXPECT_TRUE(w->isVisible()) << "Enter in a box presses no button";
        EXPECT_EQ(waitno->count(), 7) << "typed text is not added to the list";
        // Help opens at its section and keeps the edits, which Save then stores.
        whenModal([&] { click(w, "Command1"); }, [&](QWidget* h) { expectHelpAt(h, "Slot10:"); });
        click(w, "savebutton");
    });
    EXPECT_EQ(editor.slot10, slot10Factors[6]);
    EXPECT_EQ(editor.slot10s, "  slot10;wait;;");
}

// The list's current item is the factor the box shows, so the arrow keys step from there.
TEST_F(SettingsWindows, Slot10FactorListFollowsTheFactorShown) {
    editor.slot10 = slot10Factors[0];
    whenModal(menu("menu_settings_slot10"), [&](QWidget* w) {
        auto* waitno = child<QComboBox>(w, "waitno");
        EXPECT_EQ(waitno->currentIndex(), 0);
        waitno->setFocus();
        QTest::keyClick(waitno, Qt::Key_Down);
        EXPECT_EQ(waitno->currentText(), "2");
        retype(waitno->lineEdit(), "6"); // a typed item is current at once
        QTest::keyClick(waitno, Qt::Key_Down);
        EXPECT_EQ(waitno->currentText(), "7");
        retype(waitno->lineEdit(), "9"); // no item: the current one stays
        QTest::keyClick(waitno, Qt::Key_Up);
        EXPECT_EQ(waitno->currentText(), "6");
        click(w, "defaultbutton");
        EXPECT_EQ(waitno->currentIndex(), 4);
        waitno->setFocus();
        QTest::keyClick(waitno, Qt::Key_Up);
        EXPECT_EQ(waitno->currentText(), "4");
        click(w, "savebutton");
    });
    EXPECT_EQ(editor.slot10, slot10Factors[3]);
    whenModal(menu("menu_settings_slot10"), [&](QWidget* w) {
        auto* waitno = child<QComboBox>(w, "waitno");
        EXPECT_EQ(waitno->currentIndex(), 3);
        waitno->setFocus();
        QTest::keyClick(waitno, Qt::Key_Down);
        EXPECT_EQ(waitno->currentText(), "5");
        click(w, "closebutton");
    });
    EXPECT_EQ(editor.slot10, slot10Factors[3]) << "Close stores nothing";
}

TEST_F(SettingsWindows, RconStoresWholeCommandsAndShowsOnlyTheValues) {
    editor.srconport = "RCON_PORT 27015";
    whenModal(menu("menu_settings_slot10_rcon"), [&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Rcon Settings");
        EXPECT_TRUE(centredOnMain(w));
        auto* port = child<QLineEdit>(w, "port");
        EXPECT_EQ(port->text(), "27015");
        QTest::keyClicks(child<QLineEdit>(w, "pass"), "\"two words\"");
        click(w, "Command2");
    });
    EXPECT_EQ(editor.srconport, "RCON_PORT 27015") << "left alone: kept as read";
    EXPECT_EQ(editor.srconpass, "rcon_password \"two words\"");

    whenModal(menu("menu_settings_slot10_rcon"), [&](QWidget* w) {
        retype(child<QLineEdit>(w, "port"), "1");
        click(w, "Command1");
    });
    EXPECT_EQ(editor.srconport, "RCON_PORT 27015");
}

TEST_F(SettingsWindows, BindOrderShowsThePickKeepsItThroughHelpAndSavesItOnlyOnSave) {
    whenModal(shortcut(Qt::Key_B, Qt::ControlModifier), [&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Bind Order");
        auto* combo = child<QComboBox>(w, "Combo1");
        EXPECT_EQ(combo->currentText(), "Default");
        EXPECT_EQ(child<QLabel>(w, "o1")->text(), "Gun");
        QTest::keyClick(combo, Qt::Key_Down); // Pistol
        EXPECT_EQ(child<QLabel>(w, "o1")->text(), "Pistol");
        whenModal([&] { click(w, "Command3"); }, [&](QWidget* h) { expectHelpAt(h, "Bind Order:"); });
        EXPECT_EQ(combo->currentText(), "Pistol");
        click(w, "Command2");
    });
    EXPECT_EQ(editor.BindOrder, "Default");
    whenModal(menu("menu_settings_bindorder"), [&](QWidget* w) {
        QTest::keyClicks(child<QComboBox>(w, "Combo1"), "G"); // the only preset starting with G
        EXPECT_EQ(child<QLabel>(w, "o1")->text(), "HE gren.");
        EXPECT_EQ(child<QLabel>(w, "o5")->text(), "Pistol"); // joined before the gun, as shown
        EXPECT_EQ(child<QLabel>(w, "o9")->text(), "Gun");
        click(w, "Command1");
    });
    EXPECT_EQ(editor.BindOrder, "Grenades");
}

struct TabCase {
    const char* menuItem;
    std::vector<std::string> order; // the controls that take the focus, from the first
};

class TabOrder : public testing::DialogsFixture, public ::testing::WithParamInterface<TabCase> {};

TEST_P(TabOrder, TabVisitsTheControlsInTheLayoutsOrder) {
    whenModal(menu(GetParam().menuItem), [&](QWidget* w) {
        // Keys reach only the active window; on a busy machine activation can lag the showing.
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        std::vector<std::string> visited;
        for (std::size_t i = 0; i < GetParam().order.size() + 1; ++i) {
            QWidget* focus = w->focusWidget();
            // An editable combo box passes the focus to its line edit.
            if (focus && focus->objectName().isEmpty())
                focus = focus->parentWidget();
            visited.push_back(focus ? focus->objectName().toStdString() : "");
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
        }
        std::vector<std::string> expected = GetParam().order;
        expected.push_back(expected.front()); // and round to the first again
        EXPECT_EQ(visited, expected);
        w->close();
    });
}

INSTANTIATE_TEST_SUITE_P(
    Windows, TabOrder,
    ::testing::Values(
        TabCase{"menu_settings_slot10",
                {"defaultbutton", "savebutton", "slot10box", "closebutton", "waitno", "Command1"}},
        TabCase{"menu_settings_slot10_rcon", {"port", "pass", "Command1", "Command2"}},
        TabCase{"menu_settings_bindorder", {"Combo1", "Command1", "Command2", "Command3"}},
        TabCase{"menu_help_help", {"Command1", "rtb1", "Command2", "searchtextbox", "Command3"}},
        TabCase{"menu_help_about", {"closebutton"}}));

TEST_F(SettingsWindows, BindOrderFrameEdgeRunsAboveTheFirstPosition) {
    whenModal(menu("menu_settings_bindorder"), [&](QWidget* w) {
        auto* frame = child<QWidget>(w, "Frame1");
        auto* o1 = child<QWidget>(w, "o1");
        const QImage image = frame->grab().toImage();
        const int x = o1->x() + o1->width() - 4; // clear of the caption
        const QColor face = w->palette().color(QPalette::Window);
        bool edge = false;
        for (int y = 0; y < o1->y(); ++y)
            edge = edge || image.pixelColor(x, y).lightness() < face.lightness() - 40;
        EXPECT_TRUE(edge) << "the frame's top edge is hidden under o1";
        w->close();
    });
}

TEST_F(SettingsWindows, AboutIsCentredAndClosesOnlyByItsButton) {
    for (int showing = 0; showing < 2; ++showing)
        whenModal(menu("menu_help_about"), [&](QWidget* w) {
            EXPECT_EQ(w->windowTitle(), "About");
            EXPECT_TRUE(centredOnMain(w));
            for (const QLabel* label : w->findChildren<QLabel*>())
                EXPECT_FALSE(label->text().isEmpty()) << label->objectName().toStdString() << " is empty";
            QTest::keyClick(w, Qt::Key_Escape);
            EXPECT_TRUE(w->isVisible());
            QTest::keyClick(w, Qt::Key_Return); // presses the focused Close button
            EXPECT_FALSE(w->isVisible());
        });
}

// The other windows' ways into help: Save to key's too-long question and the circular-bind window.
TEST_F(SettingsWindows, SaveToKeysLongBindQuestionOpensTheLongBindSection) {
    click(window.get(), "keyA");
    auto* cbind = child<QLineEdit>(window.get(), "cbind");
    cbind->setFocus();
    QTest::keyClicks(cbind, QString(240, u'x'));
    // The help window opens once the question has closed, still inside Save to key.
    testing::whenModals(
        [&] { click(window.get(), "savetokey"); },
        {[](QWidget* question) { qobject_cast<QMessageBox*>(question)->button(QMessageBox::Yes)->click(); },
         [&](QWidget* h) { expectHelpAt(h, "Bind too long error:"); }});
    EXPECT_EQ(editor.store[*keyById("keyA", Case::Exact)], std::string(240, 'x'));
}

TEST_F(SettingsWindows, CircularBindHelpOpensTheCircularBindsSection) {
    click(window.get(), "keyA");
    whenModal([&] { click(window.get(), "circularbind"); },
              [&](QWidget* form6) {
                  whenModal([&] { click(form6, "Command4"); },
                            [&](QWidget* h) { expectHelpAt(h, "Circular Binds:"); });
                  EXPECT_TRUE(form6->isVisible());
                  click(form6, "Command1");
              });
}

} // namespace
} // namespace vantrel
