#pragma once

#include "about/shell.h"
#include "game/sound_player.h"
#include "main_window/input_box.h"
#include "main_window/message_box.h"

// A desktop whose dialogs answer at once and whose sounds and links go nowhere, for benches that
// drive the real windows.
struct SilentDesktop final : MessageBox, InputBox, SoundPlayer, Shell {
    int show(const QString&, int, const QString&, const QString&) override { return kAnswerOk; }
    QString ask(const QString&, const QString&, const QString&, QPoint) override { return {}; }
    void playToEnd(const QString&) override {}
    void open(const QUrl&) override {}
};
