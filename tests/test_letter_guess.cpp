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

    void theLastLetterWinsEvenAtElevenMisses() {
        frmMain& window = dealt("Wax");
        press(window, kElevenMisses);
        press(window, "WA");
        QVERIFY(game_->fake.messageBox.shown.isEmpty());
        QStringList boardWhileShown;
        QString piecesWhileShown;
        game_->fake.messageBox.whileShown = [&](const ScriptedMessageBox::Shown&) {
            boardWhileShown = slotCaptions(window);
            piecesWhileShown = shownPieces(window);
            QVERIFY(game_->fake.sound.played.isEmpty());
        };
        press(window, "X");
        QCOMPARE(game_->fake.messageBox.texts(), QStringList{"You Have Won The Game."});
        QCOMPARE(game_->fake.messageBox.shown[0].style, kStyleInformation);
        QCOMPARE(game_->fake.messageBox.shown[0].caption, QStringLiteral("Gibbetry"));
        QCOMPARE(boardWhileShown.mid(0, 3), (QStringList{"W", "A", "X"}));
        QCOMPARE(piecesWhileShown, stage(11));
        QCOMPARE(game_->fake.sound.played, QStringList{game_->folder.file("win.wav")});
        QCOMPARE(noGameStateDifference(window), QString());
        QCOMPARE(window.MissCount, qint16(11));
    }

    void theTwelfthMissLosesWithALetterStillHidden() {
        frmMain& window = dealt("Wax");
        press(window, "WA");
        press(window, kElevenMisses);
        QVERIFY(game_->fake.messageBox.shown.isEmpty());
        QStringList boardWhileShown;
        QString piecesWhileShown;
        game_->fake.messageBox.whileShown = [&](const ScriptedMessageBox::Shown&) {
            boardWhileShown = slotCaptions(window);
            piecesWhileShown = shownPieces(window);
        };
        press(window, "Z");
        QCOMPARE(game_->fake.messageBox.texts(), QStringList{"You Have Lost The Game"});
        QCOMPARE(game_->fake.messageBox.shown[0].style, kStyleInformation);
        QCOMPARE(boardWhileShown.mid(0, 3), (QStringList{"W", "A", "& "}));
        QCOMPARE(piecesWhileShown, stage(12));
        QCOMPARE(game_->fake.sound.played, QStringList{game_->folder.file("lose.wav")});
        QCOMPARE(noGameStateDifference(window), QString());
        QCOMPARE(window.MissCount, qint16(12));
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
