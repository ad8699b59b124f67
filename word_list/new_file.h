#pragma once

#include "word_list/save_folder.h"

#include <QByteArray>
#include <functional>
#include <sys/types.h>

// The new file the list goes to before it takes the list's name. Where the file system offers
// it, the file has no name until it is whole, so that a crash meanwhile leaves nothing behind;
// elsewhere it has a random name beside the list until then.
class NewFile {
public:
    NewFile(const Folder& folder, mode_t mode);
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    int fd() const { return file_.get(); }
    int error() const { return error_; } // why it could not be made, named or renamed

    // Under the list's name, never over a file of that name. A file system without hard links
    // (exFAT, FAT) still renames without replacing; one that cannot do that may still link.
    bool create();
    // A name of its own beside the list, where it has none yet.
    bool takeName();
    // From its own name to the list's place.
    bool replace();

private:
    QByteArray self() const;
    bool takeFreeName(const std::function<bool(const QByteArray&)>& take);

    const Folder& folder_;
    Descriptor file_;
    QByteArray name_; // its own name beside the list, while it has one
    int error_ = 0;
};
