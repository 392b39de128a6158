#include "ui/CircularWindow.h"

#include "circular/LookupKeyName.h"
#include "circular/Templates.h"
#include "ui/CircularWindowLayout.h"
#include "ui/Text.h"
#include "ui/ValueCheckBox.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <map>

namespace vantrel::ui {

namespace {

QRect pixels(const ControlSpec& spec) {
    return {spec.left / kTwipsPerPixel, spec.top / kTwipsPerPixel, spec.width / kTwipsPerPixel,
            spec.height / kTwipsPerPixel};
}

QWidget* makeControl(const ControlSpec& spec, QWidget* parent) {
    const QString caption = toQt(spec.caption);
    switch (spec.kind) {
    case ControlKind::Label:
        return new QLabel(caption, parent);
    case ControlKind::BoldLabel: {
        auto* label = new QLabel(caption, parent);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        return label;
    }
    case ControlKind::TextBox:
        return new QLineEdit(parent);
    case ControlKind::Frame:
        return new QGroupBox(caption, parent);
    case ControlKind::CheckBox: {
        auto* box = new ValueCheckBox(caption, parent);
        box->setTristate(true);
        return box;
    }
    case ControlKind::EditableCombo: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        // Typed text is checked against the list as typed: nothing may complete or insert it.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        return combo;
    }
    case ControlKind::ListCombo:
        return new QComboBox(parent);
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    }
    return nullptr;
}

bool takesFocus(ControlKind kind) {
    return kind != ControlKind::Label && kind != ControlKind::BoldLabel && kind != ControlKind::Frame;
}

template <typename T> void setIfDifferent(T* widget, bool enabled, bool visible = true) {
    if (widget->isEnabled() != enabled)
        widget->setEnabled(enabled);
    if (widget->isVisibleTo(widget->parentWidget()) != visible)
        widget->setVisible(visible);
}

void showText(QComboBox* combo, const std::string& text) {
    if (fromQt(combo->currentText()) != text)
        combo->setEditText(toQt(text));
}

} // namespace

CircularWindow::CircularWindow(Editor& editor, QWidget* parent) : QDialog(parent), model_(editor) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Circular binds"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);
    buildControls();
    connectControls();
    model_.Form_Load();
    refresh();
}

void CircularWindow::buildControls() {
    std::map<int, QWidget*> byTabIndex;
    for (const ControlSpec& spec : circularWindowControls) {
        QWidget* parent = spec.parent.empty() ? this : findChild<QWidget*>(toQt(spec.parent));
        QWidget* control = makeControl(spec, parent);
        control->setObjectName(toQt(spec.name));
        control->setGeometry(pixels(spec));
        if (takesFocus(spec.kind))
            byTabIndex[spec.tabIndex] = control;
    }
    for (const auto& [index, control] : byTabIndex) {
        // Focus moves only where the input checks have been asked first (see eventFilter).
        control->setFocusPolicy(Qt::TabFocus);
        for (QWidget* inner : control->findChildren<QWidget*>())
            if (inner->focusPolicy() != Qt::NoFocus)
                inner->setFocusPolicy(Qt::TabFocus);
        control->installEventFilter(this);
        for (QWidget* inner : control->findChildren<QWidget*>())
            inner->installEventFilter(this);
        if (!tabOrder_.isEmpty())
            setTabOrder(tabOrder_.back(), control);
        tabOrder_.append(control);
    }

    for (size_t k = 0; k < text_.size(); ++k)
        text_[k] = findChild<QLineEdit*>(QStringLiteral("Text%1").arg(k + 1));
    check1_ = findChild<ValueCheckBox*>(QStringLiteral("Check1"));
    check2_ = findChild<ValueCheckBox*>(QStringLiteral("Check2"));
    combo1_ = findChild<QComboBox*>(QStringLiteral("Combo1"));
    combo2_ = findChild<QComboBox*>(QStringLiteral("Combo2"));
    combo3_ = findChild<QComboBox*>(QStringLiteral("Combo3"));
    help_ = findChild<QPushButton*>(QStringLiteral("Command4"));
    clearAll_ = findChild<QPushButton*>(QStringLiteral("Command2"));
    close_ = findChild<QPushButton*>(QStringLiteral("Command1"));
    save_ = findChild<QPushButton*>(QStringLiteral("Command3"));
    reverselabel_ = findChild<QLabel*>(QStringLiteral("reverselabel"));

    for (const CircularTemplate& t : circularTemplates)
        combo1_->addItem(toQt(t.name));
    combo1_->setCurrentIndex(-1);
    for (const std::string& name : reverseKeyNames())
        combo2_->addItem(toQt(name));
    for (int start = 1; start <= static_cast<int>(kMaxCircularBinds); ++start)
        combo3_->addItem(QString::number(start));
}

void CircularWindow::connectControls() {
    for (size_t k = 0; k < text_.size(); ++k)
        connect(text_[k], &QLineEdit::textEdited, this,
                [this, k](const QString& text) { model_.setText(static_cast<int>(k + 1), fromQt(text)); });
    connect(combo2_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { model_.setCombo2(fromQt(text)); });
    connect(combo3_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { model_.setCombo3(fromQt(text)); });
    connect(check1_, &QCheckBox::clicked, this, [this] {
        model_.setCheck1(check1_->value());
        refresh();
    });
    connect(check2_, &QCheckBox::clicked, this, [this] {
        model_.setCheck2(check2_->value());
        refresh();
    });
    connect(combo1_, &QComboBox::textActivated, this, [this](const QString& item) {
        model_.Combo1_Click(fromQt(item));
        refresh();
    });
    connect(help_, &QPushButton::clicked, this, [this] {
        model_.Command4_Click();
        refresh();
    });
    connect(clearAll_, &QPushButton::clicked, this, [this] {
        model_.Command2_Click();
        refresh();
    });
    connect(close_, &QPushButton::clicked, this, [this] {
        model_.Command1_Click();
        closeWhenDone();
    });
    connect(save_, &QPushButton::clicked, this, [this] {
        model_.Command3_Click();
        closeWhenDone();
    });
}

void CircularWindow::refresh() {
    const Form6Controls& c = model_.controls();
    const QSignalBlocker blockers[] = {QSignalBlocker(check1_), QSignalBlocker(check2_),
                                       QSignalBlocker(combo1_), QSignalBlocker(combo2_),
                                       QSignalBlocker(combo3_)};
    for (size_t k = 0; k < text_.size(); ++k) {
        const QSignalBlocker blocker(text_[k]);
        if (fromQt(text_[k]->text()) != c.Text[k]) {
            text_[k]->setText(toQt(c.Text[k]));
            text_[k]->setCursorPosition(0); // a text given by the program is shown from its start
        }
        setIfDifferent(text_[k], c.textEnabled);
    }
    check1_->setValue(c.Check1);
    check2_->setValue(c.Check2);
    const int chosen = combo1_->findText(toQt(c.Combo1));
    if (combo1_->currentIndex() != chosen)
        combo1_->setCurrentIndex(chosen);
    showText(combo2_, c.Combo2);
    showText(combo3_, c.Combo3);
    setIfDifferent(combo1_, c.combo1Enabled);
    setIfDifferent(combo2_, c.combo2Enabled);
    setIfDifferent(combo3_, c.combo3Enabled);
    setIfDifferent(clearAll_, c.clearAllEnabled);
    setIfDifferent(save_, true, c.saveVisible);
    setIfDifferent(reverselabel_, true, c.reverselabelVisible);
}

void CircularWindow::closeWhenDone() {
    if (model_.closed())
        done(QDialog::Accepted);
}

void CircularWindow::keyPressEvent(QKeyEvent* event) {
    // The window has no cancel button: Esc does nothing.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CircularWindow::closeEvent(QCloseEvent* event) {
    if (!model_.closed())
        model_.Command1_Click();
    QDialog::closeEvent(event);
}

} // namespace vantrel::ui
