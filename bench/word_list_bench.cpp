// Times the word list's load and save, a deal and a letter press, on the real windows (offscreen,
// with silent dialogs). Prints a Markdown table of medians.
//
//   build/bench/word_list_bench [RUNS]

#include "bench/silent_desktop.h"
#include "game/random_source.h"
#include "main_window/frm_main.h"
#include "main_window/platform.h"
#include "main_window/program_folder.h"
#include "word_list/frm_words.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()>& prepare,
                const std::function<void()>& timed) {
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer clock;
        clock.start();
        timed();
        samples.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void writeWords(const QString& path, int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "Word" + QByteArray::number(i % 100000000) + "\r\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the word list");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(5, atoi(argv[1])) : 15;
    QTemporaryDir folder;
    setProgramFolder(folder.path());

    SilentDesktop silent;
    FixedStartRandom random;
    Platform platform{silent, silent, silent, random, silent};

    std::printf(
        "| words | Form_Load (ms) | SaveValues (ms) | game setup (ms) | letter press (ms) |\n");
    std::printf("|---:|---:|---:|---:|---:|\n");
    for (int count : {35, 1000, 32766}) {
        writeWords(folder.filePath("Settings"), count);
        frmMain window(platform);
        const double load = medianMs(
            runs, [&] { window.discardWordsWindow(); }, [&] { window.Form_Load(); });
        const double save = medianMs(
            runs, [] {}, [&] { window.wordsWindow().cmdSave_Click(); });
        const double setup = medianMs(
            runs, [&] { window.mnuStopGame_Click(); }, [&] { window.mnuStartGame_Click(); });
        const double press = medianMs(
            runs, [&] { window.Command1_Click(); }, [&] { window.cmdLetter_Click(4); });
        std::printf("| %d | %.3f | %.3f | %.4f | %.4f |\n", count, load, save, setup, press);
    }
    return 0;
}
