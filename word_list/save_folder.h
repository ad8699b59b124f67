#pragma once

#include <QByteArray>
#include <QString>
#include <unistd.h>
#include <utility>

// A descriptor closed when it goes or takes another; moved, never copied, so never closed twice.
class Descriptor {
public:
    explicit Descriptor(int fd = -1)
        : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept
        : fd_(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        reset(other.release());
        return *this;
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release() { return std::exchange(fd_, -1); }
    void reset(int fd = -1) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

// The name through which a descriptor's own file is opened again, with other access: an O_PATH
// descriptor of a judged file becomes one to read or write that same file.
inline QByteArray reopenName(int fd) {
    return "/proc/self/fd/" + QByteArray::number(fd);
}

// A folder held for a whole load or save, from a descriptor of it: readable where the player may
// read it, so that it can be synced; otherwise its file system is synced.
class Folder {
public:
    explicit Folder(int folder);
    int fd() const { return fd_.get(); }
    // A file system without folder syncs (EINVAL: some network and FUSE ones) is no failure.
    bool sync(int file) const;
    // It takes new names but gives none up: append-only.
    bool keepsEveryName() const;

private:
    Descriptor fd_;
    bool readable_ = false;
};
