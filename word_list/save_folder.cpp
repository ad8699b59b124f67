#include "word_list/save_folder.h"

#include "word_list/file_replace.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other)
        reset(other.release());
    return *this;
}

void Descriptor::reset(int fd) {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
}

int Descriptor::release() {
    return std::exchange(fd_, -1);
}

Folder::Folder(const QByteArray& file)
    : path_(file.left(qMax<qsizetype>(file.lastIndexOf('/'), 1)))
    , name_(file.mid(file.lastIndexOf('/') + 1)) {
    fd_.reset(::open(path_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    readable_ = fd_.valid();
    if (!readable_ && errno == EACCES)
        fd_.reset(::open(path_.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
}

bool Folder::sync(int file) const {
    if (!readable_)
        return ::syncfs(file) == 0;
    return saveCalls().folderSync(fd()) == 0 || errno == EINVAL;
}

bool Folder::keepsEveryName() const {
    struct statx info {};
    return ::statx(fd(), "", AT_EMPTY_PATH, 0, &info) == 0 &&
           (info.stx_attributes & STATX_ATTR_APPEND) != 0;
}

bool makeFolder(const QString& path) {
    const QByteArray given = QFile::encodeName(path);
    const Folder parent(given);
    if (!given.startsWith('/') || parent.fd() < 0)
        return false;
    if (::mkdirat(parent.fd(), parent.name(), 0700) != 0 && errno != EEXIST)
        return false;
    const Descriptor made(::openat(parent.fd(), parent.name(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return made.valid() && parent.sync(made.get());
}
