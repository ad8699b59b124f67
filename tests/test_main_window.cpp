// The main window as the player meets it: where everything stands, the menus, the keyboard,
// how a hidden letter looks, the stop routine and quitting.

#include "board_checks.h"
#include "fake_platform.h"
#include "main_window/frm_main.h"
#include "main_window/letter_slot.h"
#include "program_folder_fixture.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

QStringList captions(const QList<QAction*>& actions) {
    QStringList result;
    for (const QAction* action : actions)
        result.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return result;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::optional<TempProgramFolder> folder_;

private slots:
    void init() { folder_.emplace(); }
    void cleanup() { folder_.reset(); }

    void theWindowIsFixedWithMinimiseAndCloseOnly() {
        FakePlatform fake;
        frmMain window(fake.platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Gibbetry"));
        QCOMPARE(window.centralWidget()->size(), QSize(535, 378));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
        QCOMPARE(window.centralWidget()->palette().color(QPalette::Window), QColor(Qt::black));
    }

    void controlsStandWhereTheBoardPutsThem() {
        FakePlatform fake;
        frmMain window(fake.platform);
        QCOMPARE(window.Picture1->geometry(), QRect(16, 16, 297, 241));
        QCOMPARE(window.Image1->geometry(), QRect(352, 56, 157, 68));
        QCOMPARE(window.Image1->pixmap().size(), QSize(157, 68));
        QCOMPARE(window.Command1->geometry(), QRect(384, 184, 81, 33));
        QCOMPARE(window.Frame4->geometry(), QRect(16, 256, 505, 81));
        QCOMPARE(window.cmdLetter[0]->geometry(), QRect(8, 16, 27, 27));
        QCOMPARE(window.cmdLetter[14]->geometry(), QRect(456, 16, 27, 27));
        QCOMPARE(window.cmdLetter[15]->geometry(), QRect(72, 48, 27, 27));
        QCOMPARE(window.cmdLetter[25]->geometry(), QRect(392, 48, 27, 27));
        QCOMPARE(window.lblLetter[0]->geometry(), QRect(37, 344, 23, 41));
        QCOMPARE(window.lblLetter[10]->geometry(), QRect(437, 344, 23, 41));
        QCOMPARE(window.lblLetter[11]->geometry(), QRect(480, 344, 23, 41));
        QCOMPARE(window.Line1->geometry(), QRect(40, 360, 465, 1));
    }

    void everyPieceOfTheDrawingIsItsOwnSize() {
        FakePlatform fake;
        frmMain window(fake.platform);
        const QList<QRect> places = {{3, 216, 288, 15}, {24, 2, 29, 215},   {0, 159, 28, 59},
                                     {48, 161, 29, 56}, {48, 4, 154, 78},   {184, 20, 16, 21},
                                     {168, 32, 46, 42}, {168, 68, 47, 67},  {216, 72, 21, 56},
                                     {144, 72, 24, 55}, {192, 136, 17, 69}, {173, 136, 18, 68}};
        const std::array<QLabel*, 12> figure = window.figure();
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(figure[i]->parentWidget(), window.Picture1);
            QCOMPARE(figure[i]->geometry(), places[i]);
            QCOMPARE(figure[i]->pixmap().size(), places[i].size());
        }
    }

    void slotsAndButtonsCarryTheirCaptionsAndFonts() {
        FakePlatform fake;
        frmMain window(fake.platform);
        for (int i = 0; i < 26; ++i) {
            QCOMPARE(window.cmdLetter[i]->text(), QString(QChar(u'A' + i)));
            QVERIFY(window.cmdLetter[i]->shortcut().isEmpty());
        }
        QCOMPARE(window.Command1->text(), QStringLiteral("New Game"));
        const QFont font = window.lblLetter[0]->font();
        QCOMPARE(font.family(), QStringLiteral("Courier New"));
        QVERIFY(font.bold());
        QCOMPARE(font.pointSizeF(), 27.75);
        QCOMPARE(window.lblLetter[0]->palette().color(QPalette::WindowText), QColor(Qt::white));
    }

    void theMenusHoldTheirItemsInOrder() {
        FakePlatform fake;
        frmMain window(fake.platform);
        QCOMPARE(captions(window.menuBar()->actions()),
                 (QStringList{"&File", "&Options", "About"}));
        QCOMPARE(captions(window.mnuFile->actions()),
                 (QStringList{"&New Game", "S&top Game", "-", "&Quit Game"}));
        QCOMPARE(captions(window.mnuOptions->actions()), QStringList{"Edit &Words List"});
        QCOMPARE(captions(window.mnuav->actions()), QStringList{"About Gibbetry"});
        QVERIFY(!window.mnuStopGame->isEnabled());
        for (QAction* action :
             {window.mnuStartGame, window.mnuExit, window.mnuEditWordsList, window.mnuabout})
            QVERIFY(action->isEnabled() && action->shortcut().isEmpty());
    }

    void tabRunsFromThePaneThroughZToAThenNewGame() {
        FakePlatform fake;
        frmMain window(fake.platform); // a first run: every letter button is enabled
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), window.Picture1);
        QList<QWidget*> expected;
        for (int i = 25; i >= 0; --i)
            expected.append(window.cmdLetter[i]);
        expected.append(window.Command1);
        expected.append(window.Picture1);
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void typingALetterPressesNoButton() {
        FakePlatform fake;
        frmMain window(fake.platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy pressedA(window.cmdLetter[0], &QPushButton::clicked);
        QSignalSpy pressedN(window.cmdLetter[13], &QPushButton::clicked);
        QTest::keyClick(&window, Qt::Key_A);
        QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(pressedA.count(), 0);
        QCOMPARE(pressedN.count(), 0);
    }

    void anAmpersandMarksTheNextCharacter_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("underlined");
        QTest::newRow("hidden letter") << "& "
                                       << " " << 0;
        QTest::newRow("spare slot") << "-"
                                    << "-" << -1;
        QTest::newRow("revealed") << "N"
                                  << "N" << -1;
        QTest::newRow("no game") << " "
                                 << " " << -1;
        QTest::newRow("doubled ampersand") << "&&"
                                           << "&" << -1;
        QTest::newRow("trailing ampersand") << "A&"
                                            << "A" << -1;
    }
    void anAmpersandMarksTheNextCharacter() {
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(int, underlined);
        const LetterSlot::Shown shown = LetterSlot::shown(caption);
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.underlined, underlined);
    }

    void aHiddenLetterShowsAsAnUnderlinedBlankInsideTheWindow() {
        FakePlatform fake;
        frmMain window(fake.platform);
        window.mnuStopGame_Click();
        const QRect slot = window.lblLetter[3]->geometry();
        // bright pixels of the slot, row by row, as the window shows them
        auto brightRows = [&] {
            const QImage board = window.centralWidget()->grab().toImage();
            QList<int> rows;
            for (int y = slot.top(); y < board.height(); ++y) {
                int bright = 0;
                for (int x = slot.left(); x <= slot.right(); ++x)
                    bright += qGray(board.pixel(x, y)) > 128;
                rows.append(bright);
            }
            return rows;
        };
        const QList<int> blank = brightRows();
        QVERIFY(std::all_of(blank.begin(), blank.end(), [](int n) { return n == 0; }));
        window.lblLetter[3]->setCaption(QStringLiteral("& "));
        const QList<int> mark = brightRows();
        const auto firstLit = std::find_if(mark.begin(), mark.end(), [](int n) { return n > 0; });
        QVERIFY2(firstLit != mark.end(), "the mark is not on the board");
        QVERIFY(firstLit - mark.begin() > slot.height() / 2); // a line low down, not a dash
        QVERIFY(*std::max_element(mark.begin(), mark.end()) >= 15);
    }

    void stoppingLeavesTheNoGameStateAndTheMissCount() {
        FakePlatform fake;
        frmMain window(fake.platform);
        window.MissCount = 7;
        window.mnuStopGame_Click();
        QCOMPARE(noGameStateDifference(window), QString());
        QCOMPARE(window.MissCount, qint16(7));
        window.mnuStopGame_Click();
        QCOMPARE(noGameStateDifference(window), QString());
    }

    void quitGameEndsTheProgramAndTakesEveryWindowWithIt_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Quit Game") << true;
        QTest::newRow("close button") << false;
    }
    void quitGameEndsTheProgramAndTakesEveryWindowWithIt() {
        QFETCH(bool, byMenu);
        FakePlatform fake;
        frmMain window(fake.platform);
        QWidget other; // stands for a window without an owner, such as the About box
        window.show();
        other.show();
        QTimer::singleShot(0, &window, [&] {
            if (byMenu)
                window.mnuExit->trigger();
            else
                window.close();
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!window.isVisible());
        QVERIFY(!other.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
