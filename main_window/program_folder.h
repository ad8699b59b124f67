#pragma once

#include <QString>

// The folder that holds the program file, without a trailing separator. Settings, win.wav and
// lose.wav live there.
QString programFolder();

// A file in the program's folder; the separator is always inserted.
QString programFile(const QString& name);

// Points the program at another folder (tests use a temporary one); an empty folder restores
// the real one.
void setProgramFolder(const QString& folder);
