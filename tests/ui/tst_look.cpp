// What the player reads in every window, measured on the rendered widgets: each caption fits its
// control in the font it is drawn in, no control lies over another's caption, and the option
// buttons and check boxes show their whole indicators and their marks clearly, on the grey frames
// as on a plain window.
#include "EditorFixture.h"
#include "UiTestSupport.h"
#include "ui/Geometry.h"
#include "ui/MainLayout.h"
#include "ui/MainWindow.h"
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
#include <cmath>

namespace vantrel::ui {
namespace {

using vantrel::testing::child;

// A frame's top edge shows at least this far on each side of its caption.
constexpr int minEdgeRun = 6;

// WCAG 2 contrast ratio of two colours' relative luminances.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double s) {
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string nameOf(const QWidget* w) {
    const QString caption = w->property(qobject_cast<const QGroupBox*>(w) ? "title" : "text").toString();
    return QStringLiteral("%1/%2 \"%3\"")
        .arg(w->window()->objectName(), w->objectName(), caption)
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

// A caption and where it must stay, in window coordinates.
struct Caption {
    const QWidget* control;
    QRect ink;   // what must stay clear: a caption (and its indicator), or a box's whole face
    QRect text;  // the caption's text as laid out in its space
    QRect space; // where the text must fit; empty for controls without a caption of their own
};

std::vector<Caption> captionsOf(const QWidget* window) {
    std::vector<Caption> out;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!isControl(w, window))
            continue;
        const QPoint at = w->mapTo(window, QPoint());
        const auto add = [&](QRect ink, QRect text = {}, QRect space = {}) {
            out.push_back({w, ink.translated(at), text.translated(at), space.translated(at)});
        };
        const QFontMetrics fm = w->fontMetrics();
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty())
                continue;
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect text = fm.boundingRect(label->contentsRect(), flags, label->text());
            add(text, text, label->contentsRect());
        } else if (isIndicatorButton(w)) {
            const auto* b = static_cast<const QAbstractButton*>(w);
            const QRect area = partOf(b, false);
            const QRect text = fm.boundingRect(area, Qt::AlignLeft | Qt::AlignVCenter, b->text());
            if (b->text().isEmpty()) // its caption is a label beside it
                add(partOf(b, true));
            else
                add(partOf(b, true) | text, text, area);
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            // The caption stands on the top edge with some edge showing on both sides of it.
            const QRect title = groupBoxTitle(box);
            const QRect text = fm.boundingRect(title, Qt::AlignCenter, box->title());
            add(text, text, QRect(minEdgeRun, 0, box->width() - 2 * minEdgeRun, title.height()));
        } else if (const auto* b = qobject_cast<const QPushButton*>(w)) {
            // Picture keys share their edges and "#" lies in Enter's corner: a button's caption is
            // what must stay clear.
            add(fm.boundingRect(w->rect().adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextWordWrap,
                                b->text()));
        } else if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
                   qobject_cast<const QAbstractScrollArea*>(w)) {
            add(w->rect().adjusted(1, 1, -1, -1));
        }
    }
    return out;
}

// The main window's group boxes are drawn by its backdrop, their captions are its labels.
void expectBackdropFramesShowTheirEdge(const QWidget* client) {
    const QList<QLabel*> labels = client->findChildren<QLabel*>();
    for (const GroupBox& group : groupBoxes) {
        if (group.title.empty())
            continue;
        const QRect box =
            toPixels(Twips{group.left, group.top, group.right - group.left, group.bottom - group.top});
        const auto title = std::find_if(labels.begin(), labels.end(), [&](const QLabel* label) {
            return label->text() == toQt(group.title);
        });
        ASSERT_NE(title, labels.end()) << group.title;
        EXPECT_GE((*title)->x() - box.left(), minEdgeRun) << group.title;
        EXPECT_GE(box.right() - (*title)->geometry().right(), minEdgeRun) << group.title;
    }
}

class LookTest : public vantrel::testing::EditorTest {
  protected:
    void TearDown() override { vantrel::testing::expectNoWindowsLeft(); }
};

TEST_F(LookTest, EveryCaptionFitsItsControlAndNoControlCoversAnother) {
    const auto windows = vantrel::testing::everyWindow(editor);
    for (const auto& window : windows) {
        const auto* main = qobject_cast<const MainWindow*>(window.get());
        const QWidget* surface = main ? main->centralWidget() : window.get();
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
        for (const QAbstractButton* b : surface->findChildren<QAbstractButton*>()) {
            if (isIndicatorButton(b)) {
                EXPECT_TRUE(b->rect().contains(partOf(b, true))) << nameOf(b) << " cuts off its indicator";
            }
        }
        if (main)
            expectBackdropFramesShowTheirEdge(surface);
    }
}

// The indicator as drawn in one state, grabbed with the background its parent paints. An option
// button's group stops being exclusive, so that each of its buttons can be cleared on its own.
QImage indicatorIn(QAbstractButton* b, Qt::CheckState state) {
    const QSignalBlocker blocker(b);
    if (b->group())
        b->group()->setExclusive(false);
    if (auto* box = qobject_cast<QCheckBox*>(b))
        box->setCheckState(state);
    else
        b->setChecked(state == Qt::Checked);
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
            if (shown.pixel(x, y) != clear.pixel(x, y))
                mark = {mark.pixels + 1, std::max(mark.contrast, contrast(shown.pixelColor(x, y), fill))};
    return mark;
}

// How far the clear box stands out from the background beside it.
double boxEdgeContrast(const QImage& clear, const QRect& indicator) {
    QImage background(clear.size(), clear.format());
    background.fill(clear.pixelColor(indicator.right() + 2, indicator.center().y()));
    return markOf(clear, background, indicator).contrast;
}

TEST_F(LookTest, IndicatorsShowTheirMarkClearlyOnGreyFramesAsOnAPlainWindow) {
    const auto windows = vantrel::testing::everyWindow(editor);
    // The clear box of a check box on the plain circular-bind window is the measure of a visible edge.
    auto* plain = child<QCheckBox>(windows[1].get(), "Check1");
    ASSERT_TRUE(plain);
    const QImage plainClear = indicatorIn(plain, Qt::Unchecked);
    const double plainEdge = boxEdgeContrast(plainClear, partOf(plain, true) & plainClear.rect());
    int measured = 0;
    for (const auto& window : windows) {
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            if (!isIndicatorButton(b))
                continue;
            ++measured;
            const QImage clear = indicatorIn(b, Qt::Unchecked);
            const QImage ticked = indicatorIn(b, Qt::Checked);
            const QRect indicator = partOf(b, true) & clear.rect();
            const Mark tick = markOf(ticked, clear, indicator);
            EXPECT_GT(tick.pixels, 0) << nameOf(b);
            EXPECT_GE(tick.contrast, 4.5) << nameOf(b) << ": the mark against its box";
            EXPECT_GE(boxEdgeContrast(clear, indicator), plainEdge - 0.01)
                << nameOf(b) << ": the clear box's edge";
            if (!qobject_cast<ValueCheckBox*>(b))
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
