#pragma once

#include "about/shell.h"
#include "game/random_source.h"
#include "game/sound_player.h"
#include "main_window/frm_main.h"
#include "main_window/input_box.h"
#include "main_window/letter_button.h"
#include "main_window/message_box.h"
#include "main_window/platform.h"

#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <memory>

class LetterSlot;
class ListView;

// The desktop as a script: it records every message, sound and link, answers messages from
// `answers` (OK once they run out), types `typed` into the input box ("" once they run out) and
// deals from `values` (0 once they run out).
struct ScriptedDesktop final : MessageBox, InputBox, SoundPlayer, RandomSource, Shell {
    QStringList texts, typed, played, cues;
    QList<int> styles, answers;
    QList<float> values;
    int taken = 0;
    QPoint askedAtTwips;
    QList<QUrl> opened;
    std::function<void(const QString&)> whileShown; // looks at the board while a message is up
    std::function<void()> whilePlaying;

    QStringList reasons;
    int show(const QString& text, int style, const QString& caption,
             const QString& reason = {}) override;
    QString ask(const QString& prompt, const QString& caption, const QString& defaultText,
                QPoint topLeftTwips) override;
    void playToEnd(const QString& path) override;
    void cue(const QString& path) override { cues.append(path); }
    float next() override;
    void open(const QUrl& address) override { opened.append(address); }
};

// One run of the program for one test: a fresh program folder and home, the scripted desktop,
// and the board. It stops the test before the program starts when the program would keep its
// files anywhere but in those folders.
struct GameRun {
    GameRun();
    ~GameRun();
    QTemporaryDir folder; // the program's
    QTemporaryDir home;   // the player's, HOME
    ScriptedDesktop desktop;
    Platform platform{desktop, desktop, desktop, desktop, desktop};
    std::unique_ptr<frmMain> window;

    QString file(const QString& name) const { return folder.filePath(name); }
    void writeSettings(const QByteArray& bytes) const;
    void writeWords(const QStringList& words) const { writeSettings(linesOf(words)); }
    QByteArray readSettings() const;
    // Starts the program on the folder as it stands; deals a one-word list; clicks letters.
    frmMain& start();
    frmMain& deal(const QByteArray& word);
    void press(const char* letters);

    static QByteArray linesOf(const QStringList& words);
};

// The default words as a first run writes them.
QByteArray defaultSettingsBytes();
// The board: pieces up in the order a game reveals them ("111000000000"); how it differs from
// the no-game state or from the board as built (a first run), empty when it matches.
QStringList slotTexts(const frmMain& window, QString (LetterSlot::*text)() const);
QString shownPieces(const frmMain& window);
QString stage(int misses);
QStringList listRows(const ListView& list);
QString noGameDifference(const frmMain& window);
QString designBoardDifference(const frmMain& window);

// Runs `whileUp` once the next modal window is up. A modal that a failed check leaves open is
// closed after a few seconds, so that no run ever hangs.
void whenModal(const std::function<void(QWidget&)>& whileUp);

// Whether this process reads and writes past file permissions, as root does: a test of what
// a player may not do skips then.
bool overridesFilePermissions();

// From now on, until the test's saving calls are put back, a save's write that would take a
// file past the given size meets the file-size limit, as on a full disk. The limit holds for
// that write alone: the test's own output, to a file too, never meets it.
void limitSaveWrites(long bytes);

// The same, while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit() { lift(); }
    void lift();

private:
    bool lifted_ = true;
};
