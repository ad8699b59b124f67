#pragma once

// Shows the game's texts, and Qt's own (the standard buttons of its boxes), in the first of the
// desktop's languages that the game has, as Qt reads them from LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG. English, or a language the game has not, shows the game's own English as written.
void useDesktopLanguage();
