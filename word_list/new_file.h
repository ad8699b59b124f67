#pragma once

#include "word_list/save_folder.h"

#include <QByteArray>
#include <functional>
#include <sys/types.h>

// The new file a list goes to before it takes the list's name: unnamed until it is whole, where
// the file system offers that, so that a crash leaves nothing behind; else a random name.
class NewFile {
public:
    NewFile(const Folder& folder, const QByteArray& listName, mode_t mode);
    ~NewFile();
    int fd() const { return file_.get(); }
    int error() const { return error_; } // why it could not be made, named or renamed

    // Under the list's name, never over a file of that name: on file systems without hard
    // links (exFAT, FAT) too, and without a rename that refuses to replace.
    bool create();
    bool takeName();                       // a random name beside the list, where it has none yet
    bool replace() { return renameTo(0); } // from its own name to the list's

private:
    bool takeFreeName(const std::function<bool(const QByteArray&)>& take);
    bool createWithoutLinks();
    bool renameTo(unsigned flags);
    bool fail() { return error_ = errno, false; }

    const Folder& folder_;
    const QByteArray listName_;
    Descriptor file_;
    QByteArray ownName_; // beside the list, while it has one
    int error_ = 0;
};
