// The help window (Form3): the built-in help document with Search, Find next and the jump to the
// section the editor names.
#pragma once

#include "settings/HelpSearch.h"
#include "ui/DialogTable.h"

#include <QTimer>

class QLineEdit;
class QTextBrowser;

namespace vantrel::ui {

// The help document as shipped with the program (rich text).
QString helpDocument();

class HelpWindow : public FixedDialog {
    Q_OBJECT
  public:
    HelpWindow(Editor& editor, QWidget* parent);

  private:
    void readView();
    void refresh();

    Editor& editor_;
    HelpSearch model_;
    QTextBrowser* rtb1_;
    QLineEdit* searchtextbox_;
    QTimer timer1_;
};

// Shows the help window modally over `opener`, centred on the main window.
void showHelpWindow(Editor& editor, QWidget* opener, const QWidget& mainWindow);

} // namespace vantrel::ui
