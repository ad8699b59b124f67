#include "main_window/frm_main.h"
#include "main_window/letter_button.h"
#include "main_window/letter_slot.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

void frmMain::mnuStopGame_Click() {
    mnuStopGame->setEnabled(false);
    mnuStartGame->setEnabled(true);
    for (QLabel* piece : figure())
        piece->setVisible(false);
    describeDrawing();
    for (QPushButton* letter : cmdLetter)
        letter->setEnabled(false);
    // The "-" tag is what a slot beyond the next word keeps, and counts as complete.
    for (LetterSlot* slot : lblLetter) {
        slot->setCaption(QStringLiteral(" "));
        slot->setTag(QStringLiteral("-"));
    }
    Timer1->stop();
}
