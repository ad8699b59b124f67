#include "word_list/file_replace.h"

#include "word_list/new_file.h"
#include "word_list/save_folder.h"

#include <QFile>
#include <QLoggingCategory>
#include <QScopeGuard>
#include <attr/libattr.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>
#include <utility>

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

namespace {

// A failed step of a save, for whoever turned gibbetry.save on; the save itself just fails.
bool failed(const char* step, int error = errno) {
    qCWarning(lcSave, "Save Unsuccessful: %s failed: %s (errno %d)", step, std::strerror(error),
              error);
    errno = error;
    return false;
}

// Past a file-size limit a write must fail as on a full disk, not end the game in mid-save. What
// the game had before comes back afterwards, for the programs it starts to inherit.
auto writesFailPastTheLimit() {
    struct sigaction ignore {
    }, saved{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &saved);
    return qScopeGuard([saved] { ::sigaction(SIGXFSZ, &saved, nullptr); });
}

// Another copy's save holds the list for a moment. Anyone who may read the list can hold its
// lock for good, and the window must not freeze for them: past this, the save fails and Retry
// tries again.
constexpr auto kLockWait = std::chrono::seconds(2);

// True once the file is ours alone, or where the file system offers no locks (NFS without its
// lock daemon): there the save goes on as it did before it took locks.
bool lockWithin(int fd) {
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    while (saveCalls().lock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == ENOLCK || errno == EOPNOTSUPP || errno == EINVAL)
            return true;
        const bool held = errno == EWOULDBLOCK || errno == EINTR;
        if (!held || std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// Whole transfers at an offset: true once every byte has gone.
template <typename Transfer, typename Bytes>
bool transferAll(Transfer transfer, int fd, Bytes* bytes, qsizetype size) {
    for (qsizetype done = 0; done < size;) {
        const ssize_t n = transfer(fd, bytes + done, size_t(size - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// The bytes from the start of the file, the file cut after them, and all of it on disk.
bool overwrite(int fd, const QByteArray& bytes) {
    return transferAll(saveCalls().write, fd, bytes.constData(), bytes.size()) &&
           ::ftruncate(fd, bytes.size()) == 0 && saveCalls().dataSync(fd) == 0;
}

// Read through the descriptor already open: another copy of the game saving at the same time
// replaces the file under its name, never the bytes read here.
std::optional<QByteArray> readAll(int fd, qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    if (!transferAll(::pread, fd, bytes.data(), size))
        return std::nullopt;
    return bytes;
}

// The file a path leads to through its links, as long as that is still the file opened.
std::optional<QByteArray> fileBehind(const QByteArray& path, const struct stat& opened) {
    char* const resolved = ::realpath(path.constData(), nullptr);
    const QByteArray target(resolved);
    std::free(resolved);
    struct stat found {};
    if (target.isEmpty() || ::stat(target.constData(), &found) != 0 ||
        found.st_dev != opened.st_dev || found.st_ino != opened.st_ino)
        return std::nullopt;
    return target;
}

// The new file made exactly like the old one: whatever it inherited from its folder (a default
// ACL) goes, then owner and group, mode, and the old file's ACL and other extended attributes
// (the ACL puts its mask in the group bits). Those the system keeps to itself are left alone.
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
           ::fchmod(fd, like.st_mode & 07777) == 0 &&
           ::attr_copy_fd("Settings", old, "the new Settings", fd, wanted, nullptr) == 0;
}

// The file itself takes the bytes; when that fails part-way, its old bytes go back.
bool rewriteInPlace(int fd, const QByteArray& bytes, const QByteArray& old) {
    if (overwrite(fd, bytes))
        return true;
    const int error = errno;
    overwrite(fd, old);
    errno = error;
    return failed("writing the list in place");
}

// What kept the new file from replacing the list.
enum class Obstacle { FolderKeepsEveryName, NoNewFile, NotLikeTheOld, NoRename };

// The one place that decides to write the list in place rather than fail the save: where the
// folder gives up no names (append-only), takes no new files (locked, or a read-only mount),
// where the new file cannot have the old one's owner or attributes, or where the list cannot be
// renamed over (a file bind-mounted into a container). A crash can tear a list written in place,
// so every other obstacle fails the save.
bool writesInPlaceAfter(Obstacle obstacle, int error) {
    switch (obstacle) {
    case Obstacle::FolderKeepsEveryName:
    case Obstacle::NotLikeTheOld:
        return true;
    case Obstacle::NoNewFile:
        return error == EACCES || error == EPERM || error == EROFS;
    case Obstacle::NoRename:
        return error == EBUSY || error == EXDEV;
    }
    return false;
}

// The list as the save holds it: open, locked, and the file behind its name.
struct OpenList {
    Descriptor file;
    struct stat info {};
    QByteArray target; // through a link, the file it points to; the link stays
};

std::optional<OpenList> notOpened(const char* step, int error = errno) {
    failed(step, error);
    return std::nullopt;
}

// Another copy of the game saving the same list goes first; where it put a new file in the
// list's place, that one is opened next. Never created, a pipe of that name fails at once rather
// than wait for a reader, and a file that carries no write permission for anyone is left alone,
// whoever runs the game.
std::optional<OpenList> openLocked(const QByteArray& path) {
    OpenList list;
    if (!path.startsWith('/'))
        return notOpened("finding the list", EINVAL);
    for (int attempt = 0; attempt < 100; ++attempt) {
        list.file.reset(::open(path, O_RDWR | O_NONBLOCK | O_CLOEXEC));
        if (!list.file.valid())
            return notOpened("opening the list");
        if (!lockWithin(list.file.get()))
            return notOpened("locking the list");
        if (::fstat(list.file.get(), &list.info) != 0)
            return notOpened("reading the list's mode");
        if (!S_ISREG(list.info.st_mode) || (list.info.st_mode & 0222) == 0)
            return notOpened("taking the list: not an ordinary file anyone may write", EPERM);
        if (std::optional<QByteArray> target = fileBehind(path, list.info)) {
            list.target = *target;
            return list;
        }
    }
    return notOpened("finding the file behind the list's name", EAGAIN);
}

} // namespace

bool createFile(const QString& path, const QByteArray& bytes) {
    const auto limit = writesFailPastTheLimit();
    const QByteArray given = QFile::encodeName(path);
    if (!given.startsWith('/'))
        return failed("finding the new list", EINVAL);
    const Folder folder(given);
    if (folder.fd() < 0)
        return failed("opening the folder");
    NewFile file(folder, 0666); // as the umask allows
    if (file.fd() < 0)
        return failed("making the new list", file.error());
    if (!overwrite(file.fd(), bytes))
        return failed("writing the new list");
    if (!file.create())
        return failed("giving the new list its name");
    // The file is whole once it has its name; only the name may not outlive a failed sync.
    if (!folder.sync(file.fd()))
        return failed("syncing the folder");
    return true;
}

bool rewriteFile(const QString& path, const QByteArray& bytes) {
    const auto limit = writesFailPastTheLimit();
    std::optional<OpenList> list = openLocked(QFile::encodeName(path));
    if (!list)
        return false;
    const int fd = list->file.get();
    const std::optional<QByteArray> oldBytes = readAll(fd, list->info.st_size);
    if (!oldBytes)
        return failed("reading the old list");
    const Folder folder(list->target);
    if (folder.fd() < 0)
        return failed("opening the list's folder");
    const auto inPlaceAfter = [&](Obstacle obstacle, int error, const char* step) {
        if (!writesInPlaceAfter(obstacle, error))
            return failed(step, error);
        qCInfo(lcSave, "%s: %s; writing the list in place", step, std::strerror(error));
        return rewriteInPlace(fd, bytes, *oldBytes);
    };

    if (folder.keepsEveryName())
        return inPlaceAfter(Obstacle::FolderKeepsEveryName, 0, "the folder is append-only");
    NewFile fresh(folder, 0600);
    if (fresh.fd() < 0)
        return inPlaceAfter(Obstacle::NoNewFile, fresh.error(), "making the new file");
    if (!makeLike(fresh.fd(), fd, list->info))
        return inPlaceAfter(Obstacle::NotLikeTheOld, errno,
                            "giving the new file the old one's owner and attributes");
    if (!overwrite(fresh.fd(), bytes))
        return failed("writing the new file");
    // Locked too, for a copy that opens the list once it has taken the list's place.
    if (!lockWithin(fresh.fd()))
        return failed("locking the new file");
    if (!fresh.takeName())
        return failed("naming the new file", fresh.error());
    if (!fresh.replace())
        return inPlaceAfter(Obstacle::NoRename, fresh.error(),
                            "renaming the new file over the list");
    if (folder.sync(fresh.fd()))
        return true;
    // The new name may never reach the disk: the old list goes back under it.
    const int error = errno;
    overwrite(fresh.fd(), *oldBytes);
    return failed("syncing the folder", error);
}
