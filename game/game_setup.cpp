#include "main_window/frm_main.h"

void frmMain::mnuStartGame_Click() {}

void frmMain::Command1_Click() {
    mnuStopGame_Click();
    mnuStartGame_Click();
}

// The timer only marks a game in progress; its tick does nothing.
void frmMain::Timer1_Timer() {}
