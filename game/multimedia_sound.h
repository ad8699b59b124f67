#pragma once

#include "game/sound_player.h"

#include <chrono>
#include <optional>

// Plays wave files through Qt Multimedia. It lives in a module of its own that the game loads on
// its first sound: the sound libraries then cost nothing at start-up.
class MultimediaSound final : public SoundPlayer {
public:
    void playToEnd(const QString& path) override;
};

// How long a PCM wave file plays, read from its header; nothing when it is not one.
std::optional<std::chrono::milliseconds> waveLength(const QString& path);

// What the module hands the game.
extern "C" Q_DECL_EXPORT SoundPlayer* gibbetryMultimediaSound();
