// The help window: its document, the section jumps, Search and Find next on real widgets.
#include "ui/HelpWindow.h"

#include "MainWindowFixture.h"
#include "ui/QtPrompter.h"

#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

namespace vantrel {
namespace {

using testing::child;
using testing::whenModal;

constexpr const char* headings[] = {
    "Introduction:",
    "Getting Started:",
    "Keys:",
    "Saving / Opening files:",
    "Using your binds in Counter-strike:",
    "Circular Binds:",
    "Slot10:",
    "Bind Order:",
    "Errors :",
    "Bind too long error:",
    "Further Help:",
};

class HelpDocument : public ::testing::Test {
  protected:
    QTextDocument document;
    void SetUp() override { document.setHtml(ui::helpDocument()); }

    QTextBlock blockWithText(const QString& text) const {
        for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
            if (b.text() == text)
                return b;
        return {};
    }
};

TEST_F(HelpDocument, IsAsciiSoPositionsCountBytes) {
    const QString html = ui::helpDocument();
    ASSERT_FALSE(html.isEmpty()) << "the help resource cannot be read";
    for (QChar c : html + document.toPlainText())
        ASSERT_LT(c.unicode(), 128) << "non-ASCII character in the help source or text";
    EXPECT_EQ(document.toPlainText().size(), document.characterCount() - 1);
}

// The headings stand in order, each a paragraph of its own. Paragraphs carry no margins of their
// own: the small empty line under a heading is all that parts it from its text.
TEST_F(HelpDocument, HeadingsComeInOrderEachWithinALineOfItsText) {
    EXPECT_EQ(document.begin().text(), "Vantrel Help");
    document.setTextWidth(480);
    int previous = -1;
    for (const char* heading : headings) {
        const QTextBlock block = blockWithText(QString::fromLatin1(heading));
        ASSERT_TRUE(block.isValid()) << heading;
        EXPECT_GT(block.blockNumber(), previous) << heading << " out of order";
        previous = block.blockNumber();
        QTextBlock text = block.next();
        while (text.isValid() && text.text().isEmpty())
            text = text.next();
        ASSERT_TRUE(text.isValid()) << heading;
        const QRectF above = document.documentLayout()->blockBoundingRect(block);
        const QRectF below = document.documentLayout()->blockBoundingRect(text);
        ASSERT_GT(text.layout()->lineCount(), 0) << heading;
        EXPECT_LT(below.top() - above.bottom(), text.layout()->lineAt(0).height()) << heading;
    }
}

TEST_F(HelpDocument, FirstOccurrenceOfEachJumpHeadingIsTheHeading) {
    const QString text = document.toPlainText();
    for (const HelpHeading& section : helpHeadings) {
        const QString heading =
            QString::fromLatin1(section.heading.data(), qsizetype(section.heading.size()));
        const int at = int(text.indexOf(heading, 0, Qt::CaseInsensitive));
        EXPECT_EQ(at, blockWithText(heading).position()) << section.heading.data();
    }
}

// Unconnected, the prompter would drop every Help button and question of the other windows
// without a word: it stops the program instead.
TEST(QtPrompterHelp, WithoutAConnectedHelpWindowStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ui::QtPrompter prompter;
    EXPECT_DEATH(prompter.showHelp(), "no help window");
}

using HelpWindowUi = testing::DialogsFixture;

TEST_F(HelpWindowUi, F1OpensAtTheStartAndSearchAndFindNextSelectInTheViewAndOutliveTheShowing) {
    int second = 0;
    whenModal(shortcut(Qt::Key_F1), [&](QWidget* help) {
        EXPECT_EQ(help->windowTitle(), "Help");
        EXPECT_TRUE(centredOnMain(help));
        auto* box = child<QLineEdit>(help, "searchtextbox");
        auto* view = child<QTextBrowser>(help, "rtb1");
        auto* jump = child<QTimer>(help, "Timer1"); // the window's jump, with no section to go to
        EXPECT_TRUE(QTest::qWaitFor([&] { return !jump->isActive(); }));
        EXPECT_FALSE(view->textCursor().hasSelection());
        EXPECT_TRUE(box->text().isEmpty());

        QTest::keyClicks(box, "slot10");
        click(help, "Command2");
        EXPECT_EQ(view->textCursor().selectedText().toLower(), "slot10");
        const int first = view->textCursor().selectionStart();
        click(help, "Command3");
        second = view->textCursor().selectionStart();
        EXPECT_GT(second, first);
        EXPECT_EQ(view->textCursor().selectedText().toLower(), "slot10");
        click(help, "Command1");
    });
    // Opened again: Find next goes on with the last Search's text and the working copy that
    // holds what was passed, so it finds the occurrence selected at closing, not the first.
    whenModal(menu("menu_help_help"), [&](QWidget* help) {
        auto* view = child<QTextBrowser>(help, "rtb1");
        click(help, "Command3");
        EXPECT_EQ(view->textCursor().selectionStart(), second);
        EXPECT_EQ(view->textCursor().selectedText().toLower(), "slot10");
        click(help, "Command1");
    });
}

TEST_F(HelpWindowUi, TextNotFoundIsSaidInAPlainMessageBox) {
    whenModal(menu("menu_help_help"), [&](QWidget* help) {
        QTest::keyClicks(child<QLineEdit>(help, "searchtextbox"), "no such words");
        whenModal([&] { click(help, "Command2"); },
                  [&](QWidget* modal) {
                      auto* box = qobject_cast<QMessageBox*>(modal);
                      ASSERT_NE(box, nullptr);
                      EXPECT_EQ(box->text(), "String not found.");
                      EXPECT_EQ(box->windowTitle(), "Vantrel");
                      EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
                      EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
                      box->button(QMessageBox::Ok)->click();
                  });
        click(help, "Command1");
    });
}

} // namespace
} // namespace vantrel
