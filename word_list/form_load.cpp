#include "main_window/frm_main.h"
#include "main_window/list_view.h"
#include "word_list/list_place.h"
#include "word_list/settings_file.h"

#include <QCoreApplication>

void frmMain::Form_Load() {
    QCoreApplication::setApplicationName(QStringLiteral("Gibbetry"));
    WordListRead file = readWordList(settingsPath());
    if (file.outcome == WordListRead::Missing) {
        // First run: the defaults reach the list on the next load. A folder we may not write
        // to leaves the list empty, and the game goes on.
        writeDefaultWordList(listToWrite());
        return;
    }
    if (file.outcome != WordListRead::Read)
        return; // the player's file stays as it is

    ListView& list = lstWords();
    list.setColumnWidthTwips(1, static_cast<float>(list.widthTwips()) - 1050.0f);
    list.setColumnWidthTwips(2, 400.0f);
    list.appendRows(std::move(file.list));
    mnuStopGame_Click();
}
