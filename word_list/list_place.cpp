#include "word_list/list_place.h"

#include "main_window/program_folder.h"
#include "word_list/file_replace.h"
#include "word_list/save_folder.h"
#include "word_list/settings_file.h"

#include <QFile>
#include <QFileInfo>
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

// Whose the list is: the file behind a link, or the link itself where it leads nowhere.
uid_t ownerOf(const QString& list) {
    const QByteArray path = QFile::encodeName(list);
    struct stat info {};
    if (::stat(path.constData(), &info) != 0 && ::lstat(path.constData(), &info) != 0)
        return uid_t(-1);
    return info.st_uid;
}

// The player may write the list there: an ordinary file they may read and write (a list an
// administrator shares with a group), or one of their own, left as they made it. Where there
// is none, the folder must take their new files. Another player's list in a folder anyone may
// write is not this player's to keep.
bool playerMayKeepListIn(const QString& folder, const QString& list) {
    const QFileInfo info(list);
    if (!info.exists() && !info.isSymLink())
        return playerMay(folder, W_OK | X_OK);
    if (info.isFile() && playerMay(list, R_OK | W_OK))
        return true;
    return ownerOf(list) == ::geteuid() && playerMay(folder, W_OK | X_OK);
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
    return slash > 0 && makeFolders(path.left(slash)) && makeFolder(path);
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
