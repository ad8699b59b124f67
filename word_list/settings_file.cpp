#include "word_list/settings_file.h"

#include "main_window/program_folder.h"
#include "word_list/ansi_text.h"
#include "word_list/file_replace.h"

#include <QFile>
#include <QFileInfo>

QString settingsPath() {
    return programFile(QStringLiteral("Settings"));
}

const QStringList& defaultWords() {
    static const QStringList words = {
        "Internet",   "Computer",  "Corrupted", "Wallaby", "Canister",  "President", "Choice",
        "Selective",  "Adaptive",  "Irony",     "Indulge", "Storm",     "Drain",     "Tree",
        "Mallot",     "Chainmail", "Mountain",  "Mystic",  "Hollywood", "Music",     "Candle",
        "Corn",       "Wash",      "Right",     "Rich",    "Bedding",   "Border",    "Newlywed",
        "Television", "Olive",     "Wax",       "Fake",    "Phonics",   "Silver",    "Sting",
    };
    return words;
}

QList<WordRow> parseWordList(QByteArrayView bytes) {
    QList<WordRow> rows;
    const char* data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        const qsizetype length = end - start;
        rows.append({decodeAnsi(bytes.sliced(start, length)), QString::number(length)});
        if (end < size && data[end] == '\r' && end + 1 < size && data[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return rows;
}

std::optional<QByteArray> fileLine(const QString& word) {
    std::optional<QByteArray> line = encodeAnsi(word);
    if (line)
        line->append("\r\n");
    return line;
}

WordListRead readWordList(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {WordListRead::Missing, {}};
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {WordListRead::Unreadable, {}};
    // A read that fails part-way keeps what arrived before it.
    return {WordListRead::Read, parseWordList(file.readAll())};
}

bool writeDefaultWordList(const QString& path) {
    QByteArray bytes;
    for (const QString& word : defaultWords())
        bytes += *fileLine(word);
    return createFile(path, bytes);
}
