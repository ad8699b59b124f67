#include "word_list/settings_file.h"

#include "word_list/ansi_text.h"
#include "word_list/file_replace.h"
#include "word_list/list_place.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>

namespace {

//: The words a first start puts in a new player's list, one space between words: at least 35
//: words of your language that children know, each of 3 to 12 letters written with A to Z alone
//: (the board has no other letters: leave out a word that needs one).
const char* const kStartingWords = QT_TRANSLATE_NOOP(
    "StartingList", "Internet Computer Corrupted Wallaby Canister President Choice Selective "
                    "Adaptive Irony Indulge Storm Drain Tree Mallot Chainmail Mountain Mystic "
                    "Hollywood Music Candle Corn Wash Right Rich Bedding Border Newlywed "
                    "Television Olive Wax Fake Phonics Silver Sting");

QByteArray linesOf(const QStringList& words) {
    QByteArray bytes;
    for (const QString& word : words)
        bytes += fileLine(word).value_or(QByteArray());
    return bytes;
}

} // namespace

const QStringList& defaultWords() {
    static const QStringList words = QString::fromLatin1(kStartingWords).split(u' ');
    return words;
}

QByteArray startingList() {
    const QString words = QCoreApplication::translate("StartingList", kStartingWords);
    return linesOf(words.split(u' ', Qt::SkipEmptyParts));
}

QByteArray startingListFor(const QByteArray& given) {
    return given == linesOf(defaultWords()) ? startingList() : given;
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

Failure readList(int fd, QByteArray& bytes) {
    QFile file;
    if (file.open(fd, QIODevice::ReadOnly))
        bytes = file.read(kMostListBytes + 1);
    if (file.error() != QFile::NoError)
        return Failure{"reading the list", errno};
    return bytes.size() > kMostListBytes
               ? Failure{"reading the list: larger than the editor could ever hold"}
               : Failure{};
}

WordListRead readWordList(const QString& path) {
    ListWay way;
    Failure failed = judgeWay(QFile::encodeName(path), way);
    if (failed.step == kFindingTheList && way.listLink == uid_t(-1))
        return {WordListRead::Missing, {}};
    Descriptor file;
    if (!failed) {
        file.reset(
            ::open(reopenName(way.file.get()), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        failed = file.valid() ? Failure{} : Failure{"opening the list", errno};
    }
    // Never while another copy writes it in place: it might be half old and half new.
    if (!failed)
        failed = lockBefore(file.get(), LOCK_SH, lockDeadline());
    QByteArray bytes;
    if (!failed)
        failed = readList(file.get(), bytes);
    if (failed) {
        logged("Loading the list", failed);
        return {failed.step == kHeldPastTheWait ? WordListRead::Busy : WordListRead::Unreadable,
                {}};
    }
    return {WordListRead::Read, parseWordList(std::move(bytes))};
}

bool writeDefaultWordList(const QString& path) {
    return createFile(path, startingList());
}
