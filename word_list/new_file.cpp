#include "word_list/new_file.h"

#include "word_list/file_replace.h"

#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

NewFile::NewFile(const Folder& folder, mode_t mode)
    : folder_(folder) {
    const auto make = saveCalls().makeFile;
    file_.reset(make(folder.fd(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    if (file_.valid())
        return;
    error_ = errno;
    if (error_ != EOPNOTSUPP && error_ != EISDIR)
        return;
    takeFreeName([&](const QByteArray& name) {
        file_.reset(make(folder.fd(), name, O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode));
        return file_.valid();
    });
}

NewFile::~NewFile() {
    if (!name_.isEmpty())
        ::unlinkat(folder_.fd(), name_.constData(), 0);
}

bool NewFile::create() {
    const int folder = folder_.fd();
    if (name_.isEmpty())
        return saveCalls().link(AT_FDCWD, self(), folder, folder_.name(), AT_SYMLINK_FOLLOW) == 0;
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
    // Neither (exFAT through FUSE): only a name still free is taken, by the file as it is, whole
    // and on disk.
    struct stat taken {};
    if (::fstatat(folder, folder_.name(), &taken, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT)
        return false;
    if (saveCalls().rename(folder, name_, folder_.name(), 0) != 0)
        return false;
    name_.clear();
    return true;
}

bool NewFile::takeName() {
    if (!name_.isEmpty())
        return true;
    return takeFreeName([&](const QByteArray& name) {
        return saveCalls().link(AT_FDCWD, self(), folder_.fd(), name, AT_SYMLINK_FOLLOW) == 0;
    });
}

bool NewFile::replace() {
    if (saveCalls().rename(folder_.fd(), name_, folder_.name(), 0) != 0) {
        error_ = errno;
        return false;
    }
    name_.clear();
    return true;
}

QByteArray NewFile::self() const {
    return "/proc/self/fd/" + QByteArray::number(fd());
}

// Random names of the list's, cut to leave room for the suffix, until `take` finds one free.
bool NewFile::takeFreeName(const std::function<bool(const QByteArray&)>& take) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = folder_.name().left(NAME_MAX - 7) + '.';
        for (int i = 0; i < 6; ++i)
            name += kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters) - 1)];
        if (take(name)) {
            name_ = name;
            return true;
        }
        error_ = errno;
        if (error_ != EEXIST)
            return false;
    }
    return false;
}
