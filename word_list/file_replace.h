#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>
#include <chrono>
#include <optional>
#include <sys/types.h>

// The system calls a save may meet a failure in. Tests swap them for ones that fail as a full
// disk, a network file system or a file bind-mounted into a container does.
struct SaveCalls {
    int (*makeFile)(int folder, const char* name, int flags, mode_t mode); // openat
    ssize_t (*write)(int fd, const void* bytes, size_t size, off_t at);    // pwrite
    int (*own)(int fd, uid_t owner, gid_t group);                          // fchown
    int (*link)(int fromFolder, const char* from, int toFolder, const char* to, int flags);
    int (*rename)(int folder, const char* from, const char* to, unsigned flags); // renameat2
    int (*dataSync)(int fd);
    int (*folderSync)(int fd);
    int (*lock)(int fd, int operation); // flock
};
SaveCalls& saveCalls();

Q_DECLARE_LOGGING_CATEGORY(lcSave)

// Why a load, a first run or a save gave up: the step, and its own errno, or none where the
// obstacle was no failed call (another user's link, a list that kept changing).
struct Failure {
    const char* step = nullptr;
    int error = 0;
    explicit operator bool() const { return step != nullptr; }
};
// Said once, where the work gives up, for whoever turned gibbetry.save on. Always false.
bool logged(const char* work, const Failure& failure);

// Anyone who may read a list can hold its lock for good: past the deadline the work gives up. No
// locks on the file system (NFS without its lock daemon) is no failure.
using Deadline = std::chrono::steady_clock::time_point;
inline Deadline lockDeadline() {
    return std::chrono::steady_clock::now() + std::chrono::seconds(2);
}
inline constexpr char kHeldPastTheWait[] =
    "locking the list: another program held it past the wait";
Failure lockBefore(int fd, int operation, Deadline deadline);

// A new file at path holding exactly these bytes, whole or not at all, never over a file of that
// name, on file systems without hard links too, where judgeWay takes the folder.
bool createFile(const QString& path, const QByteArray& bytes);

// Rewrites the list judgeWay takes: a new file made exactly like it takes its place once on disk,
// or, where none can, it is written in place; behind the player's own link that leads nowhere
// now, the file is made where it leads. False when the list was refused or the write failed: the
// old bytes are then still there.
bool rewriteFile(const QString& path, const QByteArray& bytes);
