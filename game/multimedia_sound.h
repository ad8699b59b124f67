#pragma once

#include "game/sound_player.h"

#include <QApplication>
#include <QAudioFormat>
#include <QHash>
#include <chrono>
#include <functional>
#include <optional>

class QAudioSink;
class QSoundEffect;
// A PCM wave file's samples and their format; nothing when it is not one.
struct Wave {
    QAudioFormat format;
    QByteArray samples;
};

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
    void prepareCue(const QString& path) override;
    void cue(const QString& path) override;

private:
    QSoundEffect& effect(const QString& path);
    const Wave* cueWave(const QString& path);

    std::function<bool()> hasAudioOutput_;
    std::function<void()> beep_;
    QHash<QString, QSoundEffect*> effects_;
    QHash<QString, std::optional<Wave>> cueWaves_;
    // The cues' stream, opened at the deal and kept for the run: each cue is written to a stream
    // the sound server already has, so it starts at once and plays whole, however many came
    // before it and however fast. A QSoundEffect opened a stream a cue, and lost them.
    QAudioSink* cueSink_ = nullptr;
    QIODevice* cueInput_ = nullptr;
};

std::optional<Wave> readWave(const QString& path);
// How long a PCM wave file plays; nothing when it is not one.
std::optional<std::chrono::milliseconds> waveLength(const QString& path);

// What the module hands the game.
extern "C" Q_DECL_EXPORT SoundPlayer* gibbetryMultimediaSound();
