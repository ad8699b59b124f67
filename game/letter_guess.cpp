#include "game/sound_player.h"
#include "main_window/accessibility.h"
#include "main_window/frm_main.h"
#include "main_window/letter_slot.h"
#include "main_window/message_box.h"
#include "main_window/platform.h"
#include "main_window/program_folder.h"

#include <QLabel>
#include <QPushButton>

void frmMain::cmdLetter_Click(qint16 index) {
    QPushButton* button = cmdLetter[index];
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
    if (!won && !lost && focusWidget() == button)
        focusNearestLetter(index);
    // Said after the focus has moved, so that its news does not cut this short.
    announce(lblNotice, guessReport(letter, places));
    if (won)
        endGame(QStringLiteral("You Have Won The Game."), QStringLiteral("win.wav"));
    if (lost)
        endGame(QStringLiteral("You Have Lost The Game"), QStringLiteral("lose.wav"));
    button->setEnabled(false);
    describeDrawing();
}

// The pressed letter is about to go: the focus moves on to the nearest one left, the next in tab
// order first, and never on to New Game, where one more key press would throw the game away.
void frmMain::focusNearestLetter(qint16 pressed) {
    for (int distance = 1; distance < 26; ++distance) {
        for (const int index : {pressed - distance, pressed + distance}) {
            if (index >= 0 && index < 26 && cmdLetter[index]->isEnabled()) {
                cmdLetter[index]->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
    }
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
    platform_.sound.playToEnd(programFile(sound));
    mnuStopGame_Click();
}
