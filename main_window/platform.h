#pragma once

class MessageBox;
class InputBox;
class SoundPlayer;
class RandomSource;
class Shell;

// What the windows reach of the desktop. The game runs on the real one; tests hand in doubles
// so that nothing waits on a dialog.
struct Platform {
    MessageBox& messageBox;
    InputBox& inputBox;
    SoundPlayer& sound;
    RandomSource& random;
    Shell& shell;
};
