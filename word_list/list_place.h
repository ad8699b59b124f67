#pragma once

#include <QString>

// Decides, once as the program starts, which Settings is this player's word list: the one beside
// the program where the player may write there; otherwise the player's own, in the XDG data
// folder, made there as a copy of the program folder's list when there is one to read; where
// neither can be had, the one beside the program, as it stands.
void settleWordListPlace();

// The word list file the load, the first run and Save work on. Empty when the program's folder
// is not known: the program then touches no file at all.
QString settingsPath();
