#pragma once

#include <QByteArray>
#include <QString>

// The folder that holds the program file, without a trailing separator; empty when it cannot
// be found. Settings, win.wav, lose.wav and the sound module live there.
QString programFolder();

// A file in the program's folder; the separator is always inserted. Empty when the folder is
// not known: the program then touches no file at all.
QString programFile(const QString& name);

// Points the program at another folder (tests use a temporary one); an empty folder restores
// the real one.
void setProgramFolder(const QString& folder);

// A name by which the files of this folder (an absolute path in the file system's own bytes)
// can be opened, whatever bytes its name holds; empty when the folder cannot be reached.
QString folderReachableAs(const QByteArray& folder);
