// libFuzzer target: any bytes as the Settings file, read by the real start-up load into the word
// list and written back by the real save. The round trip must give the same lines byte for byte,
// each ending in CR LF; nothing may crash or hang.

#include "fixture.h"
#include "main_window/list_view.h"
#include "main_window/program_folder.h"
#include "word_list/frm_words.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The lines of a file, split independently of the game: CR LF, LF and CR each end a line.
std::vector<std::string> linesOf(const uint8_t* data, size_t size) {
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            open = false;
            if (c == '\r' && i + 1 < size && data[i + 1] == '\n')
                ++i;
        } else {
            line += c;
            open = true;
        }
    }
    if (open)
        lines.push_back(line);
    return lines;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const uint8_t* data, size_t size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size))
        std::abort();
}

struct World {
    ScriptedDesktop quiet; // a failed save is answered OK: no retry
    FixedStartRandom random;
    Platform platform{quiet, quiet, quiet, random, quiet};
    QString settings;
    frmMain* window = nullptr;
};

World* world = nullptr;
QApplication* application = nullptr;

// The window goes before the application that drew it, so that the leak check at exit sees an
// orderly end.
void tearDown() {
    delete world->window;
    delete world;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDir(programFolder()).removeRecursively(); // the run's folder in memory goes with it
    delete application;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    // A folder in memory: every save flushes to disk, and a disk would make the run crawl.
    const QString folder =
        QStringLiteral("/dev/shm/gibbetry-fuzz-%1").arg(QCoreApplication::applicationPid());
    QDir().mkpath(folder);
    setProgramFolder(folder);
    world = new World;
    world->settings = folder + QStringLiteral("/Settings");
    writeAll(world->settings, reinterpret_cast<const uint8_t*>(""), 0);
    world->window = new frmMain(world->platform);
    std::atexit(tearDown);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    frmMain& window = *world->window;
    world->quiet.texts.clear();
    writeAll(world->settings, data, size);
    window.discardWordsWindow();
    window.Form_Load();

    const std::vector<std::string> lines = linesOf(data, size);
    ListView& list = window.lstWords();
    if (list.count() != static_cast<int>(lines.size()))
        std::abort();
    for (int k = 1; k <= list.count(); ++k) {
        if (list.subItem1(k) != QString::number(lines[k - 1].size()))
            std::abort(); // every byte is one character
    }

    // A game on whatever was read must not crash either.
    window.Command1_Click();
    for (qint16 letter = 0; letter < 26 && window.mnuStopGame->isEnabled(); letter += 5)
        window.cmdLetter_Click(letter);

    window.wordsWindow().cmdSave_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QByteArray after = readAll(world->settings);
    if (lines.size() > 32766 || lines.empty()) { // too long to save, or nothing to save
        if (world->quiet.texts.value(world->quiet.texts.size() - 1) !=
                QStringLiteral("Save Unsuccessful") ||
            after != QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)))
            std::abort();
        return 0;
    }
    QByteArray expected;
    for (const std::string& line : lines)
        expected += QByteArray::fromStdString(line) + "\r\n";
    if (world->quiet.texts.value(world->quiet.texts.size() - 1) !=
            QStringLiteral("Save Successful") ||
        after != expected)
        std::abort();
    return 0;
}
