#include "word_list/file_replace.h"

#include "word_list/list_place.h"
#include "word_list/new_file.h"
#include "word_list/save_folder.h"
#include "word_list/settings_file.h"

#include <QFile>
#include <QScopeGuard>
#include <algorithm>
#include <attr/libattr.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>

SaveCalls& saveCalls() {
    static SaveCalls calls{
        .makeFile = [](int folder, const char* name, int flags,
                       mode_t mode) { return ::openat(folder, name, flags, mode); },
        .write = ::pwrite,
        .own = ::fchown,
        .link = ::linkat,
        .rename = [](int folder, const char* from, const char* to,
                     unsigned flags) { return ::renameat2(folder, from, folder, to, flags); },
        .dataSync = ::fdatasync,
        .folderSync = ::fsync,
        .lock = ::flock,
    };
    return calls;
}

Q_LOGGING_CATEGORY(lcSave, "gibbetry.save", QtCriticalMsg)

bool logged(const char* work, const Failure& failure) {
    if (failure.error == 0)
        qCWarning(lcSave, "%s: %s", work, failure.step);
    else
        qCWarning(lcSave, "%s: %s failed: %s (errno %d)", work, failure.step,
                  std::strerror(failure.error), failure.error);
    return false;
}

Failure lockBefore(int fd, int operation, Deadline deadline) {
    while (saveCalls().lock(fd, operation | LOCK_NB) != 0) {
        if (errno == ENOLCK || errno == EOPNOTSUPP || errno == EINVAL)
            return {};
        if (errno != EWOULDBLOCK && errno != EINTR)
            return Failure{"locking the list", errno};
        if (std::chrono::steady_clock::now() >= deadline)
            return {kHeldPastTheWait};
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
}

namespace {

bool writeAll(int fd, const QByteArray& bytes) {
    for (ssize_t done = 0, n = 0; done < bytes.size(); done += qMax<ssize_t>(n, 0)) {
        n = saveCalls().write(fd, bytes.constData() + done, size_t(bytes.size() - done), done);
        if (n == 0 || (n < 0 && errno != EINTR))
            return false;
    }
    return true;
}

// Past a file-size limit a write fails as on a full disk rather than end the game; the programs
// the game starts later inherit what it had before.
auto writesFailPastTheLimit() {
    struct sigaction ignore {
    }, saved{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &saved);
    return qScopeGuard([saved] { ::sigaction(SIGXFSZ, &saved, nullptr); });
}

// The bytes from the start of the file, all on disk. An old file is cut after them; a new one
// never is, since FAT through FUSE refuses to cut a file it just made.
bool put(int fd, const QByteArray& bytes, bool old = true) {
    return writeAll(fd, bytes) && (!old || ::ftruncate(fd, bytes.size()) == 0) &&
           saveCalls().dataSync(fd) == 0;
}

// The file flags a file's owner may set with chattr (no dump, no atime updates, synchronous,
// compression, no copy on write). Append-only and immutable ones need root and stop a save.
constexpr int kOwnersFlags =
    FS_NODUMP_FL | FS_NOATIME_FL | FS_SYNC_FL | FS_COMPR_FL | FS_NOCOMP_FL | FS_NOCOW_FL;

bool sameFlags(int fd, int old) {
    int wanted = 0, flags = 0;
    if (::ioctl(old, FS_IOC_GETFLAGS, &wanted) != 0 || (wanted & kOwnersFlags) == 0)
        return true; // a file system without flags, or none set
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0)
        return false;
    flags = (flags & ~kOwnersFlags) | (wanted & kOwnersFlags);
    return ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
}

// What the new file inherited (a default ACL) goes; the old file's owner, group, mode, flags,
// ACL and extended attributes come, but for those the system keeps to itself (trusted.*).
bool makeLike(int fd, int old, const struct stat& like) {
    const auto wanted = [](const char* name, struct error_context* context) {
        return attr_copy_action(name, context) != ATTR_ACTION_SKIP ? 1 : 0;
    };
    char names[4096];
    const ssize_t size = qMax<ssize_t>(::flistxattr(fd, names, sizeof names), 0);
    for (const char* name = names; name < names + size; name += std::strlen(name) + 1) {
        if (wanted(name, nullptr) && ::fremovexattr(fd, name) != 0)
            return false;
    }
    return saveCalls().own(fd, like.st_uid, like.st_gid) == 0 &&
           ::fchmod(fd, like.st_mode & 07777) == 0 && sameFlags(fd, old) &&
           ::attr_copy_fd("Settings", old, "the new Settings", fd, wanted, nullptr) == 0;
}

// The file itself takes the bytes; when that fails part-way, its old bytes go back.
Failure rewriteInPlace(int fd, const QByteArray& bytes, const QByteArray& old) {
    if (put(fd, bytes))
        return {};
    const Failure failed = Failure{"writing the list in place", errno};
    put(fd, old);
    return failed;
}

// Another copy's save may put a new file in the list's place while this one waits for the lock:
// that one is the list then. One deadline covers the whole wait.
Failure openLocked(const QByteArray& path, ListWay& way, Descriptor& file) {
    for (const Deadline deadline = lockDeadline();;) {
        if (const Failure failed = judgeWay(path, way))
            return failed;
        if ((way.info.st_mode & 0222) == 0) // root would write it all the same
            return {"taking the list: nobody may write it"};
        file.reset(::open(reopenName(way.file.get()), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (!file.valid())
            return Failure{"opening the list", errno};
        if (const Failure failed = lockBefore(file.get(), LOCK_EX, deadline))
            return failed;
        ListWay now;
        if (!judgeWay(path, now) && now.info.st_dev == way.info.st_dev &&
            now.info.st_ino == way.info.st_ino)
            return {};
        if (std::chrono::steady_clock::now() >= deadline)
            return {"taking the list: another program kept putting a new file in its place"};
    }
}

Failure createIn(const ListWay& way, const QByteArray& bytes) {
    const Folder folder(way.folder.get());
    NewFile file(folder, way.name, 0666); // as the umask allows
    if (file.fd() < 0)
        return {"making the new list", file.error()};
    if (!put(file.fd(), bytes, false))
        return Failure{"writing the new list", errno};
    if (!file.create())
        return {"giving the new list its name", file.error()};
    // The file is whole once it has its name; only the name may not outlive a failed sync.
    if (!folder.sync(file.fd()))
        return Failure{"syncing the folder", errno};
    return {};
}

Failure replaceList(const QByteArray& path, const QByteArray& bytes) {
    ListWay way;
    Descriptor file;
    const Failure opened = openLocked(path, way, file);
    if (opened.step == kFindingTheList && way.listLink == ::geteuid())
        return createIn(way, bytes); // the player's own link whose file is away
    if (opened)
        return opened;
    const int fd = file.get();
    QByteArray old;
    if (const Failure failed = readList(fd, old))
        return failed;
    // A crash can tear a list written in place: only these obstacles lead there (a locked folder
    // or read-only mount, append-only, a bind-mounted file), every other fails the save.
    const auto inPlaceAfter = [&](const Failure& obstacle, std::initializer_list<int> errors) {
        if (errors.size() > 0 &&
            std::find(errors.begin(), errors.end(), obstacle.error) == errors.end())
            return obstacle;
        logged("Writing the list in place", obstacle);
        return rewriteInPlace(fd, bytes, old);
    };
    const Folder folder(way.folder.get());
    if (folder.keepsEveryName())
        return inPlaceAfter({"the folder is append-only"}, {});
    NewFile fresh(folder, way.name, 0600);
    if (fresh.fd() < 0)
        return inPlaceAfter({"making the new file", fresh.error()}, {EACCES, EPERM, EROFS});
    if (!makeLike(fresh.fd(), fd, way.info))
        return inPlaceAfter(Failure{"making the new file like the old", errno}, {});
    if (!put(fresh.fd(), bytes, false))
        return Failure{"writing the new file", errno};
    // Locked too, for a copy that opens the list once it has taken the list's place.
    if (const Failure failed = lockBefore(fresh.fd(), LOCK_EX, lockDeadline()))
        return failed;
    if (!fresh.takeName())
        return {"naming the new file", fresh.error()};
    if (!fresh.replace())
        return inPlaceAfter({"renaming the new file over the list", fresh.error()}, {EBUSY, EXDEV});
    if (folder.sync(fresh.fd()))
        return {};
    // The new name may never reach the disk: the old list goes back under it.
    const Failure failed = Failure{"syncing the folder", errno};
    put(fresh.fd(), old);
    return failed;
}

} // namespace

bool createFile(const QString& path, const QByteArray& bytes) {
    const auto limit = writesFailPastTheLimit();
    ListWay way;
    Failure failed = judgeWay(QFile::encodeName(path), way);
    failed = failed.step == kFindingTheList ? createIn(way, bytes)
             : failed                       ? failed
                                            : Failure{"giving the new list its name", EEXIST};
    return !failed || logged("First start: no list made", failed);
}

bool rewriteFile(const QString& path, const QByteArray& bytes) {
    const auto limit = writesFailPastTheLimit();
    const Failure failed = replaceList(QFile::encodeName(path), bytes);
    return !failed || logged("Save Unsuccessful", failed);
}
