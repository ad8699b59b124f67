#pragma once

#include "main_window/word_list_model.h"
#include "word_list/file_replace.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The word list file: one word a line, every line ending in CR LF as the game writes it.

// The game's own 35 words, the English list a first run writes.
const QStringList& defaultWords();
// The list a first run writes in the game's language: the English words, 295 bytes, where the
// game speaks English.
QByteArray startingList();
// What a first run copies from a list given for everyone: that list, unless it is the English
// one as shipped, which gives way to the player's language.
QByteArray startingListFor(const QByteArray& given);

// Splits the file's bytes into rows. CR LF, a lone LF and a lone CR each end a line (a file
// edited on Linux ends its lines with LF); a last line without its end still counts, and a final
// line end adds no empty row.
WordList parseWordList(QByteArray bytes);

// A row as one line of the file, or nothing when the code page cannot carry the word.
std::optional<QByteArray> fileLine(const QString& word);

// The largest list the editor could ever hold and save: 32,766 rows of 12 characters and CR LF,
// 458,724 bytes. A larger file is never read whole, copied or written over.
inline constexpr qint64 kMostListBytes = 32766 * 14;

Failure readList(int fd, QByteArray& bytes);

struct WordListRead {
    enum Outcome { Read, Missing, Unreadable, Busy }; // Busy: another program held it too long
    Outcome outcome = Missing;
    WordList list;
};

// Only a list judgeWay takes is read, never while another copy writes it, and never past the
// most an editor holds: anything else is unreadable. Missing only where no name stands there.
WordListRead readWordList(const QString& path);

// The first run's file, whole or not at all. False when it could not be written.
bool writeDefaultWordList(const QString& path);
