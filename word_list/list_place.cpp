#include "word_list/list_place.h"

#include "main_window/program_folder.h"
#include "word_list/settings_file.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <climits>
#include <fcntl.h>

namespace {

constexpr int kMostLinks = 6;

struct Place {
    QString read, write; // empty before the start has settled them
};

Place& place() {
    static Place settled;
    return settled;
}

bool playerOrRoot(const struct stat& entry) {
    return entry.st_uid == ::geteuid() || entry.st_uid == 0;
}

bool writableByOthers(const struct stat& folder) {
    return (folder.st_mode & (S_IWGRP | S_IWOTH)) != 0; // an ACL's mask shows in the group bits
}

// Where others may write a sticky folder, they may still hard-link a file or link into it.
bool mayTake(const struct stat& entry, const struct stat& folder) {
    if (!playerOrRoot(entry))
        return false;
    if (S_ISDIR(entry.st_mode))
        return !writableByOthers(entry) || (entry.st_mode & S_ISVTX) != 0;
    return entry.st_nlink <= 1 || (entry.st_uid == ::geteuid() && !writableByOthers(folder));
}

// One name on the way, as an O_PATH descriptor; a missing folder made first where asked.
Failure step(int folder, const QByteArray& name, bool makeFolder, Descriptor& entry) {
    const auto open = [&] {
        entry.reset(::openat(folder, name, O_PATH | O_NOFOLLOW | O_CLOEXEC));
        return entry.valid();
    };
    if (open() || errno != ENOENT || !makeFolder)
        return entry.valid() ? Failure{} : Failure{"following the way to the list", errno};
    if (::mkdirat(folder, name, 0700) != 0 && errno != EEXIST)
        return Failure{"making the list's folder", errno};
    const Descriptor made(::openat(folder, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!made.valid() || !Folder(folder).sync(made.get()))
        return Failure{"making the list's folder", errno};
    return open() ? Failure{} : Failure{"following the way to the list", errno};
}

QByteArrayList namesOf(const QByteArray& path) {
    QByteArrayList names = path.split('/');
    names.removeAll(QByteArray());
    names.removeAll(QByteArray("."));
    if (path.startsWith('/'))
        names.prepend("/"); // opened from any folder, it is the root
    return names;
}

// $XDG_DATA_HOME where it is absolute, otherwise ~/.local/share; empty without a home.
QString playerDataFolder() {
    const QString data = QDir::cleanPath(qEnvironmentVariable("XDG_DATA_HOME"));
    if (data.startsWith(u'/'))
        return folderReachableAs(QFile::encodeName(data));
    const QString home = folderReachableAs(qgetenv("HOME"));
    return home.isEmpty() ? QString() : home + QStringLiteral("/.local/share");
}

// The player's own file, writable or not as its mode says; missing, in a folder of theirs they
// may write; or behind their own link that leads nowhere now (a stick that is away).
bool isPlayersOwn(const QByteArray& list) {
    ListWay way;
    const Failure found = judgeWay(list, way);
    const uid_t player = ::geteuid();
    if (!found)
        return way.info.st_uid == player;
    if (found.error != ENOENT)
        return false;
    if (way.listLink != uid_t(-1))
        return way.listLink == player;
    constexpr mode_t kMayWrite = S_IWUSR | S_IXUSR;
    return found.step == kFindingTheList && way.folderInfo.st_uid == player &&
           (way.folderInfo.st_mode & kMayWrite) == kMayWrite;
}

} // namespace

Failure judgeWay(const QByteArray& path, ListWay& way, bool makeFolders) {
    way = ListWay();
    if (!path.startsWith('/'))
        return {"finding the list: its folder is not known"};
    Descriptor at;
    struct stat atInfo {};
    int links = 0;
    for (QByteArrayList names = namesOf(path); !names.isEmpty();) {
        const QByteArray name = names.takeFirst();
        const bool last = names.isEmpty();
        Descriptor entry;
        struct stat info {};
        if (Failure failed = step(at.get(), name, makeFolders && !last, entry)) {
            if (last && failed.error == ENOENT)
                failed.step = kFindingTheList, way.folder = std::move(at), way.folderInfo = atInfo;
            return way.name = name, failed;
        }
        if (::fstat(entry.get(), &info) != 0)
            return Failure{"reading an owner on the way to the list", errno};
        if (!mayTake(info, atInfo))
            return {"following the way to the list: another user could have laid it"};
        if (S_ISLNK(info.st_mode)) {
            QByteArray target(PATH_MAX, Qt::Uninitialized);
            target.truncate(qMax(::readlinkat(entry.get(), "", target.data(), PATH_MAX), 0L));
            if (++links > kMostLinks || target.isEmpty())
                return {"following the way to the list: a link too many or to nothing"};
            if (last && way.listLink == uid_t(-1))
                way.listLink = info.st_uid;
            names = namesOf(target) + names;
        } else if (S_ISDIR(info.st_mode)) {
            at = std::move(entry), atInfo = info;
        } else if (!last || !S_ISREG(info.st_mode)) {
            return {"opening the list: not an ordinary file"}; // a pipe is never opened
        } else {
            way.folder = std::move(at), way.folderInfo = atInfo, way.name = name;
            way.file = std::move(entry), way.info = info;
            return {};
        }
    }
    return {"opening the list: not an ordinary file"};
}

void settleWordListPlace() {
    const QString beside = programFile(QStringLiteral("Settings"));
    place() = {beside, beside};
    if (beside.isEmpty() || isPlayersOwn(QFile::encodeName(beside)))
        return;
    place().write.clear(); // the list beside the program is read, never written
    const QString data = playerDataFolder(), own = data + QStringLiteral("/gibbetry/Settings");
    ListWay way;
    const Failure found =
        data.isEmpty() ? Failure{"finding a home"} : judgeWay(QFile::encodeName(own), way, true);
    if (found && found.step != kFindingTheList) {
        logged("Finding the player's own list", found);
        return;
    }
    place() = {own, own};
    if (!found)
        return;
    // What an administrator or a group gave the player is where their own list starts; while
    // another program holds it, this start makes none, and the next one tries again.
    const WordListRead given = readWordList(beside);
    if (given.outcome == WordListRead::Read)
        createFile(own, startingListFor(given.list.bytes));
    else if (given.outcome == WordListRead::Busy)
        place().write.clear();
}

QString settingsPath() {
    return place().read;
}
QString listToWrite() {
    return place().write;
}
