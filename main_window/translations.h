#pragma once

// Shows the game's texts, and Qt's own (the standard buttons of its boxes), in the first of the
// desktop's languages that the game has, as Qt reads them from LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG. English, or a language the game has not, shows the game's own English as written.
void useDesktopLanguage();

// The English of the counted phrases, "1 letter" and "8 letters": Qt takes a phrase's singular
// and plural from a translation, even for the language the texts are written in.
void useEnglishCounts();
