// Dealing a word: which row the deal picks, how the word is laid into the slots, and the state a
// game starts in.

#include "board_checks.h"
#include "fake_platform.h"
#include "game/random_source.h"
#include "main_window/frm_main.h"
#include "main_window/letter_slot.h"
#include "main_window/list_view.h"
#include "main_window/message_box.h"
#include "program_folder_fixture.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QStringList numberedWords(int count) {
    QStringList words;
    for (int i = 1; i <= count; ++i)
        words.append(QStringLiteral("w%1").arg(i));
    return words;
}

// The word the slots hide, read back from their tags.
QString dealtWord(const frmMain& window) {
    QString word;
    for (int i = 0; i < 12 && window.lblLetter[i]->caption() != QStringLiteral("-"); ++i)
        word += slotTags(window)[i];
    return word;
}

QStringList repeated(const QString& text, int count) {
    return QStringList(count, text);
}

} // namespace

class GameSetupTest : public QObject {
    Q_OBJECT

    std::optional<TempProgramFolder> folder_;

private slots:
    void init() { folder_.emplace(); }
    void cleanup() { folder_.reset(); }

    void aNewGameEnablesTheBoardAndSwapsTheMenus() {
        folder_->writeWords({"Wax"});
        FakePlatform fake;
        frmMain window(fake.platform);
        window.MissCount = 9;
        window.mnuStartGame->trigger();
        for (QPushButton* letter : window.cmdLetter)
            QVERIFY(letter->isEnabled());
        QVERIFY(window.Timer1->isActive());
        QCOMPARE(window.MissCount, qint16(0));
        QVERIFY(!window.mnuStartGame->isEnabled());
        QVERIFY(window.mnuStopGame->isEnabled());
        QVERIFY(window.Command1->isEnabled());
        QCOMPARE(shownPieces(window), QStringLiteral("000000000000"));
    }

    void wordsAreLaidOutOneCharacterASlot_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("tags");
        QTest::newRow("Wax") << "Wax" << repeated("& ", 3) + repeated("-", 9)
                             << QStringList{"W", "a", "x"} + repeated("-", 9);
        QTest::newRow("twelve letters")
            << "Multifarious" << repeated("& ", 12)
            << QStringList{"M", "u", "l", "t", "i", "f", "a", "r", "i", "o", "u", "s"};
        QTest::newRow("one letter")
            << "Q" << repeated("& ", 1) + repeated("-", 11) << QStringList{"Q"} + repeated("-", 11);
        QTest::newRow("mixed case")
            << "InterNet" << repeated("& ", 8) + repeated("-", 4)
            << QStringList{"I", "n", "t", "e", "r", "N", "e", "t"} + repeated("-", 4);
        QTest::newRow("no button carries these")
            << QString::fromLatin1("A 1-\xe9") << repeated("& ", 5) + repeated("-", 7)
            << QStringList{"A", " ", "1", "-", QString(QChar(0xE9))} + repeated("-", 7);
        QTest::newRow("thirteen letters stay blank")
            << "Unbelievables" << repeated(" ", 12) << repeated("-", 12);
        QTest::newRow("an empty row stays blank") << "" << repeated(" ", 12) << repeated("-", 12);
    }
    void wordsAreLaidOutOneCharacterASlot() {
        QFETCH(QString, word);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, tags);
        folder_->writeSettings(word.toLatin1() + "\r\n");
        FakePlatform fake;
        frmMain window(fake.platform);
        window.mnuStartGame_Click();
        QCOMPARE(slotCaptions(window), captions);
        QCOMPARE(slotTags(window), tags);
        QVERIFY(window.mnuStopGame->isEnabled()); // a game runs even when nothing was laid out
    }

    void theDealPicksTheRowTheValueLandsOn_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("attempts");
        QTest::newRow("10 rows, 0.25") << 10 << QList<float>{0.25f} << "w2" << 1;
        QTest::newRow("10 rows, 0.75") << 10 << QList<float>{0.75f} << "w8" << 1;
        QTest::newRow("10 rows, 0.1") << 10 << QList<float>{0.1f} << "w1" << 1;
        QTest::newRow("11 rows: 11.5 and 50 miss")
            << 11 << QList<float>{0.115f, 0.5f, 0.114f} << "w11" << 3;
        QTest::newRow("one row: 1.5 misses") << 1 << QList<float>{0.15f, 0.9f, 0.149f} << "w1" << 3;
        QTest::newRow("1000 rows reach the last") << 1000 << QList<float>{0.9995f} << "w1000" << 1;
        QTest::newRow("1001 rows reach the last") << 1001 << QList<float>{0.1001f} << "w1001" << 1;
        QTest::newRow("1500 rows: beyond misses")
            << 1500 << QList<float>{0.1501f, 0.15f} << "w1500" << 2;
    }
    void theDealPicksTheRowTheValueLandsOn() {
        QFETCH(int, rows);
        QFETCH(QList<float>, values);
        QFETCH(QString, word);
        QFETCH(int, attempts);
        folder_->writeWords(numberedWords(rows));
        FakePlatform fake;
        fake.random.values = values;
        frmMain window(fake.platform);
        window.mnuStartGame_Click();
        QCOMPARE(dealtWord(window), word);
        QCOMPARE(fake.random.taken, attempts);
        QVERIFY(fake.messageBox.shown.isEmpty());
    }

    void anEmptyListSaysSoAndStartsNoGame() {
        FakePlatform fake;
        frmMain window(fake.platform); // a first run: the list stays empty
        window.Command1->click();
        QCOMPARE(fake.messageBox.texts(), QStringList{"The Words List Is Empty."});
        QCOMPARE(fake.messageBox.shown[0].style, kStyleExclamation);
        QCOMPARE(fake.messageBox.shown[0].caption, QStringLiteral("Gibbetry"));
        QCOMPARE(noGameStateDifference(window), QString());
        QCOMPARE(fake.random.taken, 0);
    }

    void newGameDuringAGameStartsAfreshAtOnce() {
        folder_->writeWords({"Wax", "Corn"});
        FakePlatform fake;
        fake.random.values = {0.0f, 0.0f, 0.2f};
        frmMain window(fake.platform);
        window.mnuStartGame_Click();
        window.cmdLetter['W' - 'A']->click();
        window.cmdLetter['Q' - 'A']->click();
        QCOMPARE(window.MissCount, qint16(1));
        window.Command1->click();
        QCOMPARE(window.MissCount, qint16(0));
        QCOMPARE(slotCaptions(window), repeated("& ", 3) + repeated("-", 9));
        QCOMPARE(shownPieces(window), QStringLiteral("000000000000"));
        QVERIFY(window.cmdLetter['W' - 'A']->isEnabled());
        window.Command1->click();
        QCOMPARE(dealtWord(window), QStringLiteral("Corn"));
        QVERIFY(fake.messageBox.shown.isEmpty());
    }

    void twoRunsDealTheSameWords() {
        folder_->writeWords(numberedWords(35));
        auto deals = [] {
            FixedStartRandom random;
            FakePlatform fake;
            Platform platform{fake.messageBox, fake.inputBox, fake.sound, random, fake.shell};
            frmMain window(platform);
            QStringList words;
            for (int i = 0; i < 30; ++i) {
                window.Command1_Click();
                words.append(dealtWord(window));
            }
            return words;
        };
        const QStringList first = deals();
        QCOMPARE(deals(), first);
        QVERIFY(QSet<QString>(first.begin(), first.end()).size() > 10);
    }
};

QTEST_MAIN(GameSetupTest)
#include "test_game_setup.moc"
