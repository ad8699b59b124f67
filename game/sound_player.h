#pragma once

#include <QString>

// Plays a wave file and returns once the sound's own length has passed; a file that is missing
// or cannot be read gives the desktop's beep instead. prepare() is a hint that the sound is
// next: it may load it ahead, while the player reads the message. cue() starts a short sound and
// returns at once; a cue that cannot play is silent, never a beep. prepareCue() readies a cue
// before the first guess.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void prepare(const QString& path) { (void)path; }
    virtual void prepareCue(const QString& path) { (void)path; }
    virtual void playToEnd(const QString& path) = 0;
    virtual void cue(const QString& path) { (void)path; }
};

// The game's player: loads the sound module from the given folder (the program's own) on the
// first sound and hands every sound to it. Without the module, every sound is the beep.
class DesktopSound final : public SoundPlayer {
public:
    explicit DesktopSound(QString moduleFolder = {});

    void prepare(const QString& path) override;
    void prepareCue(const QString& path) override;
    void playToEnd(const QString& path) override;
    void cue(const QString& path) override;
    bool moduleLoaded();

private:
    QString moduleFolder_;
    bool tried_ = false;
    SoundPlayer* module_ = nullptr;
};
