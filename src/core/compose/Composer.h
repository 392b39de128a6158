// The composer's control handlers: each sets one control value and its part, then composebind.
// The program's own changes go through the same functions as the user's; a value that leaves its
// control as it was runs no handler, whoever gives it.
#pragma once

#include "app/Editor.h"
#include "compose/BuyOptions.h"

#include <string>

namespace vantrel {

// Refreshes the ammunition and radio parts from their lists, then joins the 14 bind parts into
// cbind in the order BindOrder names (ignoring case); a BindOrder naming no order leaves cbind as is.
void composebind(Editor& editor);

// The option buttons of the pistol, gun and armour groups (nopistol_Click ... bestarm_Click).
void selectPistol(Editor& editor, Pistol pistol);
void selectGun(Editor& editor, Gun gun);
void selectArmour(Editor& editor, Armour armour);
// The six equipment check boxes (hegren_Click ... nvision_Click).
void setEquipment(Editor& editor, Equipment box, bool ticked);
void pacombo_Click(Editor& editor, const std::string& item);
void gacombo_Click(Editor& editor, const std::string& item);
void radio_Click(Editor& editor, const std::string& item);
void saybox_Change(Editor& editor, const std::string& text);
void teamsay_Click(Editor& editor, bool ticked);
void rconsaybox_Change(Editor& editor, const std::string& text);
void deletesay_Click(Editor& editor);
void deleterconsay_Click(Editor& editor);

// Empties the 11 buy parts and returns every composer control to its default through its handler.
// cbind is not emptied first: it ends holding whatever the last handler composed.
void resetComposerButNotCbind(Editor& editor);
// The composer reset: empties cbind, then returns the parts and every composer control to their
// defaults as above.
void resetComposerAndCbind(Editor& editor);

} // namespace vantrel
