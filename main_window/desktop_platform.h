#pragma once

#include "about/shell.h"
#include "game/random_source.h"
#include "game/sound_player.h"
#include "main_window/input_box.h"
#include "main_window/message_box.h"
#include "main_window/platform.h"

// The real desktop behind the windows' seams.
class DesktopPlatform {
public:
    Platform& platform() { return platform_; }

private:
    QtMessageBox messageBox_;
    QtInputBox inputBox_;
    DesktopSound sound_;
    FixedStartRandom random_;
    DesktopShell shell_;
    Platform platform_{messageBox_, inputBox_, sound_, random_, shell_};
};
