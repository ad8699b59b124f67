#pragma once

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
    Platform platform_{messageBox_, inputBox_};
};
