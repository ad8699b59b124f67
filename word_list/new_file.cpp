#include "word_list/new_file.h"

#include "word_list/file_replace.h"

#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>

NewFile::NewFile(const Folder& folder, const QByteArray& listName, mode_t mode)
    : folder_(folder)
    , listName_(listName) {
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
    if (!ownName_.isEmpty())
        ::unlinkat(folder_.fd(), ownName_.constData(), 0);
}

bool NewFile::create() {
    const int folder = folder_.fd();
    if (ownName_.isEmpty())
        return saveCalls().link(AT_FDCWD, reopenName(fd()), folder, listName_, AT_SYMLINK_FOLLOW) ==
                   0 ||
               fail();
    if (renameTo(RENAME_NOREPLACE))
        return true;
    if (error_ != EINVAL)
        return false;
    if (saveCalls().link(folder, ownName_, folder, listName_, 0) == 0)
        return true;
    return errno == EEXIST ? fail() : createWithoutLinks();
}

// Neither (exFAT through FUSE): only a name still free is taken, by the file as it is, whole
// and on disk.
bool NewFile::createWithoutLinks() {
    struct stat taken {};
    if (::fstatat(folder_.fd(), listName_, &taken, AT_SYMLINK_NOFOLLOW) == 0)
        return errno = EEXIST, fail();
    return errno == ENOENT ? renameTo(0) : fail();
}

bool NewFile::takeName() {
    return !ownName_.isEmpty() || takeFreeName([&](const QByteArray& name) {
        return saveCalls().link(AT_FDCWD, reopenName(fd()), folder_.fd(), name,
                                AT_SYMLINK_FOLLOW) == 0;
    });
}

bool NewFile::renameTo(unsigned flags) {
    if (saveCalls().rename(folder_.fd(), ownName_, listName_, flags) != 0)
        return fail();
    ownName_.clear();
    return true;
}

// Random names of the list's, cut to leave room for the suffix, until `take` finds one free.
bool NewFile::takeFreeName(const std::function<bool(const QByteArray&)>& take) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = listName_.left(NAME_MAX - 7) + '.';
        for (int i = 0; i < 6; ++i)
            name += kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters) - 1)];
        if (take(name)) {
            ownName_ = name;
            return true;
        }
        if (fail(), error_ != EEXIST)
            return false;
    }
    return false;
}
