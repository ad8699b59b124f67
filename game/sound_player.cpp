#include "game/sound_player.h"

#include "main_window/program_folder.h"

#include <QApplication>
#include <QLibrary>
#include <QTimer>

DesktopSound::DesktopSound(QString moduleFolder)
    : moduleFolder_(std::move(moduleFolder)) {}

bool DesktopSound::moduleLoaded() {
    if (!tried_) {
        tried_ = true;
        const QString module = moduleFolder_.isEmpty()
                                   ? programFile(QStringLiteral("gibbetry_sound"))
                                   : moduleFolder_ + QStringLiteral("/gibbetry_sound");
        using Make = SoundPlayer* (*)();
        if (auto make =
                reinterpret_cast<Make>(QLibrary::resolve(module, "gibbetryMultimediaSound")))
            module_ = make();
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

void DesktopSound::playToEnd(const QString& path) {
    if (moduleLoaded())
        module_->playToEnd(path);
    else
        QApplication::beep();
}
