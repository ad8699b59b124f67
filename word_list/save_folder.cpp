#include "word_list/save_folder.h"

#include "word_list/file_replace.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Folder::Folder(int folder) {
    fd_.reset(::open(reopenName(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    readable_ = fd_.valid();
    if (!readable_)
        fd_.reset(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
}

bool Folder::sync(int file) const {
    return readable_ ? saveCalls().folderSync(fd()) == 0 || errno == EINVAL : ::syncfs(file) == 0;
}

bool Folder::keepsEveryName() const {
    struct statx info {};
    return ::statx(fd(), "", AT_EMPTY_PATH, 0, &info) == 0 &&
           (info.stx_attributes & STATX_ATTR_APPEND) != 0;
}
