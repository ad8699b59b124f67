// The main window and a game on it, driven through its buttons and menus as a player drives it:
// dealing, guessing, the drawing growing miss by miss, how a game ends, and how the program ends.

#include "fixture.h"
#include "main_window/accessibility.h"
#include "main_window/letter_slot.h"
#include "main_window/list_view.h"
#include "word_list/frm_words.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

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
        word += window.lblLetter[i]->tag();
    return word;
}

// The slots' captions written short: "_" for a hidden letter ("& ").
QString board(const frmMain& window) {
    return slotTexts(window, &LetterSlot::caption)
        .join(QString())
        .replace(QStringLiteral("& "), QStringLiteral("_"));
}

// Misses in "Wax": eleven letters it does not hold.
constexpr const char* kElevenMisses = "BCDEFGHIJKL";

} // namespace

class BoardTest : public QObject {
    Q_OBJECT

    std::optional<GameRun> run_;

private slots:
    void init() { run_.emplace(); }
    void cleanup() { run_.reset(); }

    void aDealLaysTheWordOutOneCharacterASlot_data() {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("tags");
        QTest::newRow("Wax") << QByteArray("Wax") << "___---------"
                             << "Wax---------";
        QTest::newRow("12 letters") << QByteArray("Multifarious") << "____________"
                                    << "Multifarious";
        QTest::newRow("no button carries these")
            << QByteArray("A 1-\xe9") << "_____-------" << QString::fromLatin1("A 1-\xe9-------");
        QTest::newRow("13 letters stay blank")
            << QByteArray("Unbelievables") << QString(12, u' ') << QString(12, u'-');
        QTest::newRow("an empty row stays blank")
            << QByteArray() << QString(12, u' ') << QString(12, u'-');
    }
    void aDealLaysTheWordOutOneCharacterASlot() {
        QFETCH(QByteArray, word);
        QFETCH(QString, shown);
        QFETCH(QString, tags);
        frmMain& window = run_->deal(word);
        QCOMPARE(board(window), shown);
        QCOMPARE(slotTexts(window, &LetterSlot::tag).join(QString()), tags);
        // a game runs even when nothing was laid out
        QVERIFY(!window.mnuStartGame->isEnabled() && window.mnuStopGame->isEnabled());
        QVERIFY(window.Timer1->isActive());
        QCOMPARE(shownPieces(window), stage(0));
        for (QPushButton* letter : window.cmdLetter)
            QVERIFY(letter->isEnabled());
    }

    void theDealPicksTheRowTheValueLandsOn_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<QString>("word");
        QTest::newRow("10 rows, 0.25 is 2.5: even") << 10 << QList<float>{0.25f} << "w2";
        QTest::newRow("10 rows, 0.75 is 7.5: even") << 10 << QList<float>{0.75f} << "w8";
        QTest::newRow("0 counts as row 1") << 10 << QList<float>{0.0f} << "w1";
        QTest::newRow("10 rows, 0.95 is 9.5") << 10 << QList<float>{0.95f} << "w10";
        QTest::newRow("11 rows: 11.5 and 50 miss")
            << 11 << QList<float>{0.115f, 0.5f, 0.114f} << "w11";
        QTest::newRow("1 row: 1.5 misses") << 1 << QList<float>{0.15f, 0.9f, 0.149f} << "w1";
        QTest::newRow("1000 rows reach the last") << 1000 << QList<float>{0.9995f} << "w1000";
        QTest::newRow("1001 rows reach the last") << 1001 << QList<float>{0.1001f} << "w1001";
        QTest::newRow("1500 rows: beyond misses")
            << 1500 << QList<float>{0.1501f, 0.15f} << "w1500";
    }
    void theDealPicksTheRowTheValueLandsOn() {
        QFETCH(int, rows);
        QFETCH(QList<float>, values);
        QFETCH(QString, word);
        run_->writeWords(numberedWords(rows));
        run_->desktop.values = values;
        const int attempts = int(values.size());
        run_->start().Command1->click();
        QCOMPARE(dealtWord(*run_->window), word);
        QCOMPARE(run_->desktop.taken, attempts);
        QVERIFY(run_->desktop.texts.isEmpty());
    }

    void everyRunDealsTheSameWords() {
        run_->writeWords(numberedWords(35));
        QList<QStringList> runs(2);
        for (QStringList& words : runs) {
            FixedStartRandom random;
            Platform platform{run_->desktop, run_->desktop, run_->desktop, random, run_->desktop};
            frmMain window(platform);
            for (int i = 0; i < 20; ++i) {
                window.Command1->click();
                words.append(dealtWord(window));
            }
        }
        QCOMPARE(runs[0], runs[1]);
        // and the deals move on: any fair generator deals over ten different words in twenty
        QVERIFY(QSet<QString>(runs[0].begin(), runs[0].end()).size() > 10);
    }

    void anEmptyListSaysSoAndStartsNoGame() {
        run_->writeSettings({});
        run_->start().mnuStartGame->trigger();
        QCOMPARE(run_->desktop.texts, QStringList{"The Words List Is Empty."});
        QCOMPARE(run_->desktop.styles, QList<int>{kStyleExclamation});
        QCOMPARE(noGameDifference(*run_->window), QString());
        QCOMPARE(run_->desktop.taken, 0);
    }

    void newGameDuringAGameStartsAfreshAndStopEndsIt() {
        run_->writeWords({"Wax", "Ox"});
        run_->desktop.values = {0.0f, 0.2f};
        frmMain& window = run_->start();
        window.Command1->click();
        run_->press("WQ");
        window.Command1->click();
        QCOMPARE(dealtWord(window), QStringLiteral("Ox"));
        QCOMPARE(shownPieces(window), stage(0));
        QVERIFY(window.cmdLetter['W' - 'A']->isEnabled());
        run_->press("OX"); // the slots "Wax" used are spare again, and count as complete
        QCOMPARE(run_->desktop.texts, QStringList{"You Have Won The Game."});
        window.Command1->click();
        run_->press("Q");
        window.mnuStopGame->trigger();
        QCOMPARE(noGameDifference(window), QString());
        // The stopped game's miss stays marked; the first game's hit was cleared by the deal.
        QCOMPARE(window.cmdLetter['Q' - 'A']->guess(), LetterButton::Guess::Missed);
        QCOMPARE(window.cmdLetter['W' - 'A']->guess(), LetterButton::Guess::None);
    }

    void eachMissShowsExactlyItsStage() {
        frmMain& window = run_->deal("Wax");
        for (int miss = 1; miss <= 11; ++miss) {
            run_->press(QByteArray(1, kElevenMisses[miss - 1]).constData());
            QCOMPARE(shownPieces(window), stage(miss));
            run_->press(miss == 1 ? "W" : miss == 2 ? "A" : "");
            QCOMPARE(shownPieces(window), stage(miss)); // a hit changes no picture
        }
        QVERIFY(run_->desktop.texts.isEmpty()); // eleven misses are allowed
    }

    void anEndShowsItsMessageThenPlaysItsSoundThenClears_data() {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QByteArray>("letters");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("misses");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("drawing"); // the guess heard, and the drawing, under the message
        QTest::newRow("the last letter wins, even at 11 misses")
            << QByteArray("Wallaby") << QByteArray("CDEFGHIJKMNWLABY") << "You Have Won The Game."
            << "WALLABY-----" << 11 << "win.wav"
            << "Y: yes. You Have Won The Game.|"
               "Gallows drawing, 11 of 12 pieces shown, 1 miss left";
        QTest::newRow("the 12th miss loses, a letter still hidden")
            << QByteArray("Internet") << QByteArray("NTBCDFGHJKLMOP") << "You Have Lost The Game"
            << "_NT__N_T----" << 12 << "lose.wav"
            << "P: no. You Have Lost The Game|"
               "Gallows drawing, 12 of 12 pieces shown, no misses left";
        QTest::newRow("a word no button can finish is lost")
            << QByteArray("Ab c") << QByteArray("ABCDEFGHIJKLMNO") << "You Have Lost The Game"
            << "AB_C--------" << 12 << "lose.wav"
            << "O: no. You Have Lost The Game|"
               "Gallows drawing, 12 of 12 pieces shown, no misses left";
    }
    void anEndShowsItsMessageThenPlaysItsSoundThenClears() {
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, letters);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QFETCH(int, misses);
        QFETCH(QString, sound);
        QFETCH(QString, drawing);
        frmMain& window = run_->deal(word);
        run_->press(letters.chopped(1).constData());
        QVERIFY(run_->desktop.texts.isEmpty());
        QStringList order;
        run_->desktop.whileShown = [&](const QString&) {
            order << "message" << board(window) << shownPieces(window)
                  << window.lblNotice->accessibleName() + u'|' + window.Picture1->accessibleName();
        };
        run_->desktop.whilePlaying = [&] {
            order << "sound" << board(window) << shownPieces(window);
            // clicked during the sound: had it waited, it would guess once the sound ends
            QPushButton* letter = *std::find_if(window.cmdLetter.begin(), window.cmdLetter.end(),
                                                [](QPushButton* b) { return b->isEnabled(); });
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    letter, new QMouseEvent(type, QPointF(5, 5), letter->mapToGlobal(QPointF(5, 5)),
                                            Qt::LeftButton, Qt::LeftButton, {}));
        };
        connect(
            window.mnuStartGame, &QAction::changed, &window, [&] { order << "cleared"; },
            Qt::SingleShotConnection);
        run_->press(letters.right(1).constData());
        QCOMPARE(order, (QStringList{"message", shown, stage(misses), drawing, "sound", shown,
                                     stage(misses), "cleared"}));
        QCOMPARE(run_->desktop.texts, QStringList{message});
        QCOMPARE(run_->desktop.styles, QList<int>{kStyleInformation});
        QCOMPARE(run_->desktop.played, QStringList{run_->file(sound)});
        QCoreApplication::processEvents();
        QVERIFY(!window.gameInProgress());
        QCOMPARE(run_->desktop.cues, QStringList()); // no screen reader, no cue
        QCOMPARE(noGameDifference(window), QString());
    }

    void tabRunsFromThePaneThroughZToAThenNewGame() {
        frmMain& window = run_->start(); // a first run: every letter button is enabled
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QString order;
        for (int i = 0; i < 29; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab)) {
            auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
            order += button ? button->text().left(1) : QStringLiteral("|");
        }
        QCOMPARE(order, QStringLiteral("|ZYXWVUTSRQPONMLKJIHGFEDCBAN|"));
    }

    // A player at the keyboard, listening through a screen reader: one key names a letter and
    // one presses it, and no other key ever guesses; each step is heard once, the answer before
    // anything about the focus, and a short sound marks each hit and miss.
    void aKeyboardPlayerGuessesOnlyTheLettersTheyNameAndHearsTheAnswerFirst() {
        static QStringList heard;
        static QString focused;
        heard.clear();
        const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            const QAccessibleInterface* object = event->accessibleInterface();
            // focus news of the object already focused, or of one that lost it (as a cleared
            // focus gives), is no news
            if (event->type() == QAccessible::Focus && object->state().focused) {
                const QString name = object->text(QAccessible::Name);
                if (name != std::exchange(focused, name))
                    heard << "focus " + name;
            }
            // a screen reader says a notice's role before its words, unless a status bar holds it
            if (event->type() == kAnnouncementEvent && object &&
                object->role() == QAccessible::Notification) {
                const bool inBar = object->parent()->role() == QAccessible::StatusBar;
                heard << (inBar ? QString() : "notification ") + object->text(QAccessible::Name);
            }
        });
        QPlatformAccessibility* accessibility =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        accessibility->setActive(true); // as a screen reader's arrival does
        const auto restore = qScopeGuard([&] {
            accessibility->setActive(false);
            QAccessible::installUpdateHandler(previous);
        });
        run_->writeWords({"Wax", "Corn", "Tree", "Wash", "Rich", "Ox"});
        frmMain& window = run_->start();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // a review reads pictures, groups and the slots as the word: no frame, nothing between,
        // and no notice on show
        QStringList strays;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            for (int i = 0; i < node->childCount(); ++i) {
                QAccessibleInterface* child = node->child(i);
                const QAccessible::Role role = child->role();
                if (!child->state().invisible &&
                    (role == QAccessible::Border || role == QAccessible::Separator ||
                     role == QAccessible::Notification))
                    strays << child->text(QAccessible::Name);
                walk(child);
            }
        };
        walk(QAccessible::queryAccessibleInterface(&window));
        QCOMPARE(strays, QStringList());
        const auto press = [&](Qt::Key key, QWidget* on = nullptr) {
            heard.clear();
            QTest::keyClick(on                     ? on
                            : window.focusWidget() ? window.focusWidget()
                                                   : static_cast<QWidget*>(&window),
                            key);
            return heard;
        };
        const auto used = [&] {
            QString letters;
            for (const QPushButton* letter : window.cmdLetter)
                letters += letter->isEnabled() ? QString() : letter->text();
            return letters;
        };
        const QString noGame = QStringLiteral("No game in progress. Alt+F, N deals a word.");
        const QString typeALetter = QStringLiteral("Type a letter to guess.");
        QCOMPARE(press(Qt::Key_Z), QStringList{noGame});
        heard.clear();
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QCOMPARE(heard, (QStringList{"focus New Game", "New game, 3 letters."}));
        QCOMPARE(window.Picture1->accessibleDescription(), // this game's, not the last one's
                 "Word: blank blank blank. 12 misses left. Missed: none. Found: none.");
        QCOMPARE(press(Qt::Key_Space), QStringList{typeALetter}); // a deal leaves nothing to press
        QCOMPARE(press(Qt::Key_Q), QStringList{"focus Q"});       // and presses nothing
        QCOMPARE(board(window) + shownPieces(window), "___---------" + stage(0));
        // the answer first, the misses left before the word, and nothing of the focus
        QCOMPARE(press(Qt::Key_Return),
                 QStringList{"Q: no. 11 misses left. Word: blank blank blank."});
        QCOMPARE(press(Qt::Key_Return), QStringList{typeALetter});
        QCOMPARE(press(Qt::Key_Space), QStringList{typeALetter});
        QCOMPARE(used(), QStringLiteral("Q"));
        QCOMPARE(press(Qt::Key_Left), QStringList{"focus P"}); // on from the letter last pressed
        QCOMPARE(press(Qt::Key_A), QStringList{"focus A"});
        QCOMPARE(press(Qt::Key_Space),
                 QStringList{"A: yes, 1 place. 11 misses left. Word: blank A blank."});
        QCOMPARE(run_->desktop.cues, (QStringList{run_->file("miss.wav"), run_->file("hit.wav")}));
        // the arrows go on from the letter last pressed, to the nearest letter left
        QCOMPARE(press(Qt::Key_Left), QStringList());
        QCOMPARE(press(Qt::Key_Down), QStringList{"focus P"});
        QCOMPARE(press(Qt::Key_Right), QStringList{"focus R"});
        QCOMPARE(press(Qt::Key_Up), QStringList{"focus E"});
        const QString state("Word: blank A blank. 11 misses left. Missed: Q. Found: A.");
        QCOMPARE(press(Qt::Key_F2), QStringList{state});
        QCOMPARE(window.Picture1->accessibleDescription(), state);
        QCOMPARE(window.Picture1->accessibleName(),
                 QStringLiteral("Gallows drawing, 1 of 12 pieces shown, 11 misses left"));
        // a letter already tried names nothing: Enter then presses nothing either
        QCOMPARE(press(Qt::Key_Q), QStringList{"Q: already tried, a miss."});
        QCOMPARE(press(Qt::Key_Return), QStringList{typeALetter});
        QCOMPARE(press(Qt::Key_A), QStringList{"A: already tried, a hit."});
        QCOMPARE(QApplication::focusWidget(), window.cmdLetter['E' - 'A']);
        QCOMPARE(used(), QStringLiteral("AQ"));
        // New Game in the middle of a game says what it threw away
        window.Command1->setFocus();
        QCOMPARE(press(Qt::Key_Enter), QStringList{"Game dropped. New game, 3 letters."});
        // a letter reached with Shift+Tab is named too: Enter presses it
        press(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), window.Command1);
        QCOMPARE(press(Qt::Key_Backtab), QStringList{"focus A"});
        QCOMPARE(press(Qt::Key_Return),
                 QStringList{"A: yes, 1 place. 12 misses left. Word: blank A blank."});
        // File's first item chosen by keys: Alt, Down opens the menu on it, Enter
        const auto firstOfFile = [&] {
            heard.clear();
            QTest::keyClick(&window, Qt::Key_Alt, Qt::AltModifier);
            QTest::keyClick(window.menuBar(), Qt::Key_Down);
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
            return heard;
        };
        QCOMPARE(firstOfFile().last(), QStringLiteral("Game stopped."));
        // the keys are the board's again, not the menu bar's, and after Alt, Esc too
        QCOMPARE(window.focusWidget(), nullptr);
        QCOMPARE(press(Qt::Key_O), QStringList{noGame});
        QTest::keyClick(&window, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClick(window.menuBar(), Qt::Key_Escape);
        QCOMPARE(press(Qt::Key_O), QStringList{noGame}); // not the Options menu
        // offscreen, a closed menu leaves no window active; made active again, the window keeps
        // nothing focused, rather than take Qt's pick of its first control
        const auto activateAgain = [&] {
            heard.clear();
            window.activateWindow();
            if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }))
                return QStringList{"the window never came back"};
            QCoreApplication::processEvents();
            return heard;
        };
        QCOMPARE(activateAgain().join("#"), QString());
        QCOMPARE(window.focusWidget(), nullptr);
        QCOMPARE(press(Qt::Key_F2), QStringList{noGame});
        QCOMPARE(press(Qt::Key_Return), QStringList{noGame});
        QCOMPARE(window.Picture1->accessibleName(),
                 QStringLiteral("Gallows drawing, 0 of 12 pieces shown")); // no misses to count
        // a deal from the menu is heard first: the drawing, focused as at the start, is not read
        // again before it
        window.Picture1->setFocus(Qt::TabFocusReason);
        QCOMPARE(firstOfFile(),
                 (QStringList{"focus File", "focus New Game", "New game, 3 letters."}));
        QCOMPARE(activateAgain(), QStringList());
        for (const Qt::Key key : {Qt::Key_W, Qt::Key_Return, Qt::Key_X, Qt::Key_Return, Qt::Key_A})
            press(key);
        // the game is over: the letters go, and New Game deals the next
        QCOMPARE(press(Qt::Key_Return),
                 (QStringList{"A: yes. You Have Won The Game.", "focus New Game"}));
        QCOMPARE(run_->desktop.texts, QStringList{"You Have Won The Game."});
        // the editor: the row the list stands on, what Add and Remove did, where the focus is
        // after Remove, and on closing, what was thrown away and a game it stopped
        const auto inEditor = [&](const std::function<void(frmWords&)>& edit) {
            whenModal([&](QWidget& modal) {
                modal.activateWindow(); // offscreen, the window of a modal loop is not made active
                QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == &modal; }));
                QCoreApplication::processEvents(); // the list's row, said as the editor opens
                edit(window.wordsWindow());
                heard.clear();
                window.wordsWindow().cmdClose->click();
            });
            window.mnuEditWordsList->trigger();
            return heard.filter(QRegularExpression("^(?!focus )")); // the notices alone
        };
        QStringList entered, added, removed;
        run_->desktop.typed = QStringList{"Puzzle"};
        QCOMPARE(inEditor([&](frmWords& editor) {
                     editor.cmdAdd->setFocus();
                     press(Qt::Key_Backtab, editor.cmdAdd);
                     QCoreApplication::processEvents();
                     entered = heard;
                     added = press(Qt::Key_Return, editor.cmdAdd);
                     editor.lstWords->setCurrentIndex(editor.lstWords->model()->index(0, 0));
                     editor.cmdRemove->setFocus();
                     removed = press(Qt::Key_Return, editor.cmdRemove);
                     removed << (QApplication::focusWidget() == editor.cmdRemove ? "on Remove"
                                                                                 : "moved");
                 }),
                 QStringList{"Unsaved changes discarded."});
        QCOMPARE(entered, (QStringList{"focus Words", "Wax, 3 letters, 1 of 6."}));
        QCOMPARE(added, QStringList{"Added Puzzle. 7 words."});
        QCOMPARE(removed.mid(removed.size() - 2),
                 (QStringList{"Removed Wax. 6 words left.", "on Remove"}));
        window.Command1->click();
        QCOMPARE(inEditor([](frmWords&) {}), QStringList{"Game stopped."});
        QCOMPARE(inEditor([](frmWords&) {}), QStringList());
    }
    void quittingEndsTheProgramAndTakesEveryWindowWithIt_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Quit Game") << true;
        QTest::newRow("close button") << false;
    }
    void quittingEndsTheProgramAndTakesEveryWindowWithIt() {
        QFETCH(bool, byMenu);
        frmMain& window = run_->start();
        QWidget other; // stands for a window without an owner, such as the About box
        window.show();
        other.show();
        QTimer::singleShot(0, &window,
                           [&] { byMenu ? window.mnuExit->trigger() : void(window.close()); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!window.isVisible() && !other.isVisible());
    }
};

QTEST_MAIN(BoardTest)
#include "test_board.moc"
