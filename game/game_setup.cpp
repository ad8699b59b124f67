#include "game/draw.h"
#include "game/random_source.h"
#include "game/sound_player.h"
#include "main_window/accessibility.h"
#include "main_window/frm_main.h"
#include "main_window/letter_button.h"
#include "main_window/letter_slot.h"
#include "main_window/list_view.h"
#include "main_window/message_box.h"
#include "main_window/platform.h"

#include <QAccessible>
#include <QAction>
#include <QPushButton>
#include <QTimer>

void frmMain::mnuStartGame_Click() {
    // Each attempt repeats the first steps and takes one value from the generator; an attempt
    // that lands beyond the list is thrown away.
    for (;;) {
        for (QPushButton* letter : cmdLetter)
            letter->setEnabled(true);
        Timer1->start();
        MissCount = 0;
        mnuStartGame->setEnabled(false);
        mnuStopGame->setEnabled(true);

        const qint64 rows = lstWords().count();
        if (rows == 0) {
            mnuStopGame_Click();
            platform_.messageBox.show(tr("The Words List Is Empty."), kStyleExclamation,
                                      QStringLiteral("Gibbetry"));
            return;
        }
        const qint64 row = drawnRow(platform_.random.next(), drawScale(rows));
        if (row <= lstWords().count()) {
            const QString word = lstWords().text(static_cast<int>(row));
            layOutWord(word);
            describeDrawing();
            // Off New Game, so that the next key guesses rather than deals again.
            leaveNothingFocused();
            const int letters = int(word.size());
            announce(lblNotice, droppingGame_
                                    //: Spoken when New Game ends a game in progress and deals the
                                    //: next. %n: the new word's letters.
                                    ? tr("Game dropped. New game, %n letters.", "", letters)
                                    //: Spoken at a deal. %n: the word's letters.
                                    : tr("New game, %n letters.", "", letters));
            if (QAccessible::isActive()) { // the cues load now, not on the first guess
                platform_.sound.prepareCue(cueFile(true));
                platform_.sound.prepareCue(cueFile(false));
            }
            return;
        }
    }
}

void frmMain::layOutWord(const QString& word) {
    const qsizetype length = word.size();
    if (length == 0 || length > kLongestWord)
        return; // the game runs, but no slot holds a letter
    for (qsizetype i = 0; i < kLongestWord; ++i)
        lblLetter[i]->setCaption(i < length ? QStringLiteral("& ") : QStringLiteral("-"));
    // A spare slot keeps the "-" tag the stop routine left.
    for (qsizetype i = 0; i < length; ++i)
        lblLetter[i]->setTag(word.mid(i, 1));
}

void frmMain::Command1_Click() {
    // A game thrown away for the next is said with the deal, or it goes unheard.
    droppingGame_ = gameInProgress();
    mnuStopGame_Click();
    mnuStartGame_Click();
    droppingGame_ = false;
}

// The timer only marks a game in progress; its tick does nothing.
void frmMain::Timer1_Timer() {}
