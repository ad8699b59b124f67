#include "game/multimedia_sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QtEndian>

using namespace std::chrono_literals;

namespace {

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

bool MultimediaSound::anyAudioOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

void MultimediaSound::prepare(const QString& path) {
    effect(path);
}

QSoundEffect& MultimediaSound::effect(const QString& path) {
    QSoundEffect*& effect = effects_[path];
    if (!effect) {
        effect = new QSoundEffect(qApp); // goes with the application, not at the module's unload
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return *effect;
}

void MultimediaSound::playToEnd(const QString& path) {
    QElapsedTimer clock;
    clock.start();
    const std::optional<std::chrono::milliseconds> length = waveLength(path);
    if (!length || !hasAudioOutput_()) {
        beep_();
        return;
    }
    QSoundEffect& sound = effect(path);
    if (sound.status() == QSoundEffect::Error) {
        beep_();
        return;
    }
    // The board waits for the sound's own length from this call on, and not a moment for the
    // effect's report of its end, which comes late or never. A sound still loading now starts
    // when it is ready, within that time, and plays its last part after the wait.
    QEventLoop waiting;
    const auto left = *length - std::chrono::milliseconds(clock.elapsed());
    QTimer::singleShot(std::max(left, 0ms), Qt::PreciseTimer, &waiting, &QEventLoop::quit);
    const auto start = [&sound] {
        if (sound.status() == QSoundEffect::Ready && !sound.isPlaying())
            sound.play();
    };
    QObject::connect(&sound, &QSoundEffect::statusChanged, &waiting, start);
    start();
    // The board repaints meanwhile, but the player's clicks and keys wait.
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
}

void MultimediaSound::cue(const QString& path) {
    if (!hasAudioOutput_())
        return;
    QSoundEffect& sound = effect(path);
    sound.stop(); // a quick guess cuts the last cue short rather than wait behind it
    sound.play();
}

SoundPlayer* gibbetryMultimediaSound() {
    static MultimediaSound player;
    return &player;
}
