#pragma once

#include <QByteArray>
#include <QString>
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

// Puts a new file at path holding exactly these bytes, whole or not at all, and never over a
// file of that name, on file systems without hard links too. False when that failed; nothing is
// left behind then.
bool createFile(const QString& path, const QByteArray& bytes);

// Rewrites the player's file with these bytes. Only an existing ordinary file that someone may
// write to is rewritten; through a symbolic link, the file it points to. Saves of one file by
// two copies of the game take turns; a lock held longer than a moment fails the save. The new bytes
// go to a new file beside it that takes its place once they are on disk, with exactly its mode,
// owner, group, ACL and extended attributes. Where the folder takes no new files or gives up no
// names (append-only), the file cannot be renamed over, or its owner or attributes could not be
// kept on a new file, it is written in place, and its old bytes are put back if that fails
// part-way. False when the file was refused or the write failed: the old bytes are then still
// there.
bool rewriteFile(const QString& path, const QByteArray& bytes);
