#include "compose/Composer.h"

namespace vantrel {

// Provisional: the full composer replaces these.
void composebind(Editor& editor) {
    const BindParts& p = editor.parts;
    editor.cbind = p.scbindp + p.scbindpa + p.scbindg + p.scbindga + p.scbindarm + p.scbindhe + p.scbindsm +
                   p.scbindfl1 + p.scbindfl2 + p.scbindde + p.scbindnv + p.sradio + p.smessage + p.srconsay;
}

void selectPistol(Editor& editor, Pistol pistol) {
    editor.controls.pistol = pistol;
    composebind(editor);
}

void selectGun(Editor& editor, Gun gun) {
    editor.controls.gun = gun;
    composebind(editor);
}

void selectArmour(Editor& editor, Armour armour) {
    editor.controls.armour = armour;
    composebind(editor);
}

void setEquipment(Editor& editor, Equipment, bool) { composebind(editor); }

void pacombo_Click(Editor& editor, const std::string& item) {
    editor.controls.pacombo = item;
    composebind(editor);
}

void gacombo_Click(Editor& editor, const std::string& item) {
    editor.controls.gacombo = item;
    composebind(editor);
}

void radio_Click(Editor& editor, const std::string& item) {
    editor.controls.radio = item;
    composebind(editor);
}

void saybox_Change(Editor& editor, const std::string& text) {
    editor.controls.saybox = text;
    composebind(editor);
}

void teamsay_Click(Editor& editor, bool ticked) {
    editor.controls.teamsay = ticked;
    composebind(editor);
}

void rconsaybox_Change(Editor& editor, const std::string& text) {
    editor.controls.rconsaybox = text;
    composebind(editor);
}

void deletesay_Click(Editor& editor) { saybox_Change(editor, ""); }
void deleterconsay_Click(Editor& editor) { rconsaybox_Change(editor, ""); }

void composerReset(Editor& editor) {
    editor.cbind.clear();
    editor.parts = {};
}

} // namespace vantrel
