// The composer's widgets and the current-bind box, bound to the core: a user change runs the
// control's core handler, then every composer widget and cbind is refreshed from the core.
#pragma once

#include "app/Editor.h"
#include "ui/ComposerLayout.h"
#include "ui/ControlMap.h"

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

namespace vantrel::ui {

class ComposerPanel : public QObject {
    Q_OBJECT
  public:
    // Builds the widgets on `surface`, the main window's client area.
    ComposerPanel(Editor& editor, QWidget& surface);

    // Shows the core's composer values and cbind; a widget that already shows its value is left
    // alone, and no handler runs.
    void refresh();

  private:
    template <typename E> void buildOptionGroup(const OptionGroup<E>& group);
    void buildCheckBoxes();
    void buildLists(QWidget& surface);
    void buildTextBoxes(QWidget& surface);
    void buildButtons(QWidget& surface);
    void buildCurrentBind(QWidget& surface);
    QWidget& container(std::string_view name);
    // Runs a user's change through the core, then shows the result.
    void change(const std::function<void(Editor&)>& handler);

    Editor& editor_;
    ControlMap containers_;
    std::vector<std::function<void()>> refreshers_;
};

} // namespace vantrel::ui
