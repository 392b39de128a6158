#include "ui/DialogTable.h"

#include "ui/CaptionButton.h"
#include "ui/Geometry.h"
#include "ui/Look.h"
#include "ui/ValueCheckBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <algorithm>
#include <limits>
#include <vector>

namespace vantrel::ui {

namespace {

// The caption sits on the top edge, as the layouts expect; the style would otherwise draw the
// edge under a caption line, where a control placed just below the caption covers it.
constexpr const char* frameStyle =
    "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }";

QWidget* makeControl(const ControlSpec& spec, QWidget* parent) {
    const QString caption = QString::fromLatin1(spec.caption);
    switch (spec.kind) {
    case ControlKind::Label:
    case ControlKind::CentredLabel: {
        auto* label = new QLabel(caption, parent);
        label->setWordWrap(true);
        label->setAlignment(spec.kind == ControlKind::Label ? Qt::AlignLeft | Qt::AlignTop
                                                            : Qt::AlignHCenter | Qt::AlignTop);
        label->setAutoFillBackground(true);
        return label;
    }
    case ControlKind::Button: {
        auto* button = new CaptionButton(caption, parent); // a caption too wide wraps, as command buttons do
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(caption, parent);
        // No length limit of its own: a line edit would cut a longer text read from a file, and
        // an edit would then store the cut text.
        box->setMaxLength(std::numeric_limits<int>::max());
        return box;
    }
    case ControlKind::DropDownList:
        return new QComboBox(parent);
    case ControlKind::DropDownCombo: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        // The typed text is read as it stands: nothing is added to the list or completed.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->setEditText(caption);
        return combo;
    }
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(caption, parent);
        frame->setStyleSheet(QString::fromLatin1(frameStyle));
        return frame;
    }
    case ControlKind::RichText:
        return new QTextBrowser(parent);
    case ControlKind::CheckBox: {
        auto* box = new ValueCheckBox(caption, parent);
        box->setTristate(true);
        return box;
    }
    }
    return nullptr;
}

} // namespace

bool takesFocus(ControlKind kind) {
    return kind != ControlKind::Label && kind != ControlKind::CentredLabel && kind != ControlKind::Frame;
}

void buildControls(QWidget* window, std::span<const ControlSpec> table) {
    std::vector<std::pair<int, QWidget*>> focusOrder;
    for (const ControlSpec& spec : table) {
        QWidget* parent =
            spec.parent ? window->findChild<QWidget*>(QString::fromLatin1(spec.parent)) : window;
        QWidget* control = makeControl(spec, parent ? parent : window);
        // A frame's style sheet stops the window's font reaching the controls made inside it.
        if (parent)
            control->setFont(parent->font());
        control->setObjectName(QString::fromLatin1(spec.name));
        control->setGeometry(toPixels(Twips{spec.left, spec.top, spec.width, spec.height}));
        if (takesFocus(spec.kind))
            focusOrder.emplace_back(spec.tab, control);
    }
    std::sort(focusOrder.begin(), focusOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    if (!focusOrder.empty())
        focusOrder.front().second->setFocus();
}

FixedDialog::FixedDialog(QWidget* parent, const char* name, const char* caption, int widthTwips,
                         int heightTwips)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QString::fromLatin1(caption));
    setFixedSize(toPixels(widthTwips), toPixels(heightTwips));
    setFont(windowFont());
    setModal(true);
}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // No button is a default button, but Enter still presses the button that has the focus.
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (focused && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        focused->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void centreOn(QWidget& dialog, const QWidget& window) {
    const QRect frame = window.frameGeometry();
    dialog.move(frame.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
}

void showComboText(QComboBox& combo, const QString& text) {
    const int item = combo.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (combo.currentIndex() == item && combo.currentText() == text)
        return;
    combo.setCurrentIndex(item);
    if (combo.currentText() != text)
        combo.setEditText(text);
}

} // namespace vantrel::ui
