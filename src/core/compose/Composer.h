// The composer's control handlers: each sets one control value and its part, then composebind.
// The program's own changes go through the same functions as the user's.
#pragma once

#include "app/Editor.h"

#include <string>

namespace vantrel {

enum class Equipment { HeGren, SmokeGren, Fbang1, Fbang2, Defuser, NVision };

// Joins the 14 bind parts into cbind in the order BindOrder names.
void composebind(Editor& editor);

void selectPistol(Editor& editor, Pistol pistol);
void selectGun(Editor& editor, Gun gun);
void selectArmour(Editor& editor, Armour armour);
void setEquipment(Editor& editor, Equipment box, bool ticked);
void pacombo_Click(Editor& editor, const std::string& item);
void gacombo_Click(Editor& editor, const std::string& item);
void radio_Click(Editor& editor, const std::string& item);
void saybox_Change(Editor& editor, const std::string& text);
void teamsay_Click(Editor& editor, bool ticked);
void rconsaybox_Change(Editor& editor, const std::string& text);
void deletesay_Click(Editor& editor);
void deleterconsay_Click(Editor& editor);

// Returns cbind, the parts and every composer control to their defaults.
void composerReset(Editor& editor);

} // namespace vantrel
