#include "ui/CircularWindow.h"

#include "circular/LookupKeyName.h"
#include "circular/Templates.h"
#include "ui/CircularWindowLayout.h"
#include "ui/Look.h"
#include "ui/ShowValue.h"
#include "ui/Text.h"
#include "ui/ValueCheckBox.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <map>
#include <string>

namespace vantrel::ui {

namespace {

template <typename T> void setIfDifferent(T* widget, bool enabled, bool visible = true) {
    if (widget->isEnabled() != enabled)
        widget->setEnabled(enabled);
    if (widget->isVisibleTo(widget->parentWidget()) != visible)
        widget->setVisible(visible);
}

} // namespace

CircularWindow::CircularWindow(Editor& editor, QWidget* parent)
    : FixedDialog(parent, "Form6", "Circular binds", form6Width, form6Height), model_(editor) {
    setFont(windowFont()); // the captions are measured for a narrow font
    buildControls();
    connectControls();
    model_.Form_Load();
    refresh();
    // The focus starts on the first control that can take it: Close in the locked reverse view.
    for (QWidget* control : std::as_const(tabOrder_)) {
        if (control->isEnabled() && control->isVisibleTo(this)) {
            control->setFocus();
            break;
        }
    }
}

void CircularWindow::buildControls() {
    const ControlMap byName = ui::buildControls(this, circularWindowControls);
    std::map<int, QWidget*> byTab;
    for (const ControlSpec& spec : circularWindowControls)
        if (takesFocus(spec.kind))
            byTab[spec.tab] = &byName.at<QWidget>(spec.name);
    for (const auto& [tab, control] : byTab) {
        // Focus moves only where the input checks have been asked first (see eventFilter).
        control->setFocusPolicy(Qt::TabFocus);
        control->installEventFilter(this);
        for (QWidget* inner : control->findChildren<QWidget*>()) {
            if (inner->focusPolicy() != Qt::NoFocus)
                inner->setFocusPolicy(Qt::TabFocus);
            inner->installEventFilter(this);
        }
        tabOrder_.append(control);
    }

    for (size_t k = 0; k < text_.size(); ++k)
        text_[k] = &byName.at<QLineEdit>("Text" + std::to_string(k + 1));
    check1_ = &byName.at<ValueCheckBox>("Check1");
    check2_ = &byName.at<ValueCheckBox>("Check2");
    combo1_ = &byName.at<QComboBox>("Combo1");
    combo2_ = &byName.at<QComboBox>("Combo2");
    combo3_ = &byName.at<QComboBox>("Combo3");
    help_ = &byName.at<QPushButton>("Command4");
    clearAll_ = &byName.at<QPushButton>("Command2");
    close_ = &byName.at<QPushButton>("Command1");
    save_ = &byName.at<QPushButton>("Command3");
    reverselabel_ = &byName.at<QLabel>("reverselabel");
    QFont bold = reverselabel_->font();
    bold.setBold(true);
    reverselabel_->setFont(bold);
    // Captions that do not fit are cut at the label's edge, never wrapped out of sight.
    for (QLabel* label : findChildren<QLabel*>())
        label->setWordWrap(false);

    for (const CircularTemplate& t : circularTemplates)
        combo1_->addItem(toQt(t.name));
    combo1_->setCurrentIndex(-1);
    for (const std::string& name : reverseKeyNames())
        combo2_->addItem(toQt(name));
    for (int start = 1; start <= static_cast<int>(maxCircularBinds); ++start)
        combo3_->addItem(QString::number(start));
}

void CircularWindow::connectControls() {
    for (size_t k = 0; k < text_.size(); ++k)
        connect(text_[k], &QLineEdit::textEdited, this,
                [this, k](const QString& text) { model_.setText(static_cast<int>(k + 1), fromQt(text)); });
    onUserText(*combo2_, *this, [this](const QString& text) { model_.setCombo2(fromQt(text)); });
    onUserText(*combo3_, *this, [this](const QString& text) { model_.setCombo3(fromQt(text)); });
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
    for (size_t k = 0; k < text_.size(); ++k) {
        showText(*text_[k], c.Text[k]);
        setIfDifferent(text_[k], c.textEnabled);
    }
    showValue(*check1_, c.Check1);
    showValue(*check2_, c.Check2);
    showItem(*combo1_, c.Combo1);
    showEditText(*combo2_, c.Combo2);
    showEditText(*combo3_, c.Combo3);
    setIfDifferent(combo1_, c.combo1Enabled);
    setIfDifferent(combo2_, c.combo2Enabled);
    setIfDifferent(combo3_, c.combo3Enabled);
    setIfDifferent(clearAll_, c.clearAllEnabled);
    setIfDifferent(save_, true, c.saveVisible);
    setIfDifferent(reverselabel_, true, c.reverselabelVisible);
}

void CircularWindow::setVisible(bool visible) {
    FixedDialog::setVisible(visible);
    // Showing gives the first box the focus as if by Tab, which selects its text and scrolls to
    // its end; the binds are shown from their start instead.
    if (visible) {
        for (QLineEdit* box : text_) {
            box->deselect();
            box->setCursorPosition(0);
        }
    }
}

void CircularWindow::closeWhenDone() {
    if (model_.closed())
        done(QDialog::Accepted);
}

void CircularWindow::closeEvent(QCloseEvent* event) {
    if (!model_.closed())
        model_.Command1_Click();
    QDialog::closeEvent(event);
}

} // namespace vantrel::ui
