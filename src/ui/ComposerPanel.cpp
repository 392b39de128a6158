#include "ui/ComposerPanel.h"

#include "compose/RadioCommands.h"
#include "ui/Look.h"
#include "ui/ShowValue.h"
#include "ui/Text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <limits>

namespace vantrel::ui {

namespace {

constexpr int singleRowHeight = 255; // twips; a taller option carries its caption on a label

// The caption of an option button whose text runs over two lines; a click on it clicks the option.
class OptionCaption : public QLabel {
  public:
    OptionCaption(const QString& text, QAbstractButton& option, QWidget* parent)
        : QLabel(text, parent), option_(option) {
        setWordWrap(true);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            option_.click();
    }

  private:
    QAbstractButton& option_;
};

QStringList itemsOf(ListItems items) {
    QStringList out;
    if (items == ListItems::Ammunition) {
        for (std::string_view item : ammoItems)
            out << toQt(item);
    } else {
        for (const RadioCommand& row : radioCommandTable)
            out << toQt(row.name);
    }
    return out;
}

// A one-line text box without a length limit of its own: a line edit would otherwise cut a long
// bind read from a file at 32767 characters, and the cut text would be written back on the next key.
QLineEdit* textBox(QWidget& surface) {
    auto* box = new QLineEdit(&surface);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

} // namespace

ComposerPanel::ComposerPanel(Editor& editor, QWidget& surface) : QObject(&surface), editor_(editor) {
    buildCurrentBind(surface);
    for (const Container& spec : composerContainers) {
        auto* box = new QWidget(&surface);
        box->setObjectName(toQt(spec.name));
        box->setPalette(greyControlPalette(box->palette()));
        box->setAutoFillBackground(true);
        box->setGeometry(toPixels(spec.rect));
        containers_.add(spec.name, *box);
    }
    for (const Filler& spec : composerFillers) {
        auto* filler = new QLabel(&container(spec.container));
        filler->setObjectName(toQt(spec.name));
        filler->setGeometry(toPixels(spec.rect));
    }
    buildOptionGroup(pistolGroup);
    buildOptionGroup(gunGroup);
    buildOptionGroup(armourGroup);
    buildCheckBoxes();
    buildLists(surface);
    buildTextBoxes(surface);
    buildButtons(surface);
    refresh();
}

QWidget& ComposerPanel::container(std::string_view name) {
    return containers_.at<QWidget>(name);
}

void ComposerPanel::change(const std::function<void(Editor&)>& handler) {
    handler(editor_);
    refresh();
}

void ComposerPanel::refresh() {
    for (const auto& refresher : refreshers_)
        refresher();
}

template <typename E> void ComposerPanel::buildOptionGroup(const OptionGroup<E>& group) {
    QWidget& parent = container(group.container);
    auto* buttons = new QButtonGroup(&parent);
    std::vector<std::pair<QRadioButton*, E>> options;
    for (const OptionButton<E>& spec : group.options) {
        auto* option = new QRadioButton(&parent);
        option->setObjectName(toQt(spec.name));
        option->setGeometry(toPixels(spec.rect));
        if (spec.rect.height > singleRowHeight) {
            const int indent =
                option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
                option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
            option->setAccessibleName(toQt(spec.caption));
            auto* caption = new OptionCaption(toQt(spec.caption), *option, &parent);
            caption->setObjectName(option->objectName() + QStringLiteral("caption"));
            caption->setGeometry(option->geometry().adjusted(indent, 0, 0, 0));
        } else {
            option->setText(toQt(spec.caption));
        }
        buttons->addButton(option);
        const E value = spec.value;
        connect(option, &QRadioButton::clicked, this,
                [this, value, group] { change([&](Editor& editor) { group.select(editor, value); }); });
        options.emplace_back(option, value);
    }
    refreshers_.push_back([this, options, field = group.value] {
        for (const auto& [option, value] : options)
            showChecked(*option, value == editor_.controls.*field);
    });
}

void ComposerPanel::buildCheckBoxes() {
    for (const CheckBox& spec : composerCheckBoxes) {
        auto* box = new QCheckBox(toQt(spec.caption), &container(spec.container));
        box->setObjectName(toQt(spec.name));
        box->setGeometry(toPixels(spec.rect));
        connect(box, &QCheckBox::clicked, this, [this, set = spec.set](bool ticked) {
            change([&](Editor& editor) { set(editor, ticked); });
        });
        refreshers_.push_back(
            [this, box, field = spec.value] { showChecked(*box, editor_.controls.*field); });
    }
}

void ComposerPanel::buildLists(QWidget& surface) {
    for (const DropDownList& spec : composerLists) {
        auto* list = new QComboBox(&surface);
        list->setObjectName(toQt(spec.name));
        list->addItems(itemsOf(spec.items));
        list->setGeometry(toPixels(spec.rect));
        connect(list, &QComboBox::textActivated, this, [this, choose = spec.choose](const QString& picked) {
            change([&](Editor& editor) { choose(editor, fromQt(picked)); });
        });
        refreshers_.push_back([this, list, field = spec.value] { showItem(*list, editor_.controls.*field); });
    }
}

void ComposerPanel::buildTextBoxes(QWidget& surface) {
    for (const TextBox& spec : composerTextBoxes) {
        auto* box = textBox(surface);
        box->setObjectName(toQt(spec.name));
        box->setGeometry(toPixels(spec.rect));
        connect(box, &QLineEdit::textEdited, this, [this, handler = spec.change](const QString& text) {
            const std::string typed = fromQt(text);
            change([&](Editor& editor) { handler(editor, typed); });
        });
        refreshers_.push_back([this, box, field = spec.value] { showText(*box, editor_.controls.*field); });
    }
}

void ComposerPanel::buildButtons(QWidget& surface) {
    for (const ComposerButton& spec : composerButtons) {
        auto* button = new QPushButton(toQt(spec.caption), &surface);
        button->setObjectName(toQt(spec.name));
        button->setAutoDefault(false);
        button->setGeometry(toPixels(spec.rect));
        connect(button, &QPushButton::clicked, this, [this, click = spec.click] { change(click); });
    }
}

void ComposerPanel::buildCurrentBind(QWidget& surface) {
    auto* cbind = textBox(surface);
    cbind->setObjectName(QStringLiteral("cbind"));
    cbind->setGeometry(toPixels(cbindRect));
    // Typing here changes only the text: no handler runs.
    connect(cbind, &QLineEdit::textEdited, this,
            [this](const QString& text) { editor_.cbind = fromQt(text); });
    refreshers_.push_back([this, cbind] { showText(*cbind, editor_.cbind); });
}

} // namespace vantrel::ui
