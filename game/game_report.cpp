// What a screen reader hears of the game: each guess, the drawing, and the whole game on demand.

#include "main_window/accessibility.h"
#include "main_window/frm_main.h"
#include "main_window/letter_button.h"
#include "main_window/letter_slot.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

bool frmMain::gameInProgress() const {
    return mnuStopGame->isEnabled();
}

void frmMain::describeDrawing(const QPushButton* judged) {
    const std::array<QLabel*, kPieces> pieces = figure();
    const auto shown = std::count_if(pieces.begin(), pieces.end(),
                                     [](const QLabel* piece) { return !piece->isHidden(); });
    const int left = kPieces - MissCount;
    //: The drawing's name for a screen reader, between games. %n: pieces shown (0 to 12); %1: all
    //: the pieces, 12.
    QString name = tr("Gallows drawing, %n of %1 pieces shown", "", int(shown)).arg(kPieces);
    if (gameInProgress() && left > 0)
        //: The drawing's name for a screen reader during a game. %n: pieces shown (0 to 11); %1:
        //: all the pieces, 12; %2: the misses left, "11 misses left".
        name = tr("Gallows drawing, %n of %1 pieces shown, %2", "", int(shown))
                   .arg(kPieces)
                   //: Ends the drawing's name: %n, the misses the player has left (1 to 12).
                   .arg(tr("%n misses left", "inside a sentence", left));
    else if (gameInProgress())
        //: The drawing's name for a screen reader over the message of a lost game. %1: all the
        //: pieces, 12.
        name = tr("Gallows drawing, %1 of %1 pieces shown, no misses left").arg(kPieces);
    Picture1->setAccessibleName(name);
    Picture1->setAccessibleDescription(gameState(judged));
}

QString frmMain::gameState(const QPushButton* judged) const {
    if (!gameInProgress())
        //: Spoken when a key asks for the game between games. "Alt+F, N" are the keys of the menu
        //: File, item New Game: use this language's access keys.
        return tr("No game in progress. Alt+F, N deals a word.");
    QStringList missed, found;
    for (const QPushButton* letter : cmdLetter) {
        if (!letter->isEnabled() || letter == judged)
            (inWord(letter->text()) ? found : missed).append(letter->text());
    }
    const auto listed = [](const QStringList& letters) {
        //: Spoken for a list of letters with nothing in it: "Missed: none."
        return letters.isEmpty() ? tr("none", "no letters") : letters.join(QStringLiteral(", "));
    };
    //: F2 and the drawing's description: the whole game. %1: the word as it stands, "blank N T";
    //: %2: the misses left as a sentence, "11 misses left."; %3 and %4: letters, "A, O", or
    //: "none".
    return tr("Word: %1. %2 Missed: %3. Found: %4.")
        .arg(spokenWord(), missesLeft(), listed(missed), listed(found));
}

// "E: yes, 2 places. 11 misses left. Word: blank N T E R N E T." The answer comes first and the
// word last: a player who guesses quickly hears what counts before the next key cuts it short.
QString frmMain::guessReport(const QString& letter, int places) const {
    const QString result =
        places == 0
            //: The answer to a guess that missed. %1: the letter guessed.
            ? tr("%1: no.").arg(letter)
            //: The answer to a guess that hit. %1: the letter guessed; %n: the places it fills.
            : tr("%1: yes, %n places.", "", places).arg(letter);
    //: Said after each guess. %1: the answer, "E: yes, 2 places."; %2: the misses left as a
    //: sentence, "11 misses left."; %3: the word as it stands, "blank N T E R N E T".
    return tr("%1 %2 Word: %3.").arg(result, missesLeft(), spokenWord());
}

void frmMain::announceStopped() {
    //: Spoken when File, Stop Game ends a game.
    announce(lblNotice, tr("Game stopped."));
}

QString frmMain::spokenWord() const {
    QStringList word;
    for (const LetterSlot* slot : lblLetter)
        word.append(LetterSlot::spoken(slot->caption()));
    word.removeAll(QString());
    return word.join(u' ');
}

// Said only while the game is on, so at least one miss is left.
QString frmMain::missesLeft() const {
    //: A sentence of its own, after a guess and in the whole game. %n: the misses the player has
    //: left (1 to 12).
    return tr("%n misses left.", "a sentence", kPieces - MissCount);
}

bool frmMain::inWord(const QString& letter) const {
    return std::any_of(lblLetter.begin(), lblLetter.end(), [&](const LetterSlot* slot) {
        return slot->tag().toLower() == letter.toLower();
    });
}
