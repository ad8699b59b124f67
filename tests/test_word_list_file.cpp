// The Settings format on its own: how bytes become rows and words become bytes again.

#include "file_size_limit.h"
#include "program_folder_fixture.h"
#include "word_list/ansi_text.h"
#include "word_list/settings_file.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
QStringList texts(const QList<WordRow>& rows) {
    QStringList result;
    for (const WordRow& row : rows)
        result.append(row.text);
    return result;
}
QStringList lengths(const QList<WordRow>& rows) {
    QStringList result;
    for (const WordRow& row : rows)
        result.append(row.length);
    return result;
}
} // namespace

class WordListFileTest : public QObject {
    Q_OBJECT
private slots:
    void lineEndsAndLastLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("final CR LF adds no row")
            << QByteArray("Wax\r\nCorn\r\n") << QStringList{"Wax", "Corn"};
        QTest::newRow("last line without CR LF")
            << QByteArray("Wax\r\nCorn") << QStringList{"Wax", "Corn"};
        QTest::newRow("blank line")
            << QByteArray("Wax\r\n\r\nCorn\r\n") << QStringList{"Wax", "", "Corn"};
        QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("Linux line ends") << QByteArray("Wax\nCorn\n") << QStringList{"Wax", "Corn"};
        QTest::newRow("lone CR line ends")
            << QByteArray("Wax\rCorn\r") << QStringList{"Wax", "Corn"};
        QTest::newRow("mixed line ends")
            << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("CR CR LF is a line and an empty line")
            << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("LF CR is two line ends")
            << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    }
    void lineEndsAndLastLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, rows);
        QCOMPARE(texts(parseWordList(bytes)), rows);
    }

    void rowsKeepBlanksCaseDuplicatesAndLongLines() {
        const QByteArray bytes = "  Wax \r\nWAX\r\nwax\r\nwax\r\nAntidisestablishmentarianism\r\n";
        const QList<WordRow> rows = parseWordList(bytes);
        QCOMPARE(texts(rows),
                 (QStringList{"  Wax ", "WAX", "wax", "wax", "Antidisestablishmentarianism"}));
        QCOMPARE(lengths(rows), (QStringList{"6", "3", "3", "3", "28"}));
    }

    void emptyLineHasLengthZero() {
        QCOMPARE(lengths(parseWordList("\r\nWax\r\n")), (QStringList{"0", "3"}));
    }

    void everyByteRoundTripsAndCountsAsOneCharacter() {
        QByteArray all;
        for (int byte = 1; byte < 256; ++byte) {
            if (byte != '\r' && byte != '\n')
                all.append(static_cast<char>(byte));
        }
        all.append('\0');
        const QList<WordRow> rows = parseWordList(all + "\r\n");
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].length, QString::number(all.size()));
        QCOMPARE(fileLine(rows[0].text), std::optional(all + "\r\n"));
    }

    void highBytesReadAsTheCodePageCharacters() {
        QCOMPARE(decodeAnsi("\x80\x8a\x9f\xe9\xff"), QString::fromUtf8("€ŠŸéÿ"));
        QCOMPARE(encodeAnsi(QString::fromUtf8("Café €5")), std::optional(QByteArray("Caf\xe9 \x80"
                                                                                    "5")));
    }

    void charactersOutsideTheCodePageCannotBeWritten() {
        QCOMPARE(fileLine(QString::fromUtf8("Łódź")), std::nullopt);
        QCOMPARE(fileLine(QString::fromUtf8("日本")), std::nullopt);
        QCOMPARE(fileLine(QString(QChar(0x0080))), std::nullopt);
    }

    void firstRunWritesTheDefaultsExactly() {
        TempProgramFolder folder;
        QVERIFY(writeDefaultWordList(folder.settings()));
        const QByteArray bytes = folder.readSettings();
        QCOMPARE(bytes.size(), 295);
        QCOMPARE(bytes, defaultSettingsBytes());
        QCOMPARE(texts(parseWordList(bytes)), defaultWords());
    }

    void aFirstRunOnAFullDiskLeavesNoHalfFile() {
        TempProgramFolder folder;
        {
            FileSizeLimit fullDisk(100);
            QVERIFY(!writeDefaultWordList(folder.settings()));
        }
        QVERIFY(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void unusualFilesOfThatNameAreUnreadable() {
        TempProgramFolder folder;
        QCOMPARE(readWordList(folder.settings()).outcome, WordListRead::Missing);
        QVERIFY(QDir(folder.path()).mkdir("Settings"));
        QCOMPARE(readWordList(folder.settings()).outcome, WordListRead::Unreadable);
    }

    void aDanglingLinkIsNotAMissingFile() {
        TempProgramFolder folder;
        QVERIFY(QFile::link(folder.file("elsewhere"), folder.settings()));
        QCOMPARE(readWordList(folder.settings()).outcome, WordListRead::Unreadable);
    }
};

QTEST_GUILESS_MAIN(WordListFileTest)
#include "test_word_list_file.moc"
