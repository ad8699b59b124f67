// Playing: revealing letters, the drawing growing miss by miss, and how a game ends.

#include "board_checks.h"
#include "game_fixture.h"
#include "main_window/frm_main.h"
#include "main_window/message_box.h"

#include <QPushButton>
#include <QTest>

namespace {

QPushButton* button(frmMain& window, char letter) {
    return window.cmdLetter[letter - 'A'];
}

void press(frmMain& window, const char* letters) {
    for (const char* letter = letters; *letter; ++letter)
        window.cmdLetter_Click(static_cast<qint16>(*letter - 'A'));
}

QString stage(int misses) {
    return QString(misses, u'1') + QString(12 - misses, u'0');
}

// Misses in "Wax": eleven letters it does not hold.
constexpr const char* kElevenMisses = "BCDEFGHIJKL";

} // namespace

class LetterGuessTest : public QObject {
    Q_OBJECT

    std::optional<GameFixture> game_;

    // A game in progress on the given word.
    frmMain& dealt(const QString& word) {
        game_->folder.writeSettings(QString(word).toLatin1() + "\r\n");
        game_->start();
        game_->window->mnuStartGame_Click();
        return *game_->window;
    }

private slots:
    void init() { game_.emplace(); }
    void cleanup() { game_.reset(); }

    void aHitShowsTheCapitalInEverySlotThatHidesIt() {
        frmMain& window = dealt("Internet");
        press(window, "N");
        QCOMPARE(slotCaptions(window),
                 (QStringList{"& ", "N", "& ", "& ", "& ", "N", "& ", "& ", "-", "-", "-", "-"}));
        press(window, "T");
        QCOMPARE(slotCaptions(window).mid(0, 8),
                 (QStringList{"& ", "N", "T", "& ", "& ", "N", "& ", "T"}));
        QVERIFY(!button(window, 'N')->isEnabled());
        QVERIFY(button(window, 'E')->isEnabled());
        QCOMPARE(window.MissCount, qint16(0));
        QCOMPARE(shownPieces(window), stage(0));
        QVERIFY(game_->fake.messageBox.shown.isEmpty());
    }

    void oneDoubleLetterFillsBothSlots() {
        frmMain& window = dealt("Wallaby");
        press(window, "L");
        QCOMPARE(slotCaptions(window).mid(0, 7),
                 (QStringList{"& ", "& ", "L", "L", "& ", "& ", "& "}));
    }

    void eachMissShowsExactlyItsStage() {
        frmMain& window = dealt("Wax");
        for (int miss = 1; miss <= 11; ++miss) {
            press(window, QByteArray(1, kElevenMisses[miss - 1]).constData());
            QCOMPARE(window.MissCount, qint16(miss));
            QCOMPARE(shownPieces(window), stage(miss));
            press(window, miss == 1 ? "W" : miss == 2 ? "A" : "");
            QCOMPARE(shownPieces(window), stage(miss)); // a hit changes no picture
        }
        QVERIFY(game_->fake.messageBox.shown.isEmpty()); // eleven misses are allowed
    }

    void anEndShowsItsMessageOverTheFinalBoard_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("board");
        QTest::addColumn<int>("misses");
        QTest::addColumn<QString>("sound");
        QTest::newRow("the last letter wins, even at eleven misses")
            << QString(kElevenMisses) + "WA"
            << "X"
            << "You Have Won The Game." << QStringList{"W", "A", "X"} << 11 << "win.wav";
        QTest::newRow("the twelfth miss loses, a letter still hidden")
            << "WA" + QString(kElevenMisses) << "Z"
            << "You Have Lost The Game" << QStringList{"W", "A", "& "} << 12 << "lose.wav";
    }
    void anEndShowsItsMessageOverTheFinalBoard() {
        QFETCH(QString, before);
        QFETCH(QString, last);
        QFETCH(QString, message);
        QFETCH(QStringList, board);
        QFETCH(int, misses);
        QFETCH(QString, sound);
        frmMain& window = dealt("Wax");
        press(window, qPrintable(before));
        QVERIFY(game_->fake.messageBox.shown.isEmpty());
        QStringList boardWhileShown;
        QString piecesWhileShown;
        game_->fake.messageBox.whileShown = [&](const ScriptedMessageBox::Shown&) {
            boardWhileShown = slotCaptions(window);
            piecesWhileShown = shownPieces(window);
            QVERIFY(game_->fake.sound.played.isEmpty());
        };
        press(window, qPrintable(last));
        QCOMPARE(game_->fake.messageBox.texts(), QStringList{message});
        QCOMPARE(game_->fake.messageBox.shown[0].style, kStyleInformation);
        QCOMPARE(game_->fake.messageBox.shown[0].caption, QStringLiteral("Gibbetry"));
        QCOMPARE(boardWhileShown.mid(0, 3), board);
        QCOMPARE(piecesWhileShown, stage(misses));
        QCOMPARE(game_->fake.sound.played, QStringList{game_->folder.file(sound)});
        QCOMPARE(noGameStateDifference(window), QString());
        QCOMPARE(window.MissCount, qint16(misses));
    }

    void anEndRunsMessageThenSoundThenClearsThenDisablesTheButton() {
        frmMain& window = dealt("Ox");
        QStringList order;
        game_->fake.messageBox.whileShown = [&](const ScriptedMessageBox::Shown&) {
            order << "message";
        };
        game_->fake.sound.whilePlaying = [&](const QString&) {
            order << "sound";
            QCOMPARE(slotCaptions(window).mid(0, 2), (QStringList{"O", "X"}));
        };
        press(window, "O");
        QObject::connect(
            window.mnuStartGame, &QAction::changed, &window, [&] { order << "board cleared"; },
            Qt::SingleShotConnection);
        press(window, "X");
        QCOMPARE(order, (QStringList{"message", "sound", "board cleared"}));
        QVERIFY(!button(window, 'X')->isEnabled());
        QCOMPARE(noGameStateDifference(window), QString());
    }

    void aCharacterNoButtonCarriesCanNeverBeRevealed() {
        frmMain& window = dealt("Ab c");
        press(window, "ABC");
        QCOMPARE(slotCaptions(window).mid(0, 4), (QStringList{"A", "B", "& ", "C"}));
        QVERIFY(game_->fake.messageBox.shown.isEmpty());
        press(window, "DEFGHIJKLMNO"); // twelve misses
        QCOMPARE(game_->fake.messageBox.texts(), QStringList{"You Have Lost The Game"});
    }

    void pressesOnTheFirstRunBoardAreAllMisses() {
        game_->start(); // no Settings: the design board stays up
        press(*game_->window, "ABCDEFGHIJK");
        QCOMPARE(shownPieces(*game_->window), stage(12)); // the first-run board shows every piece
        QVERIFY(game_->fake.messageBox.shown.isEmpty());
        press(*game_->window, "L");
        QCOMPARE(game_->fake.messageBox.texts(), QStringList{"You Have Lost The Game"});
        QCOMPARE(noGameStateDifference(*game_->window), QString());
    }
};

QTEST_MAIN(LetterGuessTest)
#include "test_letter_guess.moc"
