#pragma once

#include "about/shell.h"
#include "game/random_source.h"
#include "game/sound_player.h"
#include "main_window/input_box.h"
#include "main_window/message_box.h"
#include "main_window/platform.h"

#include <QList>
#include <QStringList>
#include <functional>

// Records every message and answers from a script (OK when the script has run out).
class ScriptedMessageBox final : public MessageBox {
public:
    struct Shown {
        QString text;
        int style = 0;
        QString caption;
    };
    QList<Shown> shown;
    QList<int> answers;
    // Runs while the "box" is up, so a test can look at the board at that moment.
    std::function<void(const Shown&)> whileShown;

    int show(const QString& text, int style, const QString& caption) override;
    QStringList texts() const;
};

// Types the scripted answers in order; "" (Cancel) once they have run out.
class ScriptedInputBox final : public InputBox {
public:
    struct Asked {
        QString prompt;
        QString caption;
        QString defaultText;
        QPoint topLeftTwips;
    };
    QList<Asked> asked;
    QStringList answers;

    QString ask(const QString& prompt, const QString& caption, const QString& defaultText,
                QPoint topLeftTwips) override;
};

// Remembers what it was asked to play instead of playing it.
class RecordingSound final : public SoundPlayer {
public:
    QStringList played;
    std::function<void(const QString&)> whilePlaying;

    void playToEnd(const QString& path) override;
};

// Hands out the scripted values in order, then 0 (which always deals row 1).
class ScriptedRandom final : public RandomSource {
public:
    QList<float> values;
    int taken = 0;

    float next() override;
};

// Remembers the addresses instead of opening them.
class RecordingShell final : public Shell {
public:
    QList<QUrl> opened;

    void open(const QUrl& address) override { opened.append(address); }
};

struct FakePlatform {
    ScriptedMessageBox messageBox;
    ScriptedInputBox inputBox;
    RecordingSound sound;
    ScriptedRandom random;
    RecordingShell shell;
    Platform platform{messageBox, inputBox, sound, random, shell};
};
