#include "ui/Backdrop.h"

#include "ui/Look.h"
#include "ui/MainLayout.h"
#include "ui/Text.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

namespace vantrel::ui {

namespace {

constexpr int edgeWidth = 2;
constexpr int titleMargin = 2; // space between a title and the ends of its gap
const QColor backgroundTop(48, 52, 40);
const QColor backgroundBottom(24, 26, 20);
const QColor bannerTop(70, 74, 50);
const QColor bannerBottom(36, 38, 26);

QRect boxPixels(const GroupBox& g) {
    return toPixels(Twips{g.left, g.top, g.right - g.left, g.bottom - g.top});
}

void drawTopEdge(QPainter& painter, const QRect& box, const std::vector<int>& gaps) {
    int from = box.left();
    for (size_t i = 0; i + 1 < gaps.size(); i += 2) {
        if (gaps[i] > from)
            painter.fillRect(QRect(from, box.top(), gaps[i] - from, edgeWidth), lightEdge);
        from = std::max(from, gaps[i + 1]);
    }
    if (box.right() + 1 > from)
        painter.fillRect(QRect(from, box.top(), box.right() + 1 - from, edgeWidth), lightEdge);
}

void drawBanner(QPainter& painter, const QRect& banner) {
    QLinearGradient shade(banner.topLeft(), banner.bottomLeft());
    shade.setColorAt(0, bannerTop);
    shade.setColorAt(1, bannerBottom);
    painter.fillRect(banner, shade);
    painter.setPen(darkEdge);
    painter.drawRect(banner.adjusted(0, 0, -1, -1));
    QFont font = windowFont();
    font.setBold(true);
    font.setPixelSize(banner.height() / 2);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    painter.setFont(font);
    painter.setPen(labelText);
    painter.drawText(banner, Qt::AlignCenter, QStringLiteral("VANTREL"));
    // Three light lines frame the banner where it breaks the keyboard group's top edge.
    painter.fillRect(QRect(banner.left() - edgeWidth, 0, edgeWidth, banner.bottom() + 1), lightEdge);
    painter.fillRect(QRect(banner.right() + 1, 0, edgeWidth, banner.bottom() + 1), lightEdge);
    painter.fillRect(
        QRect(banner.left() - edgeWidth, banner.bottom() + 1, banner.width() + 2 * edgeWidth, edgeWidth),
        lightEdge);
}

} // namespace

Backdrop::Backdrop(QWidget* parent) : QWidget(parent) {
    QFont titleFont = windowFont();
    titleFont.setBold(true);
    const QRect banner = toPixels(bannerRect);
    for (const GroupBox& group : groupBoxes) {
        Edge edge{boxPixels(group), {}};
        if (!group.title.empty()) {
            auto* title = new QLabel(toQt(group.title), this);
            title->setFont(titleFont);
            title->setStyleSheet(lightLabelStyle());
            title->adjustSize();
            title->move(toPixels(group.titleLeft), toPixels(group.titleTop));
            edge.gaps = {title->x() - titleMargin, title->geometry().right() + 1 + titleMargin};
        }
        if (group.title == keyboardGroup) {
            edge.gaps.push_back(banner.left() - edgeWidth);
            edge.gaps.push_back(banner.right() + 1 + edgeWidth);
        }
        edges_.push_back(std::move(edge));
    }
}

void Backdrop::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient shade(0, 0, width() / 3.0, height());
    shade.setColorAt(0, backgroundTop);
    shade.setColorAt(1, backgroundBottom);
    painter.fillRect(rect(), shade);

    for (const Edge& edge : edges_) {
        const QRect& b = edge.box;
        drawTopEdge(painter, b, edge.gaps);
        painter.fillRect(QRect(b.left(), b.top(), edgeWidth, b.height()), lightEdge);
        painter.fillRect(QRect(b.left(), b.bottom() + 1 - edgeWidth, b.width(), edgeWidth), darkEdge);
        painter.fillRect(QRect(b.right() + 1 - edgeWidth, b.top(), edgeWidth, b.height()), darkEdge);
    }
    drawBanner(painter, toPixels(bannerRect));
}

} // namespace vantrel::ui
