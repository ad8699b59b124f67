#include "word_list/file_replace.h"

#include "word_list/save_folder.h"

#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <attr/libattr.h>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
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

namespace {

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
    return transferAll(::pread, fd, bytes.data(), size) ? std::optional(bytes) : std::nullopt;
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

// The new file the list goes to before it takes the list's name. Where the file system offers
// it, the file has no name until it is whole, so that a crash meanwhile leaves nothing behind;
// elsewhere it has a random name beside the list until then.
class NewFile {
public:
    NewFile(const Folder& folder, mode_t mode)
        : folder_(folder) {
        const auto make = saveCalls().makeFile;
        file_.reset(make(folder.fd(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
        error_ = file_.valid() ? 0 : errno;
        if (error_ == EOPNOTSUPP || error_ == EISDIR)
            takeFreeName([&](const QByteArray& name) {
                file_.reset(make(folder.fd(), name, O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode));
                return file_.valid();
            });
    }
    ~NewFile() {
        if (!name_.isEmpty())
            ::unlinkat(folder_.fd(), name_.constData(), 0);
    }
    int fd() const { return file_.get(); }
    int error() const { return error_; } // why it could not be made, or renamed

    // Under the list's name, never over a file of that name. A file system without hard links
    // (exFAT, FAT) still renames without replacing; one that cannot do that may still link.
    bool create() {
        const int folder = folder_.fd();
        if (name_.isEmpty())
            return saveCalls().link(AT_FDCWD, self(), folder, folder_.name(), AT_SYMLINK_FOLLOW) ==
                   0;
        if (saveCalls().rename(folder, name_, folder_.name(), RENAME_NOREPLACE) == 0) {
            name_.clear();
            return true;
        }
        if (errno != EINVAL)
            return false;
        if (saveCalls().link(folder, name_, folder, folder_.name(), 0) == 0)
            return true;
        if (errno == EEXIST)
            return false;
        // Neither (exFAT through FUSE): only a name still free is taken, by the file as it is,
        // whole and on disk.
        struct stat taken {};
        if (::fstatat(folder, folder_.name(), &taken, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT)
            return false;
        if (saveCalls().rename(folder, name_, folder_.name(), 0) != 0)
            return false;
        name_.clear();
        return true;
    }
    // A name of its own beside the list, where it has none yet.
    bool takeName() {
        return !name_.isEmpty() || takeFreeName([&](const QByteArray& name) {
            return saveCalls().link(AT_FDCWD, self(), folder_.fd(), name, AT_SYMLINK_FOLLOW) == 0;
        });
    }
    // From its own name to the list's place.
    bool replace() {
        if (saveCalls().rename(folder_.fd(), name_, folder_.name(), 0) != 0)
            return error_ = errno, false;
        name_.clear();
        return true;
    }

private:
    QByteArray self() const { return "/proc/self/fd/" + QByteArray::number(fd()); }

    // Random names of the list's, cut to leave room for the suffix, until `take` finds one free.
    bool takeFreeName(const std::function<bool(const QByteArray&)>& take) {
        static constexpr char kLetters[] =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            QByteArray name = folder_.name().left(NAME_MAX - 7) + '.';
            for (int i = 0; i < 6; ++i)
                name += kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters) - 1)];
            if (take(name))
                return name_ = name, true;
            if ((error_ = errno) != EEXIST)
                return false;
        }
        return false;
    }

    const Folder& folder_;
    Descriptor file_;
    QByteArray name_; // its own name beside the list, while it has one
    int error_ = 0;
};

// The file itself takes the bytes; when that fails part-way, its old bytes go back.
bool rewriteInPlace(int fd, const QByteArray& bytes, const QByteArray& old) {
    if (overwrite(fd, bytes))
        return true;
    overwrite(fd, old);
    return false;
}

} // namespace

bool createFile(const QString& path, const QByteArray& bytes) {
    const auto limit = writesFailPastTheLimit();
    const QByteArray given = QFile::encodeName(path);
    if (!given.startsWith('/'))
        return false;
    const Folder folder(given);
    if (folder.fd() < 0)
        return false;
    NewFile file(folder, 0666); // as the umask allows
    // The file is whole once it has its name; only the name may not outlive a failed sync.
    return file.fd() >= 0 && overwrite(file.fd(), bytes) && file.create() && folder.sync(file.fd());
}

bool rewriteFile(const QString& path, const QByteArray& bytes) {
    const auto limit = writesFailPastTheLimit();
    const QByteArray given = QFile::encodeName(path);
    Descriptor file;
    struct stat old {};
    std::optional<QByteArray> target; // through a link, the file it points to; the link stays
    // Another copy of the game saving the same list goes first; where it put a new file in the
    // list's place, that one is opened next. Never created, a pipe of that name fails at once
    // rather than wait for a reader, and a file that carries no write permission for anyone is
    // left alone, whoever runs the game.
    for (int attempt = 0; attempt < 100 && !target; ++attempt) {
        file.reset(given.startsWith('/') ? ::open(given, O_RDWR | O_NONBLOCK | O_CLOEXEC) : -1);
        if (!file.valid() || !lockWithin(file.get()) || ::fstat(file.get(), &old) != 0 ||
            !S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0)
            return false;
        target = fileBehind(given, old);
    }
    const std::optional<QByteArray> oldBytes = readAll(file.get(), old.st_size);
    if (!oldBytes || !target)
        return false;
    const Folder folder(*target);
    if (folder.fd() < 0)
        return false;

    const auto inPlace = [&] { return rewriteInPlace(file.get(), bytes, *oldBytes); };
    if (folder.keepsEveryName())
        return inPlace();
    NewFile fresh(folder, 0600);
    // A folder that takes no new files: locked, or on a read-only mount.
    const int error = fresh.error();
    if (fresh.fd() < 0)
        return (error == EACCES || error == EPERM || error == EROFS) && inPlace();
    if (!makeLike(fresh.fd(), file.get(), old))
        return inPlace();
    // Locked too, for a copy that opens the list once it has taken the list's place.
    if (!overwrite(fresh.fd(), bytes) || !lockWithin(fresh.fd()) || !fresh.takeName())
        return false;
    // A file bind-mounted into a container cannot be renamed over.
    if (!fresh.replace())
        return (fresh.error() == EBUSY || fresh.error() == EXDEV) && inPlace();
    if (folder.sync(fresh.fd()))
        return true;
    // The new name may never reach the disk: the old list goes back under it.
    overwrite(fresh.fd(), *oldBytes);
    return false;
}
