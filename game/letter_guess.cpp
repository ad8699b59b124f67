#include "main_window/frm_main.h"

void frmMain::cmdLetter_Click(qint16) {}
