#pragma once

#include "game/sound_player.h"

#include <QApplication>
#include <QHash>
#include <chrono>
#include <functional>
#include <optional>

class QSoundEffect;

// Plays wave files through Qt Multimedia. It lives in a module of its own that the game loads on
// its first sound: the sound libraries then cost nothing at start-up. Each sound stays loaded,
// and the last of it plays on after the call has returned.
class MultimediaSound final : public SoundPlayer {
public:
    // Without an audio output every sound is the beep. Tests say for themselves whether there is
    // one, whatever the machine has, and hear the beep for themselves.
    explicit MultimediaSound(std::function<bool()> hasAudioOutput = anyAudioOutput,
                             std::function<void()> beep = QApplication::beep)
        : hasAudioOutput_(std::move(hasAudioOutput))
        , beep_(std::move(beep)) {}
    static bool anyAudioOutput();

    void prepare(const QString& path) override;
    void playToEnd(const QString& path) override;
    void cue(const QString& path) override;

private:
    QSoundEffect& effect(const QString& path);

    std::function<bool()> hasAudioOutput_;
    std::function<void()> beep_;
    QHash<QString, QSoundEffect*> effects_;
};

// How long a PCM wave file plays, read from its header; nothing when it is not one.
std::optional<std::chrono::milliseconds> waveLength(const QString& path);

// What the module hands the game.
extern "C" Q_DECL_EXPORT SoundPlayer* gibbetryMultimediaSound();
