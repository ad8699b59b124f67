// cue_probe CUE COUNT INTERVAL_MS: plays the cue COUNT times through the game's sound module,
// INTERVAL_MS apart, as guesses at that pace would, and prints each request's time in seconds.
#include "game/multimedia_sound.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const QString cue = QString::fromLocal8Bit(argv[1]);
    const int count = std::atoi(argv[2]);
    MultimediaSound sound;
    sound.prepareCue(cue); // as a deal does
    QElapsedTimer clock;
    int played = 0;
    QTimer pace;
    QObject::connect(&pace, &QTimer::timeout, [&] {
        if (played == 0)
            clock.start();
        std::printf("%.3f\n", double(clock.nsecsElapsed()) / 1e9);
        std::fflush(stdout);
        sound.cue(cue);
        if (++played == count) {
            pace.stop();
            QTimer::singleShot(1000, &app, &QApplication::quit);
        }
    });
    QTimer::singleShot(1000, [&] { pace.start(std::atoi(argv[3])); }); // the sound loads first
    return app.exec();
}
