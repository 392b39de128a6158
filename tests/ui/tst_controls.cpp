// Controls reached by name and values shown in them: every window builds from its table, a name
// the table does not hold fails loudly, and showing a core value never speaks as the user.
#include "EditorFixture.h"
#include "UiTestSupport.h"
#include "ui/DialogTable.h"
#include "ui/ShowValue.h"
#include "ui/ValueCheckBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <stdexcept>

namespace vantrel::ui {
namespace {

// Runs `build` and expects it to throw std::logic_error whose message holds every one of `words`.
void expectFault(const std::function<void()>& build, std::initializer_list<const char*> words) {
    try {
        build();
        ADD_FAILURE() << "no fault for " << *words.begin();
    } catch (const std::logic_error& fault) {
        for (const char* word : words)
            EXPECT_NE(std::string(fault.what()).find(word), std::string::npos) << fault.what();
    }
}

TEST(ControlMap, ANameNotInTheTableOrOfAnotherTypeFailsInEveryBuild) {
    constexpr ControlSpec table[] = {
        {"Frame1", ControlKind::Frame, "Frame", 0, 0, 1500, 1500, 0},
        {"Command1", ControlKind::Button, "Go", 120, 240, 975, 495, 1, "Frame1"},
        {"Check1", ControlKind::CheckBox, "Box", 120, 840, 975, 255, 2, "Frame1"},
    };
    QWidget window;
    const ControlMap byName = buildControls(&window, table);
    EXPECT_EQ(byName.at<QPushButton>("Command1").parentWidget(), &byName.at<QWidget>("Frame1"));
    EXPECT_EQ(byName.at<QAbstractButton>("Check1").objectName(), "Check1");

    expectFault([&] { (void)byName.at<QPushButton>("Command2"); }, {"Command2", "QPushButton"});
    expectFault([&] { (void)byName.at<QLabel>("Command1"); }, {"Command1", "QLabel", "CaptionButton"});
    expectFault([&] { (void)byName.at<ValueCheckBox>("Command1"); }, {"Command1", "ValueCheckBox"});

    constexpr ControlSpec orphan[] = {{"Label1", ControlKind::Label, "x", 0, 0, 975, 255, 0, "Frame2"}};
    expectFault([&] { (void)buildControls(&window, orphan); }, {"Frame2"});
    constexpr ControlSpec twice[] = {{"Text1", ControlKind::TextBox, "", 0, 0, 975, 285, 0},
                                     {"Text1", ControlKind::TextBox, "", 0, 400, 975, 285, 1}};
    expectFault([&] { (void)buildControls(&window, twice); }, {"Text1"});
}

using Windows = vantrel::testing::EditorTest;

TEST_F(Windows, EveryWindowBuildsFromItsTable) {
    EXPECT_NO_THROW(vantrel::testing::everyWindow(editor));
    EXPECT_TRUE(prompter.messages().empty());
}

// Showing a value leaves a widget that already shows it alone (the user's cursor and undo stay),
// shows a line edit's new text from its start, and emits none of the signals that run handlers.
TEST(ShowValue, ChangesOnlyWhatDiffersAndNeverSpeaksAsTheUser) {
    QWidget window;
    auto* box = new QLineEdit(&window);
    auto* option = new QRadioButton(&window);
    auto* tristate = new ValueCheckBox(QStringLiteral("Two way"), &window);
    tristate->setTristate(true);
    auto* list = new QComboBox(&window);
    list->addItems({"0", "1", "2"});
    auto* combo = new QComboBox(&window);
    combo->setEditable(true);
    combo->addItems({"F1", "F2"});
    QSignalSpy typed(box, &QLineEdit::textEdited);
    QSignalSpy clicked(option, &QAbstractButton::clicked);
    QSignalSpy ticked(tristate, &QAbstractButton::clicked);
    QSignalSpy picked(list, &QComboBox::activated);
    QSignalSpy comboTyped(combo->lineEdit(), &QLineEdit::textEdited);
    QSignalSpy comboPicked(combo, &QComboBox::activated);

    QTest::keyClicks(box, "say hi");
    box->setCursorPosition(2);
    showText(*box, "say hi");
    EXPECT_EQ(box->cursorPosition(), 2);
    EXPECT_TRUE(box->isUndoAvailable());
    showText(*box, "say bye");
    EXPECT_EQ(box->text(), "say bye");
    EXPECT_EQ(box->cursorPosition(), 0);
    EXPECT_EQ(typed.count(), 6); // the six typed letters only

    showChecked(*option, true);
    EXPECT_TRUE(option->isChecked());
    for (const auto& [value, state] :
         {std::pair{2, Qt::PartiallyChecked}, {1, Qt::Checked}, {0, Qt::Unchecked}}) {
        showValue(*tristate, value);
        EXPECT_EQ(tristate->checkState(), state);
        EXPECT_EQ(tristate->value(), value);
    }
    showItem(*list, "2");
    EXPECT_EQ(list->currentIndex(), 2);
    showItem(*list, "9");
    EXPECT_EQ(list->currentIndex(), -1);
    showEditText(*combo, "Mouse 1");
    EXPECT_EQ(combo->currentText(), "Mouse 1");
    for (const QSignalSpy* spy : {&clicked, &ticked, &picked, &comboTyped, &comboPicked})
        EXPECT_EQ(spy->count(), 0);

    // An editable box is heard when the user types into it or picks from its list.
    QStringList heard;
    QObject context;
    onUserText(*combo, context, [&](const QString& text) { heard << text; });
    showEditText(*combo, "F1");
    QTest::keyClick(combo->lineEdit(), Qt::Key_End);
    QTest::keyClicks(combo->lineEdit(), "x");
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(heard, (QStringList{"F1x", "F2"}));
}

} // namespace
} // namespace vantrel::ui
