#pragma once

#include "main_window/word_list_model.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The word list file: one word a line, every line ending in CR LF as the game writes it.

// The 35 words a first run writes.
const QStringList& defaultWords();

// Splits the file's bytes into rows. CR LF, a lone LF and a lone CR each end a line (a file
// edited on Linux ends its lines with LF); a last line without its end still counts, and a final
// line end adds no empty row.
WordList parseWordList(QByteArray bytes);

// A row as one line of the file, or nothing when the code page cannot carry the word.
std::optional<QByteArray> fileLine(const QString& word);

struct WordListRead {
    enum Outcome { Read, Missing, Unreadable };
    Outcome outcome = Missing;
    WordList list;
};

// Only an ordinary file is read, opened once as openList allows, never while another copy writes
// it: a folder, a pipe, another user's link or a lock held past the wait count as unreadable.
WordListRead readWordList(const QString& path);

// The first run's file, whole or not at all. False when it could not be written.
bool writeDefaultWordList(const QString& path);
