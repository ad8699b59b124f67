#include "game/sound_player.h"

#include "main_window/program_folder.h"

#include <QApplication>
#include <QLibrary>
#include <QLoggingCategory>
#include <QTimer>

Q_LOGGING_CATEGORY(lcSound, "gibbetry.sound", QtCriticalMsg)

DesktopSound::DesktopSound(QString moduleFolder)
    : moduleFolder_(std::move(moduleFolder)) {}

bool DesktopSound::moduleLoaded() {
    if (!tried_) {
        tried_ = true;
        const QString module = moduleFolder_.isEmpty()
                                   ? programFile(QStringLiteral("gibbetry_sound"))
                                   : moduleFolder_ + QStringLiteral("/gibbetry_sound");
        using Make = SoundPlayer* (*)();
        QLibrary library(module); // loaded for the rest of the run
        if (auto make = reinterpret_cast<Make>(library.resolve("gibbetryMultimediaSound")))
            module_ = make();
        else
            qCWarning(lcSound, "no sound module, a beep instead: %s",
                      qPrintable(library.errorString()));
    }
    return module_ != nullptr;
}

void DesktopSound::prepare(const QString& path) {
    // Once the message is up: the module and the sound load while the player reads it.
    QTimer::singleShot(0, qApp, [this, path] {
        if (moduleLoaded())
            module_->prepare(path);
    });
}

void DesktopSound::prepareCue(const QString& path) {
    // After the deal's news: the cues' stream opens while the player hears it.
    QTimer::singleShot(0, qApp, [this, path] {
        if (moduleLoaded())
            module_->prepareCue(path);
    });
}

void DesktopSound::cue(const QString& path) {
    if (moduleLoaded())
        module_->cue(path);
}

void DesktopSound::playToEnd(const QString& path) {
    if (moduleLoaded())
        module_->playToEnd(path);
    else
        QApplication::beep();
}
