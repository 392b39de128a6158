// The composer's control handlers: each sets one control value and its part, then composebind.
// The program's own changes go through the same functions as the user's.
#pragma once

#include "app/Editor.h"

#include <string>

namespace vantrel {

// Joins the 14 bind parts into cbind in the order BindOrder names.
void composebind(Editor& editor);

void selectPistol(Editor& editor, Pistol pistol);
void selectGun(Editor& editor, Gun gun);
void selectArmour(Editor& editor, Armour armour);
void pacombo_Click(Editor& editor, const std::string& item);
void gacombo_Click(Editor& editor, const std::string& item);
void radio_Click(Editor& editor, const std::string& item);

} // namespace vantrel
