// The main window: the keyboard and mouse picture, the composer panel and the menus. It shows
// the editor's state and forwards the user's actions to the core.
#pragma once

#include "app/Editor.h"

#include <QMainWindow>

class QLabel;
class QPushButton;

namespace vantrel::ui {

class ComposerPanel;
class ControlMap;
class KeyboardPicture;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(Editor& editor, QWidget* parent = nullptr);

    // Shows everything from the core again: key colours, the selected key, cbind and the
    // composer. Windows and commands that change the core call it afterwards.
    void refresh();

  public Q_SLOTS:
    void menu_file_new_Click();
    void menu_file_open_Click();
    void menu_file_save_Click();
    void menu_file_saveas_Click();
    void menu_file_exit_Click();
    void menu_settings_slot10_Click();
    void menu_settings_bindorder_Click();
    void menu_settings_slot10_rcon_Click();
    void menu_key_copy_Click();
    void menu_key_paste_Click();
    void menu_help_help_Click();
    void menu_help_about_Click();

  private Q_SLOTS:
    void pictureButton_Click(const QString& name);
    void savetokey_Click();
    void clearkey_Click();
    void circularbind_Click();

  private:
    void buildMenus();
    void buildLabels(QWidget& surface, ControlMap& byName);
    void buildButtons(QWidget& surface, ControlMap& byName);

    Editor& editor_;
    KeyboardPicture* keyboard_ = nullptr;
    ComposerPanel* composer_ = nullptr;
    QLabel* ckeybox_ = nullptr;
    QPushButton* circularbind_ = nullptr;
};

} // namespace vantrel::ui
