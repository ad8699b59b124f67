#pragma once

#include <QString>

// Plays a wave file and returns when it has finished; a file that is missing or cannot be read
// gives the desktop's beep instead.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void playToEnd(const QString& path) = 0;
};

// The game's player: loads the sound module from the given folder (the program's own) on the
// first sound and hands every sound to it. Without the module, every sound is the beep.
class DesktopSound final : public SoundPlayer {
public:
    explicit DesktopSound(QString moduleFolder = {});

    void playToEnd(const QString& path) override;
    bool moduleLoaded();

private:
    QString moduleFolder_;
    bool tried_ = false;
    SoundPlayer* module_ = nullptr;
};
