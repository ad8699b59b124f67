#include "game/sound_player.h"
#include "main_window/frm_main.h"
#include "main_window/letter_slot.h"
#include "main_window/message_box.h"
#include "main_window/platform.h"
#include "main_window/program_folder.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr qint16 kLosingMiss = 12;
}

void frmMain::cmdLetter_Click(qint16 index) {
    QPushButton* button = cmdLetter[index];
    const QString letter = button->text();
    bool hit = false;
    for (LetterSlot* slot : lblLetter) {
        if (slot->tag().toLower() == letter.toLower()) {
            hit = true;
            slot->setCaption(letter);
        }
    }
    if (hit) {
        if (wordComplete())
            endGame(QStringLiteral("You Have Won The Game."), QStringLiteral("win.wav"));
    } else {
        ++MissCount;
        showStage(MissCount);
        if (MissCount == kLosingMiss)
            endGame(QStringLiteral("You Have Lost The Game"), QStringLiteral("lose.wav"));
    }
    button->setEnabled(false);
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
    if (stage < 1 || stage > kLosingMiss)
        return;
    const std::array<QLabel*, 12> pieces = figure();
    for (qint16 i = 0; i < stage; ++i)
        pieces[i]->setVisible(true);
    describeDrawing();
}

void frmMain::endGame(const QString& message, const QString& sound) {
    platform_.sound.prepare(programFile(sound));
    platform_.messageBox.show(message, kStyleInformation, QStringLiteral("Gibbetry"));
    platform_.sound.playToEnd(programFile(sound));
    mnuStopGame_Click();
}
