#include "game/multimedia_sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QtEndian>

using namespace std::chrono_literals;

namespace {

// A sound that has not loaded in this time, or not finished by its own length plus the margin
// (some outputs report the end late), is given up on.
constexpr auto kLoading = 2s;
constexpr auto kMargin = 2s;
// Nobody waits longer than this at the end of a game, whatever the file claims.
constexpr auto kLongest = 30s;

quint32 le32(const char* at) {
    return qFromLittleEndian<quint32>(at);
}

} // namespace

std::optional<std::chrono::milliseconds> waveLength(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(4096);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return std::nullopt;
    quint32 bytesPerSecond = 0;
    for (qsizetype at = 12; at + 8 <= head.size();) {
        const QByteArray id = head.mid(at, 4);
        const quint32 size = le32(head.constData() + at + 4);
        if (id == "fmt " && at + 20 <= head.size())
            bytesPerSecond = le32(head.constData() + at + 16);
        if (id == "data") {
            if (bytesPerSecond == 0)
                return std::nullopt;
            const quint64 available = static_cast<quint64>(file.size() - (at + 8));
            const quint64 bytes = qMin<quint64>(size, available);
            return std::chrono::milliseconds(bytes * 1000 / bytesPerSecond);
        }
        at += 8 + static_cast<qsizetype>(size) + (size & 1u);
    }
    return std::nullopt;
}

void MultimediaSound::playToEnd(const QString& path) {
    const std::optional<std::chrono::milliseconds> length = waveLength(path);
    // With no audio output at all, a sound effect never reports that it has stopped.
    if (!length || QMediaDevices::audioOutputs().isEmpty()) {
        QApplication::beep();
        return;
    }
    QSoundEffect effect;
    QEventLoop playing;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &playing, &QEventLoop::quit);
    bool started = false;
    QObject::connect(&effect, &QSoundEffect::statusChanged, &playing, [&] {
        if (effect.status() == QSoundEffect::Ready && !started) {
            started = true;
            limit.start(qMin<std::chrono::milliseconds>(*length + kMargin, kLongest));
            effect.play();
        } else if (effect.status() == QSoundEffect::Error) {
            playing.quit();
        }
    });
    QObject::connect(&effect, &QSoundEffect::playingChanged, &playing, [&] {
        if (started && !effect.isPlaying())
            playing.quit();
    });
    limit.start(kLoading);
    effect.setSource(QUrl::fromLocalFile(path));
    // The board repaints while the sound plays, but the player's clicks and keys wait.
    playing.exec(QEventLoop::ExcludeUserInputEvents);
    effect.stop();
}

SoundPlayer* gibbetryMultimediaSound() {
    static MultimediaSound player;
    return &player;
}
