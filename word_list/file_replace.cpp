#include "word_list/file_replace.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

DiskSync& diskSync() {
    static DiskSync sync{::fdatasync, ::fsync};
    return sync;
}

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    bool close() { return fd_ < 0 || ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

bool writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), done);
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
    return writeAll(fd, bytes) && ::ftruncate(fd, bytes.size()) == 0 && diskSync().data(fd) == 0;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool syncFolderOf(const QString& path) {
    const Descriptor folder(
        ::open(native(QFileInfo(path).absolutePath()), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return folder.valid() && diskSync().folder(folder.get()) == 0;
}

enum class Temporary { Written, NotHere, Failed };

// Writes the bytes to a new file beside path, with the mode, owner and group of `like` (an owner
// or group of -1 is left as it comes). NotHere when the folder takes no new file or the owner
// cannot be kept; nothing is left behind unless it was Written.
Temporary writeTemporary(const QString& path, const QByteArray& bytes, const struct stat& like,
                         QByteArray& name) {
    name = native(path) + ".XXXXXX";
    Descriptor file(::mkostemp(name.data(), O_CLOEXEC));
    if (!file.valid())
        return Temporary::NotHere;
    Temporary result = Temporary::Failed;
    if (::fchown(file.get(), like.st_uid, like.st_gid) != 0)
        result = Temporary::NotHere;
    else if (::fchmod(file.get(), like.st_mode & 07777) == 0 && overwrite(file.get(), bytes) &&
             file.close())
        return Temporary::Written;
    ::unlink(name.constData());
    return result;
}

// The file itself takes the bytes; when that fails part-way, its old bytes go back.
bool rewriteInPlace(int fd, const QByteArray& bytes, const QByteArray& old) {
    if (overwrite(fd, bytes))
        return true;
    overwrite(fd, old);
    return false;
}

} // namespace

bool createFile(const QString& path, const QByteArray& bytes) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat like {};
    like.st_mode = 0666 & ~mask;
    like.st_uid = static_cast<uid_t>(-1);
    like.st_gid = static_cast<gid_t>(-1);
    QByteArray name;
    if (writeTemporary(path, bytes, like, name) != Temporary::Written)
        return false;
    if (::rename(name.constData(), native(path).constData()) == 0 && syncFolderOf(path))
        return true;
    ::unlink(name.constData());
    ::unlink(native(path).constData());
    return false;
}

bool rewriteFile(const QString& path, const QByteArray& bytes) {
    // Never created, and a pipe of that name fails at once rather than waiting for a reader.
    const Descriptor file(::open(native(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat old {};
    if (!file.valid() || ::fstat(file.get(), &old) != 0 || !S_ISREG(old.st_mode))
        return false;
    // A file that carries no write permission for anyone is left alone, whoever runs the game.
    if ((old.st_mode & 0222) == 0)
        return false;
    const QByteArray oldBytes = readAll(path);
    if (oldBytes.size() != old.st_size)
        return false; // the old list could not be put back after a failure
    QByteArray name;
    switch (writeTemporary(path, bytes, old, name)) {
    case Temporary::Failed:
        return false;
    case Temporary::NotHere:
        return rewriteInPlace(file.get(), bytes, oldBytes);
    case Temporary::Written:
        break;
    }
    if (::rename(name.constData(), native(path).constData()) != 0) {
        ::unlink(name.constData());
        return false;
    }
    if (syncFolderOf(path))
        return true;
    // The new name may never reach the disk: the old list goes back under it.
    const Descriptor renamed(::open(native(path).constData(), O_WRONLY | O_CLOEXEC));
    if (renamed.valid())
        overwrite(renamed.get(), oldBytes);
    return false;
}
