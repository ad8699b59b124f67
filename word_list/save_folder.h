#pragma once

#include <QByteArray>
#include <QString>

// A descriptor that is closed when it goes or takes another. It moves; it is never copied, so
// that no descriptor is closed twice.
class Descriptor {
public:
    explicit Descriptor(int fd = -1)
        : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept
        : fd_(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset(int fd = -1);
    int release();

private:
    int fd_;
};

// The folder a file lies in, opened once for the whole save: readable where the player may read
// it, so that it can be synced; otherwise (write and search permission only) the whole file
// system is synced instead.
class Folder {
public:
    explicit Folder(const QByteArray& file);
    int fd() const { return fd_.get(); }
    const QByteArray& name() const { return name_; } // the file's

    // A sync the file system does not offer (some network and FUSE file systems answer EINVAL)
    // is no failure; an I/O error is.
    bool sync(int file) const;
    // A folder that takes new names but gives none up (append-only) would keep the new file
    // beside the list for good.
    bool keepsEveryName() const;

private:
    QByteArray path_, name_;
    Descriptor fd_;
    bool readable_ = false;
};

// Makes the folder (0700), its name on disk before it is used, by the same rules as a save's
// folder: one the player may write but not read, or a file system without folder syncs, is
// no failure. True when the folder is there.
bool makeFolder(const QString& path);
