// What the player reads in every window, measured on the rendered widgets: each caption fits its
// control in the font it is drawn in, no control lies over another's caption, and the option
// buttons and check boxes show their marks clearly, on the grey frames as on a plain window.
#include "EditorFixture.h"
#include "UiTestSupport.h"
#include "app/Selection.h"
#include "ui/AboutWindow.h"
#include "ui/BindOrderWindow.h"
#include "ui/CircularWindow.h"
#include "ui/Geometry.h"
#include "ui/HelpWindow.h"
#include "ui/MainLayout.h"
#include "ui/MainWindow.h"
#include "ui/RconWindow.h"
#include "ui/Slot10Window.h"
#include "ui/Text.h"
#include "ui/ValueCheckBox.h"

#include <QAbstractScrollArea>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <cmath>
#include <memory>

namespace vantrel::ui {
namespace {

using vantrel::testing::child;

// A frame's top edge shows at least this far on each side of its caption.
constexpr int minEdgeRun = 6;

// WCAG 2 relative luminance and contrast ratio.
double luminance(const QColor& c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string nameOf(const QWidget* w) {
    return (w->window()->objectName() + QStringLiteral("/") + w->objectName() + QStringLiteral(" \"") +
            (qobject_cast<const QAbstractButton*>(w) ? qobject_cast<const QAbstractButton*>(w)->text()
             : qobject_cast<const QLabel*>(w)        ? qobject_cast<const QLabel*>(w)->text()
             : qobject_cast<const QGroupBox*>(w)     ? qobject_cast<const QGroupBox*>(w)->title()
                                                     : QString()) +
            QStringLiteral("\""))
        .toStdString();
}

bool isIndicatorButton(const QWidget* w) {
    return qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w);
}

// A check box's or option button's indicator, or the space its caption is laid out in.
QRect partOf(const QAbstractButton* b, bool indicator) {
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    const bool box = qobject_cast<const QCheckBox*>(b);
    return b->style()->subElementRect(
        indicator ? (box ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator)
                  : (box ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents),
        &option, b);
}
QRect indicatorRect(const QAbstractButton* b) {
    return partOf(b, true);
}

QRect groupBoxTitle(const QGroupBox* box) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
}

// A control of the window's own (not a part inside a drop-down box or a text view).
bool isControl(const QWidget* w, const QWidget* window) {
    for (const QWidget* up = w->parentWidget(); up && up != window; up = up->parentWidget())
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractScrollArea*>(up))
            return false;
    return true;
}

// A caption and where it must stay: its place in window coordinates and the space it must fit.
struct Caption {
    const QWidget* control;
    QRect ink;   // what must stay clear: a caption (and its indicator), or a box's whole face
    QRect text;  // the caption's text as laid out in its space
    QRect space; // where the text must fit; empty for controls without a caption of their own
};

std::vector<Caption> captionsOf(const QWidget* window) {
    std::vector<Caption> out;
    const auto toWindow = [window](const QWidget* w, const QRect& r) {
        return QRect(w->mapTo(window, r.topLeft()), r.size());
    };
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!isControl(w, window))
            continue;
        const QFontMetrics fm = w->fontMetrics();
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty())
                continue;
            const QRect space = label->contentsRect();
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect text = toWindow(w, fm.boundingRect(space, flags, label->text()));
            out.push_back({w, text, text, toWindow(w, space)});
        } else if (isIndicatorButton(w)) {
            const auto* b = static_cast<const QAbstractButton*>(w);
            const QRect area = partOf(b, false);
            const QRect text = fm.boundingRect(area, Qt::AlignLeft | Qt::AlignVCenter, b->text());
            if (b->text().isEmpty()) // its caption is a label beside it
                out.push_back({w, toWindow(w, indicatorRect(b)), {}, {}});
            else
                out.push_back(
                    {w, toWindow(w, indicatorRect(b) | text), toWindow(w, text), toWindow(w, area)});
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            // The caption stands on the top edge with some edge showing on both sides of it.
            const QRect title = groupBoxTitle(box);
            const QRect text = fm.boundingRect(title, Qt::AlignCenter, box->title());
            out.push_back({w, toWindow(w, text), toWindow(w, text),
                           toWindow(w, QRect(minEdgeRun, 0, box->width() - 2 * minEdgeRun, title.height()))});
        } else if (qobject_cast<const QPushButton*>(w)) {
            // Picture keys share their edges and "#" lies in Enter's corner: a button's caption is
            // what must stay clear.
            const auto* b = static_cast<const QPushButton*>(w);
            out.push_back({w,
                           toWindow(w, fm.boundingRect(w->rect().adjusted(2, 0, -2, 0),
                                                       Qt::AlignCenter | Qt::TextWordWrap, b->text())),
                           {},
                           {}});
        } else if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
                   qobject_cast<const QAbstractScrollArea*>(w)) {
            out.push_back({w, toWindow(w, w->rect().adjusted(1, 1, -1, -1)), {}, {}});
        }
    }
    return out;
}

// The main window's group boxes are drawn by its backdrop, their captions are its labels.
void expectBackdropFramesShowTheirEdge(const QWidget* client) {
    for (const GroupBox& group : groupBoxes) {
        if (group.title.empty())
            continue;
        const QRect box =
            toPixels(Twips{group.left, group.top, group.right - group.left, group.bottom - group.top});
        const QLabel* title = nullptr;
        for (const QLabel* label : client->findChildren<QLabel*>())
            if (label->text() == toQt(group.title))
                title = label;
        ASSERT_TRUE(title) << group.title;
        EXPECT_GE(title->x() - box.left(), minEdgeRun) << group.title;
        EXPECT_GE(box.right() - title->geometry().right(), minEdgeRun) << group.title;
    }
}

class LookTest : public vantrel::testing::EditorTest {
  protected:
    void TearDown() override { vantrel::testing::expectNoWindowsLeft(); }

    // Every window, each shown; the circular-bind window opened on a selected key.
    std::vector<std::unique_ptr<QWidget>> everyWindow() {
        std::vector<std::unique_ptr<QWidget>> windows;
        windows.push_back(std::make_unique<MainWindow>(editor));
        keyClick(editor, "keyH");
        windows.push_back(std::make_unique<CircularWindow>(editor));
        windows.push_back(std::make_unique<Slot10Window>(editor, nullptr));
        windows.push_back(std::make_unique<RconWindow>(editor, nullptr));
        windows.push_back(std::make_unique<BindOrderWindow>(editor, nullptr));
        windows.push_back(std::make_unique<AboutWindow>(nullptr));
        windows.push_back(std::make_unique<HelpWindow>(editor, nullptr));
        for (auto& w : windows)
            w->show();
        return windows;
    }
};

TEST_F(LookTest, EveryCaptionFitsItsControlAndNoControlCoversAnother) {
    const auto windows = everyWindow();
    for (const auto& window : windows) {
        const QWidget* surface = qobject_cast<MainWindow*>(window.get())
                                     ? static_cast<MainWindow*>(window.get())->centralWidget()
                                     : window.get();
        const std::vector<Caption> captions = captionsOf(surface);
        for (const Caption& c : captions) {
            EXPECT_TRUE(surface->rect().contains(c.ink)) << nameOf(c.control) << " lies outside its window";
            // A caption drawn smaller than its window's font would fit where the window's own does not.
            if (qobject_cast<const QLabel*>(c.control)) {
                EXPECT_EQ(QFontInfo(c.control->font()).pixelSize(), QFontInfo(surface->font()).pixelSize())
                    << nameOf(c.control) << " is not in its window's font";
            }
            if (!c.space.isNull()) {
                EXPECT_TRUE(c.space.contains(c.text))
                    << nameOf(c.control) << " needs " << c.text.width() << "x" << c.text.height() << ", has "
                    << c.space.width() << "x" << c.space.height();
            }
        }
        for (size_t i = 0; i < captions.size(); ++i)
            for (size_t j = i + 1; j < captions.size(); ++j)
                EXPECT_FALSE(captions[i].ink.intersects(captions[j].ink))
                    << nameOf(captions[i].control) << " and " << nameOf(captions[j].control) << " overlap";
        if (surface != window.get())
            expectBackdropFramesShowTheirEdge(surface);
    }
}

// The indicator as drawn in one state, grabbed with the background its parent paints.
QImage indicatorIn(QAbstractButton* b, Qt::CheckState state) {
    const QSignalBlocker blocker(b);
    QButtonGroup* group = b->group();
    if (group)
        group->setExclusive(false);
    if (auto* box = qobject_cast<QCheckBox*>(b))
        box->setCheckState(state);
    else
        b->setChecked(state == Qt::Checked);
    if (group)
        group->setExclusive(true);
    return b->parentWidget()->grab(b->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

struct Mark {
    int pixels = 0;      // where the state's picture differs from the clear one
    double contrast = 0; // the strongest of those pixels against the clear box's fill
};

Mark markOf(const QImage& shown, const QImage& clear, const QRect& indicator) {
    const QColor fill = clear.pixelColor(indicator.center());
    Mark mark;
    for (int y = indicator.top(); y <= indicator.bottom(); ++y)
        for (int x = indicator.left(); x <= indicator.right(); ++x)
            if (shown.pixel(x, y) != clear.pixel(x, y)) {
                ++mark.pixels;
                mark.contrast = std::max(mark.contrast, contrast(shown.pixelColor(x, y), fill));
            }
    return mark;
}

// How far the clear box stands out from the background beside it.
double boxEdgeContrast(const QImage& clear, const QRect& indicator) {
    const QColor background = clear.pixelColor(indicator.right() + 2, indicator.center().y());
    double best = 0;
    for (int y = indicator.top(); y <= indicator.bottom(); ++y)
        for (int x = indicator.left(); x <= indicator.right(); ++x)
            best = std::max(best, contrast(clear.pixelColor(x, y), background));
    return best;
}

TEST_F(LookTest, IndicatorsShowTheirMarkClearlyOnGreyFramesAsOnAPlainWindow) {
    const auto windows = everyWindow();
    // The clear box of a check box on a plain window is the measure of a visible box edge.
    auto* plain = child<QCheckBox>(windows[1].get(), "Check1");
    ASSERT_TRUE(plain);
    const QImage plainClear = indicatorIn(plain, Qt::Unchecked);
    const double plainEdge = boxEdgeContrast(plainClear, indicatorRect(plain) & plainClear.rect());
    int measured = 0;
    for (const auto& window : windows) {
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            if (!isIndicatorButton(b))
                continue;
            ++measured;
            const QImage clear = indicatorIn(b, Qt::Unchecked);
            const QImage ticked = indicatorIn(b, Qt::Checked);
            const QRect indicator = indicatorRect(b) & clear.rect();
            const Mark tick = markOf(ticked, clear, indicator);
            EXPECT_GT(tick.pixels, 0) << nameOf(b);
            EXPECT_GE(tick.contrast, 4.5) << nameOf(b) << ": the mark against its box";
            EXPECT_GE(boxEdgeContrast(clear, indicator), plainEdge - 0.01)
                << nameOf(b) << ": the clear box's edge";
            auto* threeState = qobject_cast<ValueCheckBox*>(b);
            if (!threeState)
                continue;
            // Greyed reads as neither: a mark of its own, plainly not the tick.
            const QImage greyed = indicatorIn(b, Qt::PartiallyChecked);
            EXPECT_GE(markOf(greyed, clear, indicator).contrast, 3.0)
                << nameOf(b) << ": greyed against clear";
            EXPECT_GE(markOf(greyed, ticked, indicator).pixels, tick.pixels / 2)
                << nameOf(b) << ": greyed against ticked";
        }
    }
    EXPECT_EQ(measured, 24 + 7 + 2) << "option buttons and check boxes of the buy box and the circular binds";
}

} // namespace
} // namespace vantrel::ui
