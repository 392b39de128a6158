// The main window end to end: its frame and layout, the key picture and its colours, the menus
// and their shortcuts over text boxes, and Exit.
#include "MainWindowFixture.h"
#include "keys/Buttons.h"
#include "ui/KeyboardLayout.h"

#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

namespace vantrel::testing {
namespace {

using MainWindowTest = MainWindowFixture;

const QColor selection(192, 192, 255);
const QColor bound(255, 50, 35);
const QColor unbindable(224, 224, 224);

TEST_F(MainWindowTest, FrameIsFixedWithTheClientAreaBelowTheMenuBar) {
    EXPECT_EQ(window->windowTitle(), "Vantrel");
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
}

// Neighbouring keys share one edge pixel and only "#" lies over another key, in Enter's corner.
// As drawn, only light edges show between keys, and a key's face shows its fill wherever its
// caption and the keys above it leave it free.
TEST_F(MainWindowTest, PictureButtonsMeetAtLightEdgesAndShowTheirFacesWhole) {
    std::vector<QPushButton*> all; // in stacking order
    for (const ui::PictureButton& spec : ui::pictureButtons)
        all.push_back(child<QPushButton>(window.get(), std::string(spec.name).c_str()));
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) {
            const QRect shared = all[i]->geometry().intersected(all[j]->geometry());
            const bool overlap = shared.width() > 1 && shared.height() > 1;
            const bool hashAndEnter =
                all[i]->objectName() == "keyLENTER" && all[j]->objectName() == "keyhash";
            EXPECT_EQ(overlap, hashAndEnter)
                << all[i]->objectName().toStdString() << " and " << all[j]->objectName().toStdString();
        }

    const QImage shown = window->centralWidget()->grab().toImage();
    const auto coveredBy = [&](size_t k, QPoint p, size_t from, size_t to) {
        for (size_t i = from; i < to; ++i)
            if (i != k && all[i]->geometry().contains(p))
                return true;
        return false;
    };
    for (size_t k = 0; k < all.size(); ++k) {
        const QPushButton* key = all[k];
        const QRect r = key->geometry();
        const std::string name = key->objectName().toStdString();
        int darkEdges = 0, stains = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QPoint p(x, y);
                const bool edge = x == r.left() || x == r.right() || y == r.top() || y == r.bottom();
                if (edge && coveredBy(k, p, 0, k) && !coveredBy(k, p, k + 1, all.size()) &&
                    shown.pixelColor(p).lightness() < 200)
                    ++darkEdges;
            }
        const QRect face = r.adjusted(1, 1, -1, -1);
        const QRect caption = key->fontMetrics()
                                  .boundingRect(QRect(QPoint(), r.size()).adjusted(2, 0, -2, 0),
                                                Qt::AlignCenter | Qt::TextWordWrap, key->text())
                                  .translated(r.topLeft())
                                  .adjusted(-1, -1, 1, 1);
        const QColor fill = shown.pixelColor(face.topLeft());
        for (int y = face.top(); y <= face.bottom(); ++y)
            for (int x = face.left(); x <= face.right(); ++x) {
                const QPoint p(x, y);
                if (!caption.contains(p) && !coveredBy(k, p, k + 1, all.size()) &&
                    shown.pixelColor(p) != fill)
                    ++stains;
            }
        EXPECT_EQ(darkEdges, 0) << name << " shows a dark edge over its neighbour";
        EXPECT_EQ(stains, 0) << name << "'s face is marked outside its caption";
    }
}

TEST_F(MainWindowTest, UnbindableButtonsAreGreyAndClickingThemChangesNothing) {
    click("keyB");
    for (const auto& [name, caption] : unbindableButtons) {
        click(std::string(name).c_str());
        EXPECT_EQ(shownColour(std::string(name).c_str()), unbindable) << name;
    }
    EXPECT_EQ(editor.selectkey, "keyB");
    EXPECT_EQ(child<QLabel>(window.get(), "ckeybox")->text(), "B");
    EXPECT_EQ(shownColour("keyB"), selection);
}

TEST_F(MainWindowTest, KeyClickShowsTheDisplayNameAndPaintsTheSelection) {
    EXPECT_EQ(child<QLabel>(window.get(), "ckeybox")->text(), "none");
    EXPECT_EQ(shownColour("keyf5"), buttonFace("keyf5"));
    click("keyf5");
    EXPECT_EQ(child<QLabel>(window.get(), "ckeybox")->text(), "F5");
    EXPECT_EQ(editor.selectkey, "f5");
    EXPECT_EQ(shownColour("keyf5"), selection);

    click("keyRSHIFT");
    EXPECT_EQ(child<QLabel>(window.get(), "ckeybox")->text(), "Shift");
    EXPECT_EQ(editor.selectkey, "keyLSHIFT");
    EXPECT_EQ(shownColour("keyLSHIFT"), selection);
    EXPECT_EQ(shownColour("keyRSHIFT"), selection);
    EXPECT_EQ(shownColour("keyf5"), buttonFace("keyf5"));
}

TEST_F(MainWindowTest, BoundKeysAreRedUntilSelectedAndShowTheirBind) {
    editor.bind(*keyById("keyW", Case::Exact)) = "+forward";
    editor.bind(*keyById("keyQ", Case::Exact)) = "aCB3";
    click("keyA");
    EXPECT_EQ(shownColour("keyW"), bound);
    EXPECT_EQ(shownColour("circularbind"), buttonFace("circularbind"));

    click("keyW");
    EXPECT_EQ(shownColour("keyW"), selection);
    EXPECT_EQ(child<QLineEdit>(window.get(), "cbind")->text(), "+forward");
    EXPECT_EQ(shownColour("keyA"), buttonFace("keyA"));

    click("keyQ"); // a bind marker lights the circular-bind button
    EXPECT_EQ(shownColour("circularbind"), selection);
}

TEST_F(MainWindowTest, CaptionsKeepTheirFontHoweverOftenAKeyChangesColour) {
    editor.bind(*keyById("keyH", Case::Exact)) = "jump";
    const int size = QFontInfo(child<QPushButton>(window.get(), "keyA")->font()).pixelSize();
    for (const char* name : {"keyH", "keyJ", "keyH", "keyJ"})
        click(name);
    for (const char* name : {"keyH", "keyJ", "keyA"})
        EXPECT_EQ(QFontInfo(child<QPushButton>(window.get(), name)->font()).pixelSize(), size) << name;
}

// The shortcut's routing, not its command: the actions are cut off from their handlers here.
TEST_F(MainWindowTest, MenuShortcutsReachTheMenuWhileATextBoxHasTheFocus) {
    for (QAction* action : window->findChildren<QAction*>())
        QObject::disconnect(action, &QAction::triggered, window.get(), nullptr);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* action;
    } shortcuts[] = {
        {Qt::Key_A, Qt::ControlModifier, "menu_file_saveas"},
        {Qt::Key_G, Qt::ControlModifier, "menu_key_copy"},
        {Qt::Key_H, Qt::ControlModifier, "menu_key_paste"},
        {Qt::Key_N, Qt::ControlModifier, "menu_file_new"},
        {Qt::Key_O, Qt::ControlModifier, "menu_file_open"},
        {Qt::Key_S, Qt::ControlModifier, "menu_file_save"},
        {Qt::Key_F1, Qt::NoModifier, "menu_help_help"},
    };
    for (const char* boxName : {"cbind", "saybox", "rconsaybox"}) {
        auto* box = child<QLineEdit>(window.get(), boxName);
        ASSERT_TRUE(box);
        box->setFocus();
        QTest::keyClicks(box, "ab");
        for (const auto& s : shortcuts) {
            QSignalSpy spy(child<QAction>(window.get(), s.action), &QAction::triggered);
            QTest::keyClick(box, s.key, s.modifiers);
            EXPECT_EQ(spy.count(), 1) << boxName << " " << s.action;
        }
        EXPECT_EQ(box->text(), "ab") << boxName;
        EXPECT_FALSE(box->hasSelectedText()) << boxName;
    }
}

TEST_F(MainWindowTest, ExitAsksAndOnlyYesClosesTheWindow) {
    editor.bind(*keyById("keyA", Case::Exact)) = "buy;";
    click("keyA");
    const Editor before = editor;
    prompter.answerMessage(Answer::No);
    child<QAction>(window.get(), "menu_file_exit")->trigger();
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0],
              (Message{"Are you sure you want to quit? (Any unsaved changes will be lost)", "Quit",
                       Buttons::YesNo, Answer::No, Icon::None}));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(editor.store, before.store);
    EXPECT_EQ(shownColour("keyA"), selection);

    prompter.answerMessage(Answer::Yes);
    child<QAction>(window.get(), "menu_file_exit")->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, ClosingByTheFrameAsksNothing) {
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompter.calls().empty());
}

TEST_F(MainWindowTest, CopyAndPasteMoveABindBetweenKeys) {
    editor.bind(*keyById("keyA", Case::Exact)) = "say hello;";
    click("keyA");
    child<QAction>(window.get(), "menu_key_copy")->trigger();
    click("keyB");
    child<QAction>(window.get(), "menu_key_paste")->trigger();
    EXPECT_EQ(editor.bind(*keyById("keyB", Case::Exact)), "say hello;");
    EXPECT_EQ(child<QLineEdit>(window.get(), "cbind")->text(), "say hello;");
    EXPECT_EQ(child<QLineEdit>(window.get(), "saybox")->text(), "hello");
}

} // namespace
} // namespace vantrel::testing
