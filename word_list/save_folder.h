#pragma once

#include <QByteArray>
#include <QString>
#include <unistd.h>

// A descriptor closed when it goes or takes another; never copied, so never closed twice.
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

// A folder opened once for a whole load or save: readable where the player may read it, so that
// it can be synced; otherwise (write and search permission only) its file system is synced.
class Folder {
public:
    explicit Folder(const QByteArray& path);
    int fd() const { return fd_.get(); }
    const QByteArray& path() const { return path_; }
    // A file system without folder syncs (EINVAL: some network and FUSE ones) is no failure.
    bool sync(int file) const;
    // It takes new names but gives none up: append-only.
    bool keepsEveryName() const;

private:
    QByteArray path_;
    Descriptor fd_;
    bool readable_ = false;
};

// "/a/b" is "/a" and "b"; "/b" is "/" and "b".
inline QByteArray folderOf(const QByteArray& path) {
    return path.left(qMax<qsizetype>(path.lastIndexOf('/'), 1));
}
inline QByteArray nameOf(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}
