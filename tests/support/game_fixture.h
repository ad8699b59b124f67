#pragma once

#include "fake_platform.h"
#include "main_window/frm_main.h"
#include "program_folder_fixture.h"

#include <memory>

// One run of the program for one test: a fresh program folder, scripted dialogs, and the board,
// which goes first at the end.
struct GameFixture {
    TempProgramFolder folder;
    FakePlatform fake;
    std::unique_ptr<frmMain> window;

    // Starts the program on the folder as it stands, as the desktop would.
    frmMain& start() {
        window = std::make_unique<frmMain>(fake.platform);
        return *window;
    }
};
