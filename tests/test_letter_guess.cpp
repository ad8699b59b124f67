// Playing: revealing letters, the drawing growing miss by miss, and how a game ends.

#include "board_checks.h"
#include "fake_platform.h"
#include "main_window/frm_main.h"
#include "main_window/message_box.h"
#include "program_folder_fixture.h"

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

    TempProgramFolder* folder_ = nullptr;
    FakePlatform* fake_ = nullptr;
    frmMain* window_ = nullptr;

    // A game in progress on the given word.
    frmMain& dealt(const QString& word) {
        folder_->writeSettings(QString(word).toLatin1() + "\r\n");
        window_ = new frmMain(fake_->platform);
        window_->mnuStartGame_Click();
        return *window_;
    }

private slots:
    void init() {
        folder_ = new TempProgramFolder;
        fake_ = new FakePlatform;
    }
    void cleanup() {
        delete window_;
        delete fake_;
        delete folder_;
        window_ = nullptr;
    }

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
        QVERIFY(fake_->messageBox.shown.isEmpty());
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
        QVERIFY(fake_->messageBox.shown.isEmpty()); // eleven misses are allowed
    }

    void theLastLetterWinsEvenAtElevenMisses() {
        frmMain& window = dealt("Wax");
        press(window, kElevenMisses);
        press(window, "WA");
        QVERIFY(fake_->messageBox.shown.isEmpty());
        QStringList boardWhileShown;
        QString piecesWhileShown;
        fake_->messageBox.whileShown = [&](const ScriptedMessageBox::Shown&) {
            boardWhileShown = slotCaptions(window);
            piecesWhileShown = shownPieces(window);
            QVERIFY(fake_->sound.played.isEmpty());
        };
        press(window, "X");
        QCOMPARE(fake_->messageBox.texts(), QStringList{"You Have Won The Game."});
        QCOMPARE(fake_->messageBox.shown[0].style, kStyleInformation);
        QCOMPARE(fake_->messageBox.shown[0].caption, QStringLiteral("Gibbetry"));
        QCOMPARE(boardWhileShown.mid(0, 3), (QStringList{"W", "A", "X"}));
        QCOMPARE(piecesWhileShown, stage(11));
        QCOMPARE(fake_->sound.played, QStringList{folder_->file("win.wav")});
        QCOMPARE(noGameStateDifference(window), QString());
        QCOMPARE(window.MissCount, qint16(11));
    }

    void theTwelfthMissLosesWithALetterStillHidden() {
        frmMain& window = dealt("Wax");
        press(window, "WA");
        press(window, kElevenMisses);
        QVERIFY(fake_->messageBox.shown.isEmpty());
        QStringList boardWhileShown;
        QString piecesWhileShown;
        fake_->messageBox.whileShown = [&](const ScriptedMessageBox::Shown&) {
            boardWhileShown = slotCaptions(window);
            piecesWhileShown = shownPieces(window);
        };
        press(window, "Z");
        QCOMPARE(fake_->messageBox.texts(), QStringList{"You Have Lost The Game"});
        QCOMPARE(fake_->messageBox.shown[0].style, kStyleInformation);
        QCOMPARE(boardWhileShown.mid(0, 3), (QStringList{"W", "A", "& "}));
        QCOMPARE(piecesWhileShown, stage(12));
        QCOMPARE(fake_->sound.played, QStringList{folder_->file("lose.wav")});
        QCOMPARE(noGameStateDifference(window), QString());
        QCOMPARE(window.MissCount, qint16(12));
    }

    void anEndRunsMessageThenSoundThenClearsThenDisablesTheButton() {
        frmMain& window = dealt("Ox");
        QStringList order;
        fake_->messageBox.whileShown = [&](const ScriptedMessageBox::Shown&) {
            order << "message";
        };
        fake_->sound.whilePlaying = [&](const QString&) {
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
        QVERIFY(fake_->messageBox.shown.isEmpty());
        press(window, "DEFGHIJKLMNO"); // twelve misses
        QCOMPARE(fake_->messageBox.texts(), QStringList{"You Have Lost The Game"});
    }

    void pressesOnTheFirstRunBoardAreAllMisses() {
        window_ = new frmMain(fake_->platform); // no Settings: the design board stays up
        press(*window_, "ABCDEFGHIJK");
        QCOMPARE(shownPieces(*window_), stage(12)); // the first-run board shows every piece
        QVERIFY(fake_->messageBox.shown.isEmpty());
        press(*window_, "L");
        QCOMPARE(fake_->messageBox.texts(), QStringList{"You Have Lost The Game"});
        QCOMPARE(noGameStateDifference(*window_), QString());
    }
};

QTEST_MAIN(LetterGuessTest)
#include "test_letter_guess.moc"
