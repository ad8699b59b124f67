#include "word_list/file_replace.h"

#include <QFile>
#include <QRandomGenerator>
#include <attr/libattr.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

SaveCalls& saveCalls() {
    static SaveCalls calls{
        .makeFile = [](int folder, const char* name, int flags,
                       mode_t mode) { return ::openat(folder, name, flags, mode); },
        .write = ::pwrite,
        .link = ::linkat,
        .rename = [](int folder, const char* from,
                     const char* to) { return ::renameat(folder, from, folder, to); },
        .dataSync = ::fdatasync,
        .folderSync = ::fsync,
    };
    return calls;
}

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd = -1)
        : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset(int fd = -1) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

// Past a file-size limit a write must fail as on a full disk, not end the game in mid-save.
void keepWritesFromEndingTheGame() {
    ::signal(SIGXFSZ, SIG_IGN);
}

bool writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n =
            saveCalls().write(fd, bytes.constData() + done, size_t(bytes.size() - done), done);
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
    return writeAll(fd, bytes) && ::ftruncate(fd, bytes.size()) == 0 &&
           saveCalls().dataSync(fd) == 0;
}

// Read through the descriptor already open: another copy of the game saving at the same time
// replaces the file under its name, never the bytes read here.
std::optional<QByteArray> readAll(int fd, qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype done = 0; done < size;) {
        const ssize_t n = ::pread(fd, bytes.data() + done, size_t(size - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::nullopt;
        done += n;
    }
    return bytes;
}

// A file's folder and its name there.
struct Place {
    QByteArray folder, name;
};

Place placeOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return {slash == 0 ? QByteArray("/") : path.left(slash), path.mid(slash + 1)};
}

// The file a path leads to through its links, as long as that is still the file opened.
std::optional<QByteArray> fileBehind(const QByteArray& path, const struct stat& opened) {
    char* const resolved = ::realpath(path.constData(), nullptr);
    if (!resolved)
        return std::nullopt;
    const QByteArray target(resolved);
    std::free(resolved);
    struct stat found {};
    if (::stat(target.constData(), &found) != 0 || found.st_dev != opened.st_dev ||
        found.st_ino != opened.st_ino)
        return std::nullopt;
    return target;
}

// A folder sync that the file system does not offer (some network and FUSE file systems answer
// EINVAL) is no failure; an I/O error is.
bool syncFolder(const QByteArray& folder) {
    const Descriptor fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.valid() &&
           (saveCalls().folderSync(fd.get()) == 0 || errno == EINVAL || errno == EBADF);
}

// The new file made like the old one: owner and group, mode, then the ACL and other extended
// attributes (the ACL puts its mask in the group bits). Those the system keeps to itself are
// skipped.
bool makeLike(int fd, int old, const struct stat& like) {
    const auto wanted = [](const char* name, struct error_context* context) {
        return attr_copy_action(name, context) != ATTR_ACTION_SKIP ? 1 : 0;
    };
    return ::fchown(fd, like.st_uid, like.st_gid) == 0 && ::fchmod(fd, like.st_mode & 07777) == 0 &&
           ::attr_copy_fd("Settings", old, "the new Settings", fd, wanted, nullptr) == 0;
}

// Failures to make a file that mean the folder takes no new files.
bool refusesNewFiles(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

// The new file the list goes to before it takes the list's name. Where the file system offers
// it, the file has no name until it is whole, so that a crash meanwhile leaves nothing behind;
// elsewhere it has a random name beside the list until then.
class Temporary {
public:
    Temporary(int folder, const QByteArray& listName, mode_t mode);
    ~Temporary() {
        if (!name_.isEmpty())
            ::unlinkat(folder_, name_.constData(), 0);
    }

    int fd() const { return file_.get(); }
    bool valid() const { return file_.valid(); }
    int error() const { return error_; } // of the last step that failed

    // The file under the list's name, never over a file of that name.
    bool create();
    // The file in the list's place under its name.
    bool replace();

private:
    QByteArray randomName() const;
    bool linkAs(const QByteArray& name);
    bool takeName();

    int folder_;
    QByteArray listName_;
    Descriptor file_;
    QByteArray name_; // the file's own name beside the list, while it has one
    int error_ = 0;
};

Temporary::Temporary(int folder, const QByteArray& listName, mode_t mode)
    : folder_(folder)
    , listName_(listName) {
    const int unnamed = saveCalls().makeFile(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    error_ = errno;
    if (unnamed >= 0 || (error_ != EOPNOTSUPP && error_ != EISDIR)) {
        file_.reset(unnamed);
        return;
    }
    for (int attempt = 0; attempt < 100 && error_ != 0; ++attempt) {
        const QByteArray name = randomName();
        const int fd = saveCalls().makeFile(folder, name.constData(),
                                            O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
        error_ = fd >= 0 ? 0 : errno;
        if (fd >= 0) {
            file_.reset(fd);
            name_ = name;
        } else if (error_ != EEXIST) {
            return;
        }
    }
}

QByteArray Temporary::randomName() const {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = listName_ + ".XXXXXX";
    for (qsizetype i = name.size() - 6; i < name.size(); ++i)
        name[i] = kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters) - 1)];
    return name;
}

bool Temporary::linkAs(const QByteArray& name) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file_.get());
    const auto link = saveCalls().link;
    const bool linked =
        name_.isEmpty()
            ? link(AT_FDCWD, self.constData(), folder_, name.constData(), AT_SYMLINK_FOLLOW) == 0
            : link(folder_, name_.constData(), folder_, name.constData(), 0) == 0;
    error_ = linked ? 0 : errno;
    return linked;
}

bool Temporary::create() {
    return linkAs(listName_); // a name of its own beside the list goes with it
}

bool Temporary::takeName() {
    for (int attempt = 0; name_.isEmpty() && attempt < 100; ++attempt) {
        const QByteArray name = randomName();
        if (linkAs(name))
            name_ = name;
        else if (error_ != EEXIST)
            return false;
    }
    return !name_.isEmpty();
}

bool Temporary::replace() {
    if (!takeName())
        return false;
    if (saveCalls().rename(folder_, name_.constData(), listName_.constData()) != 0) {
        error_ = errno;
        return false;
    }
    name_.clear();
    return true;
}

// The file itself takes the bytes; when that fails part-way, its old bytes go back.
bool rewriteInPlace(int fd, const QByteArray& bytes, const QByteArray& old) {
    if (overwrite(fd, bytes))
        return true;
    overwrite(fd, old);
    return false;
}

int openFolder(const QByteArray& folder) {
    return ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

} // namespace

bool createFile(const QString& path, const QByteArray& bytes) {
    keepWritesFromEndingTheGame();
    const QByteArray given = QFile::encodeName(path);
    if (!given.startsWith('/'))
        return false;
    const Place place = placeOf(given);
    const Descriptor folder(openFolder(place.folder));
    if (!folder.valid())
        return false;
    Temporary temporary(folder.get(), place.name, 0666); // as the umask allows
    // The file is whole once it has its name; only the name may not outlive a failed sync.
    return temporary.valid() && overwrite(temporary.fd(), bytes) && temporary.create() &&
           syncFolder(place.folder);
}

bool rewriteFile(const QString& path, const QByteArray& bytes) {
    keepWritesFromEndingTheGame();
    const QByteArray given = QFile::encodeName(path);
    // Never created, a pipe of that name fails at once rather than wait for a reader, and the
    // old bytes are read back through it.
    const Descriptor file(
        given.startsWith('/') ? ::open(given.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC) : -1);
    struct stat old {};
    if (!file.valid() || ::fstat(file.get(), &old) != 0 || !S_ISREG(old.st_mode))
        return false;
    // A file that carries no write permission for anyone is left alone, whoever runs the game.
    if ((old.st_mode & 0222) == 0)
        return false;
    const std::optional<QByteArray> oldBytes = readAll(file.get(), old.st_size);
    // Through a link, the file it points to is replaced and the link stays as it is.
    const std::optional<QByteArray> target = fileBehind(given, old);
    if (!oldBytes || !target)
        return false;
    const Place place = placeOf(*target);
    const Descriptor folder(openFolder(place.folder));
    if (!folder.valid())
        return false;

    const auto inPlace = [&] { return rewriteInPlace(file.get(), bytes, *oldBytes); };
    Temporary temporary(folder.get(), place.name, 0600);
    if (!temporary.valid())
        return refusesNewFiles(temporary.error()) && inPlace();
    if (!makeLike(temporary.fd(), file.get(), old))
        return inPlace();
    if (!overwrite(temporary.fd(), bytes))
        return false;
    if (!temporary.replace()) {
        // A file bind-mounted into a container cannot be renamed over.
        const int error = temporary.error();
        return (error == EBUSY || error == EXDEV) && inPlace();
    }
    if (syncFolder(place.folder))
        return true;
    // The new name may never reach the disk: the old list goes back under it.
    overwrite(temporary.fd(), *oldBytes);
    return false;
}
