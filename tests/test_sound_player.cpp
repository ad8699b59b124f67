// The real sound player: it always returns, whatever the file or the machine, and the game
// finds it in its module.

#include "game/multimedia_sound.h"
#include "game/sound_player.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

class SoundPlayerTest : public QObject {
    Q_OBJECT
private slots:
    void ourSoundsAreShortWaves() {
        const auto win = waveLength(QStringLiteral(GIBBETRY_ASSETS "/win.wav"));
        const auto lose = waveLength(QStringLiteral(GIBBETRY_ASSETS "/lose.wav"));
        QVERIFY(win && lose);
        QVERIFY(*win > 500ms && *win < 2s);
        QVERIFY(*lose > 500ms && *lose < 2s);
    }

    void filesThatAreNotWavesHaveNoLength() {
        QTemporaryDir dir;
        QFile junk(dir.filePath("junk.wav"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("RIFF\x10\0\0\0WAVEdata\xff\xff\xff\xff", 20);
        junk.close();
        QCOMPARE(waveLength(junk.fileName()), std::nullopt);
        QCOMPARE(waveLength(dir.filePath("missing.wav")), std::nullopt);
        QCOMPARE(waveLength(dir.path()), std::nullopt);
    }

    void playingReturnsForMissingCorruptAndRealFiles_data() {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("corrupt") << QByteArray("RIFF\x24\0\0\0WAVEfmt garbage garbage", 32);
        QFile ours(QStringLiteral(GIBBETRY_ASSETS "/lose.wav"));
        QVERIFY(ours.open(QIODevice::ReadOnly));
        QTest::newRow("our lose.wav") << ours.readAll();
    }
    void playingReturnsForMissingCorruptAndRealFiles() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("lose.wav");
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QElapsedTimer clock;
        clock.start();
        MultimediaSound().playToEnd(path);
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    }

    void theGameLoadsItsPlayerFromTheModuleBesideIt() {
        DesktopSound beside(QStringLiteral(GIBBETRY_MODULE_FOLDER));
        QVERIFY(beside.moduleLoaded());
        QElapsedTimer clock;
        clock.start();
        beside.playToEnd(QStringLiteral("/nonexistent/win.wav"));
        QVERIFY(clock.elapsed() < 5000);
    }

    void withoutTheModuleEverySoundIsTheBeep() {
        QTemporaryDir empty;
        DesktopSound nothing(empty.path());
        QVERIFY(!nothing.moduleLoaded());
        nothing.playToEnd(QStringLiteral(GIBBETRY_ASSETS "/win.wav")); // returns at once
    }
};

QTEST_MAIN(SoundPlayerTest)
#include "test_sound_player.moc"
