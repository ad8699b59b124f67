#include "word_list/list_place.h"

#include "main_window/program_folder.h"
#include "word_list/settings_file.h"

#include <QDir>
#include <QFile>
#include <climits>
#include <fcntl.h>

namespace {

QString& settledPath() {
    static QString path;
    return path;
}

bool mayFollow(const struct stat& folder, uid_t link) {
    return link == ::geteuid() || link == 0 || playerMayWrite(folder, uid_t(-1), uid_t(-1));
}

// The entry itself where it is a file; through a link, the file it names, seen from the link's
// folder, and no further link.
Failure openBehind(OpenList& list, int access) {
    const Folder& folder = *list.folder;
    struct stat at {};
    const Descriptor entry(::openat(folder.fd(), list.name, O_PATH | O_NOFOLLOW | O_CLOEXEC));
    if (!entry.valid())
        return Failure{kFindingTheList, errno};
    if (::fstat(folder.fd(), &at) != 0 || ::fstat(entry.get(), &list.entry) != 0)
        return Failure{"reading the list's owner", errno};
    if (S_ISREG(list.entry.st_mode)) {
        list.file.reset(::open("/proc/self/fd/" + QByteArray::number(entry.get()), access));
    } else if (!S_ISLNK(list.entry.st_mode)) {
        return {"opening the list: not an ordinary file"}; // a pipe is never opened
    } else if (!mayFollow(at, list.entry.st_uid)) {
        return {"following a link another user made"};
    } else {
        QByteArray target(PATH_MAX, Qt::Uninitialized); // the empty name where it cannot be read
        target.truncate(qMax(::readlinkat(entry.get(), "", target.data(), PATH_MAX - 1), 0L));
        const QByteArray full = target.startsWith('/') ? target : folder.path() + '/' + target;
        list.file.reset(::openat(folder.fd(), target, access | O_NOFOLLOW));
        list.fileFolder.emplace(folderOf(full));
        list.fileName = nameOf(full);
    }
    if (!list.file.valid() || ::fstat(list.file.get(), &list.info) != 0)
        return Failure{"opening the list", errno};
    if (!S_ISREG(list.info.st_mode))
        return {"opening the list: not an ordinary file"};
    if ((access & O_ACCMODE) == O_RDONLY)
        return {};
    if (!playerMayWrite(at, list.entry.st_uid, list.info.st_uid))
        return {"taking the list: it is another user's"};
    return (list.info.st_mode & 0222) == 0 ? Failure{"taking the list: nobody may write it"}
                                           : Failure{};
}

// The file system must let the player write it too: a locked folder or a read-only list sends
// them to their own.
bool playerMayKeep(const QByteArray& list) {
    OpenList open;
    const Failure failed = openList(list, ListUse::Write, open);
    struct stat at {};
    if (failed.step != kFindingTheList || failed.error != ENOENT || ::fstat(open.folder->fd(), &at))
        return !failed;
    return playerMayWrite(at, ::geteuid(), ::geteuid()) &&
           ::faccessat(open.folder->fd(), ".", W_OK | X_OK, AT_EACCESS) == 0;
}

// $XDG_DATA_HOME where it is absolute, otherwise ~/.local/share; empty without a home. Qt's own
// answer keeps a relative XDG_DATA_HOME and makes "//.local/share" of a missing home.
QString playerDataFolder() {
    const QString data = QDir::cleanPath(qEnvironmentVariable("XDG_DATA_HOME"));
    if (data.startsWith(u'/'))
        return folderReachableAs(QFile::encodeName(data));
    const QString home = folderReachableAs(qgetenv("HOME"));
    return home.isEmpty() ? QString() : home + QStringLiteral("/.local/share");
}

// Each missing folder of the path, as XDG asks (0700), each on disk before the next.
bool makeFolders(const QByteArray& path) {
    if (QFileInfo(QFile::decodeName(path)).isDir())
        return true;
    if (path.lastIndexOf('/') <= 0 || !makeFolders(folderOf(path)))
        return false;
    const Folder parent(folderOf(path));
    if (::mkdirat(parent.fd(), nameOf(path), 0700) != 0 && errno != EEXIST)
        return false;
    const Descriptor made(::openat(parent.fd(), nameOf(path), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return made.valid() && parent.sync(made.get());
}

} // namespace

bool playerMayWrite(const struct stat& folder, uid_t link, uid_t file) {
    const uid_t player = ::geteuid();
    const bool closedToOthers = (folder.st_mode & (S_IWGRP | S_IWOTH)) == 0; // ACL mask: group
    return folder.st_uid == player && (closedToOthers || (link == player && file == player));
}

bool OpenList::stillNamed() const {
    const auto named = [](const Folder& in, const QByteArray& name, const struct stat& file) {
        struct stat now {};
        return ::fstatat(in.fd(), name, &now, AT_SYMLINK_NOFOLLOW) == 0 &&
               now.st_dev == file.st_dev && now.st_ino == file.st_ino;
    };
    return named(*folder, name, entry) && named(whereFileLies(), fileName, info);
}

Failure openList(const QByteArray& path, ListUse use, OpenList& list) {
    if (!path.startsWith('/'))
        return {"finding the list: its folder is not known"};
    list.folder.emplace(folderOf(path));
    list.fileFolder.reset();
    list.name = list.fileName = nameOf(path);
    if (list.folder->fd() < 0)
        return Failure{"opening the list's folder", errno};
    const int access = use == ListUse::Write ? O_RDWR : O_RDONLY;
    return openBehind(list, access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

void settleWordListPlace() {
    const QString beside = programFile(QStringLiteral("Settings"));
    settledPath() = beside;
    if (beside.isEmpty() || playerMayKeep(QFile::encodeName(beside)))
        return;
    const QString data = playerDataFolder(), folder = data + QStringLiteral("/gibbetry");
    if (data.isEmpty() || !makeFolders(QFile::encodeName(folder)))
        return; // the list beside the program is read, never written
    const QString own = folder + QStringLiteral("/Settings");
    settledPath() = own;
    if (QFileInfo(own).exists() || QFileInfo(own).isSymLink())
        return;
    // What an administrator or a group gave the player is where their own list starts.
    const WordListRead given = readWordList(beside);
    if (given.outcome == WordListRead::Read)
        createFile(own, given.list.bytes);
}

QString settingsPath() {
    return settledPath().isEmpty() ? programFile(QStringLiteral("Settings")) : settledPath();
}
