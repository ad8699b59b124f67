#include "word_list/settings_file.h"

#include "word_list/ansi_text.h"
#include "word_list/file_replace.h"
#include "word_list/list_place.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/file.h>

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

WordList parseWordList(QByteArray bytes) {
    // The rows keep the file's bytes; a byte is a character, so a row's length is its Length.
    WordList list{std::move(bytes), {}};
    const char* const data = list.bytes.constData();
    const char* const end = data + list.bytes.size();
    const char* lineFeed = nullptr; // the next LF at or after the line's start, or the end
    for (const char* start = data; start < end;) {
        if (lineFeed < start) {
            lineFeed = static_cast<const char*>(std::memchr(start, '\n', size_t(end - start)));
            lineFeed = lineFeed ? lineFeed : end;
        }
        const auto* carriageReturn =
            static_cast<const char*>(std::memchr(start, '\r', size_t(lineFeed - start)));
        const char* lineEnd = carriageReturn ? carriageReturn : lineFeed;
        list.rows.append({start - data, lineEnd - start});
        if (lineEnd + 1 < end && lineEnd[0] == '\r' && lineEnd[1] == '\n')
            ++lineEnd;
        start = lineEnd + 1;
    }
    return list;
}

std::optional<QByteArray> fileLine(const QString& word) {
    std::optional<QByteArray> line = encodeAnsi(word);
    if (line)
        line->append("\r\n");
    return line;
}

WordListRead readWordList(const QString& path) {
    OpenList list;
    Failure failed = openList(QFile::encodeName(path), ListUse::Read, list);
    if (failed.step == kFindingTheList && failed.error == ENOENT)
        return {WordListRead::Missing, {}};
    // Never while another copy writes it in place: it might be half old and half new.
    if (!failed)
        failed = lockBefore(list.file.get(), LOCK_SH, lockDeadline());
    std::optional<QByteArray> bytes;
    if (failed || !(bytes = readAll(list.file.get()))) {
        logged("Loading the list", failed ? failed : Failure{"reading the list", errno});
        return {WordListRead::Unreadable, {}};
    }
    return {WordListRead::Read, parseWordList(std::move(*bytes))};
}

bool writeDefaultWordList(const QString& path) {
    QByteArray bytes;
    for (const QString& word : defaultWords())
        bytes += *fileLine(word);
    return createFile(path, bytes);
}
