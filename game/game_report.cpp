// What a screen reader hears of the game: each guess, the drawing, and the whole game on demand.

#include "main_window/accessibility.h"
#include "main_window/frm_main.h"
#include "main_window/letter_slot.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

// The phrase as a sentence starts: "U: no. No misses left.", never "U: no. no misses left."
QString capitalised(QString phrase) {
    if (!phrase.isEmpty())
        phrase[0] = phrase[0].toUpper();
    return phrase;
}

} // namespace

bool frmMain::gameInProgress() const {
    return mnuStopGame->isEnabled();
}

void frmMain::describeDrawing(const QPushButton* judged) {
    const std::array<QLabel*, kPieces> pieces = figure();
    const auto shown = std::count_if(pieces.begin(), pieces.end(),
                                     [](const QLabel* piece) { return !piece->isHidden(); });
    QString name = tr("Gallows drawing, %1 of %2 pieces shown").arg(shown).arg(kPieces);
    if (gameInProgress())
        name += QStringLiteral(", ") + missesLeft();
    Picture1->setAccessibleName(name);
    Picture1->setAccessibleDescription(gameState(judged));
}

QString frmMain::gameState(const QPushButton* judged) const {
    if (!gameInProgress())
        return tr("No game in progress. Alt+F, N deals a word.");
    QStringList missed, found;
    for (const QPushButton* letter : cmdLetter) {
        if (!letter->isEnabled() || letter == judged)
            (inWord(letter->text()) ? found : missed).append(letter->text());
    }
    const auto listed = [](const QStringList& letters) {
        return letters.isEmpty() ? tr("none") : letters.join(QStringLiteral(", "));
    };
    return tr("Word: %1. %2. Missed: %3. Found: %4.")
        .arg(spokenWord(), capitalised(missesLeft()), listed(missed), listed(found));
}

// "E: yes, 2 places. 11 misses left. Word: blank N T E R N E T." The answer comes first and the
// word last: a player who guesses quickly hears what counts before the next key cuts it short.
QString frmMain::guessReport(const QString& letter, int places) const {
    const QString result = places == 0
                               ? tr("%1: no.").arg(letter)
                               : tr("%1: yes, %2.").arg(letter, counted(places, "place", "places"));
    return tr("%1 %2. Word: %3.").arg(result, capitalised(missesLeft()), spokenWord());
}

void frmMain::announceStopped() {
    announce(lblNotice, tr("Game stopped."));
}

QString frmMain::spokenWord() const {
    QStringList word;
    for (const LetterSlot* slot : lblLetter)
        word.append(LetterSlot::spoken(slot->caption()));
    word.removeAll(QString());
    return word.join(u' ');
}

QString frmMain::missesLeft() const {
    const int left = kPieces - MissCount;
    return left > 0 ? tr("%1 left").arg(counted(left, "miss", "misses")) : tr("no misses left");
}

bool frmMain::inWord(const QString& letter) const {
    return std::any_of(lblLetter.begin(), lblLetter.end(), [&](const LetterSlot* slot) {
        return slot->tag().toLower() == letter.toLower();
    });
}
