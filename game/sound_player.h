#pragma once

#include <QString>
#include <chrono>
#include <optional>

// Plays a wave file and returns when it has finished; a file that is missing or cannot be read
// gives the desktop's beep instead.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void playToEnd(const QString& path) = 0;
};

class QtSoundPlayer final : public SoundPlayer {
public:
    void playToEnd(const QString& path) override;
};

// How long a PCM wave file plays, read from its header; nothing when it is not one.
std::optional<std::chrono::milliseconds> waveLength(const QString& path);
