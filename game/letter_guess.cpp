#include "game/sound_player.h"
#include "main_window/accessibility.h"
#include "main_window/dropped_input.h"
#include "main_window/frm_main.h"
#include "main_window/letter_button.h"
#include "main_window/letter_slot.h"
#include "main_window/message_box.h"
#include "main_window/platform.h"
#include "main_window/program_folder.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

void frmMain::cmdLetter_Click(qint16 index) {
    LetterButton* button = cmdLetter[index];
    const QString letter = button->text();
    int places = 0;
    for (LetterSlot* slot : lblLetter) {
        if (slot->tag().toLower() == letter.toLower()) {
            ++places;
            slot->setCaption(letter);
        }
    }
    if (places == 0) {
        ++MissCount;
        showStage(MissCount);
    }
    const bool won = places > 0 && wordComplete();
    const bool lost = places == 0 && MissCount == kPieces;
    lastLetter_ = index;
    if (focusWidget() == button)
        leaveNothingFocused();
    // What a screen reader says matches the board, the end of a game included.
    describeDrawing(button);
    cueGuess(places > 0);
    const QString result = won ? tr("You Have Won The Game.") : tr("You Have Lost The Game");
    // At the deciding guess the result is all there is to hear, before its box is read.
    if (won)
        //: Spoken at the guess that wins. %1: the letter; %2: the message "You Have Won The Game."
        announce(lblNotice, tr("%1: yes. %2").arg(letter, result));
    else if (lost)
        //: Spoken at the guess that loses. %1: the letter; %2: the message "You Have Lost The
        //: Game".
        announce(lblNotice, tr("%1: no. %2").arg(letter, result));
    else
        announce(lblNotice, guessReport(letter, places));
    if (won || lost)
        endGame(result, won ? QStringLiteral("win.wav") : QStringLiteral("lose.wav"));
    button->markGuess(places > 0 ? LetterButton::Guess::Found : LetterButton::Guess::Missed);
    button->setEnabled(false);
    if (won || lost)
        Command1->setFocus(Qt::OtherFocusReason); // the next game is one key away
}

QString frmMain::cueFile(bool hit) {
    return programFile(hit ? QStringLiteral("hit.wav") : QStringLiteral("miss.wav"));
}

void frmMain::cueGuess(bool hit) {
    if (QAccessible::isActive())
        platform_.sound.cue(cueFile(hit));
}

bool frmMain::wordComplete() const {
    // A spare slot shows "-" and hides "-", so it counts as complete.
    for (const LetterSlot* slot : lblLetter) {
        if (slot->caption().toLower() != slot->tag().toLower())
            return false;
    }
    return true;
}

void frmMain::showStage(qint16 stage) {
    if (stage < 1 || stage > kPieces)
        return;
    const std::array<QLabel*, kPieces> pieces = figure();
    for (qint16 i = 0; i < stage; ++i)
        pieces[i]->setVisible(true);
}

void frmMain::endGame(const QString& message, const QString& sound) {
    platform_.sound.prepare(programFile(sound));
    platform_.messageBox.show(message, kStyleInformation, QStringLiteral("Gibbetry"));
    {
        const DroppedInput dropped; // keys typed on meanwhile must not deal the next game
        platform_.sound.playToEnd(programFile(sound));
    }
    mnuStopGame_Click();
}
