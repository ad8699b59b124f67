#include "word_list/list_place.h"

#include "main_window/program_folder.h"
#include "word_list/file_replace.h"
#include "word_list/settings_file.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString& settledPath() {
    static QString path;
    return path;
}

// Asked with the effective IDs, as a save meets it; a read-only mount answers no.
bool playerMay(const QString& path, int access) {
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), access, AT_EACCESS) == 0;
}

// The folder takes the player's new files, or its list is an ordinary file the player may read
// and write (a shared list in a folder only its administrator may change).
bool playerMayKeepListIn(const QString& folder, const QString& list) {
    return playerMay(folder, W_OK | X_OK) ||
           (QFileInfo(list).isFile() && playerMay(list, R_OK | W_OK));
}

// $XDG_DATA_HOME where it is absolute, otherwise ~/.local/share; empty without a home. Qt's own
// answer keeps a relative XDG_DATA_HOME and makes "//.local/share" of a missing home.
QString playerDataFolder() {
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    if (data.startsWith('/'))
        return folderReachableAs(data);
    const QString home = folderReachableAs(qgetenv("HOME"));
    return home.isEmpty() ? QString() : home + QStringLiteral("/.local/share");
}

// Makes each missing folder of the path, as XDG asks (0700), each on disk before the next.
bool makeFolders(const QString& path) {
    if (QFileInfo(path).isDir())
        return true;
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString parent = path.left(slash);
    if (slash <= 0 || !makeFolders(parent))
        return false;
    if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST)
        return false;
    const int fd =
        ::open(QFile::encodeName(parent).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return synced;
}

} // namespace

void settleWordListPlace() {
    const QString beside = programFile(QStringLiteral("Settings"));
    settledPath() = beside;
    if (beside.isEmpty() || playerMayKeepListIn(programFolder(), beside))
        return;
    const QString data = playerDataFolder();
    if (data.isEmpty())
        return;
    const QString folder = data + QStringLiteral("/gibbetry");
    const QString own = folder + QStringLiteral("/Settings");
    if (!makeFolders(folder) || !playerMayKeepListIn(folder, own))
        return;
    settledPath() = own;
    if (QFileInfo(own).exists() || QFileInfo(own).isSymLink())
        return;
    // An administrator's starting list is the player's from the first start on.
    const WordListRead shared = readWordList(beside);
    if (shared.outcome == WordListRead::Read)
        createFile(own, shared.list.bytes);
}

QString settingsPath() {
    return settledPath().isEmpty() ? programFile(QStringLiteral("Settings")) : settledPath();
}
