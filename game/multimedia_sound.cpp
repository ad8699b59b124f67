#include "game/multimedia_sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioSink>
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

quint16 le16(const char* at) {
    return qFromLittleEndian<quint16>(at);
}

QAudioFormat::SampleFormat sampleFormat(quint16 bits) {
    switch (bits) {
    case 8:
        return QAudioFormat::UInt8;
    case 16:
        return QAudioFormat::Int16;
    case 32:
        return QAudioFormat::Int32;
    default:
        return QAudioFormat::Unknown;
    }
}

constexpr qint64 kMostWaveBytes = 16 << 20; // far more than any of the game's sounds

} // namespace

std::optional<Wave> readWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(kMostWaveBytes);
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    Wave wave;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = le32(bytes.constData() + at + 4);
        const char* body = bytes.constData() + at + 8;
        if (id == "fmt " && at + 24 <= bytes.size() && le16(body) == 1) { // PCM
            wave.format.setChannelCount(le16(body + 2));
            wave.format.setSampleRate(int(le32(body + 4)));
            wave.format.setSampleFormat(sampleFormat(le16(body + 14)));
        }
        if (id == "data") {
            if (!wave.format.isValid())
                return std::nullopt;
            wave.samples = bytes.mid(at + 8, qMin<qint64>(size, bytes.size() - (at + 8)));
            return wave;
        }
        at += 8 + static_cast<qsizetype>(size) + (size & 1u);
    }
    return std::nullopt;
}

std::optional<std::chrono::milliseconds> waveLength(const QString& path) {
    const std::optional<Wave> wave = readWave(path);
    if (!wave)
        return std::nullopt;
    return std::chrono::milliseconds(wave->format.durationForBytes(wave->samples.size()) / 1000);
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

const Wave* MultimediaSound::cueWave(const QString& path) {
    if (!cueWaves_.contains(path))
        cueWaves_.insert(path, readWave(path));
    const std::optional<Wave>& wave = cueWaves_[path];
    if (!wave || !hasAudioOutput_())
        return nullptr;
    if (!cueSink_ || cueSink_->format() != wave->format) {
        delete cueSink_;
        cueSink_ = new QAudioSink(wave->format, qApp);
        // A short buffer: the server starts a cue as soon as it has it.
        cueSink_->setBufferSize(wave->format.bytesForDuration(60'000));
        cueInput_ = cueSink_->start();
    }
    return &*wave;
}

void MultimediaSound::prepareCue(const QString& path) {
    cueWave(path);
}

void MultimediaSound::cue(const QString& path) {
    if (const Wave* wave = cueWave(path); wave && cueInput_)
        cueInput_->write(wave->samples);
}

SoundPlayer* gibbetryMultimediaSound() {
    static MultimediaSound player;
    return &player;
}
