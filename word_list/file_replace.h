#pragma once

#include <QByteArray>
#include <QString>

// The calls that make a write durable. Tests swap them for ones that fail, as a failing disk or
// a network file system does.
struct DiskSync {
    int (*data)(int fd);
    int (*folder)(int fd);
};
DiskSync& diskSync();

// Puts a new file at path holding exactly these bytes, whole or not at all. False when that
// failed; nothing is left behind then.
bool createFile(const QString& path, const QByteArray& bytes);

// Rewrites the player's file with these bytes. Only an existing ordinary file that someone may
// write to is rewritten, keeping its mode, owner and group. The new bytes go to a temporary file
// beside it that takes its name once they are on disk; where the folder takes no new files, the
// file is written in place, and its old bytes are put back if that fails part-way. False when
// the file was refused or the write failed: the old bytes are then still there.
bool rewriteFile(const QString& path, const QByteArray& bytes);
