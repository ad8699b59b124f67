// The About box: one at a time, centred, closed by Enter or Esc, and its two links. Also what a
// screen reader is told of the board.

#include "about/frm_about.h"
#include "about/link_label.h"
#include "board_checks.h"
#include "game_fixture.h"
#include "main_window/frm_main.h"
#include "main_window/letter_slot.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

QList<frmAbout*> aboutBoxes() {
    QList<frmAbout*> boxes;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<frmAbout*>(window); box && box->isVisible())
            boxes.append(box);
    }
    return boxes;
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString spokenName(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

bool centredOnScreen(const QWidget& box) {
    const QPoint offset =
        box.frameGeometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    return offset.manhattanLength() <= 2;
}

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

    std::optional<GameFixture> game_;

    frmAbout& openAbout() {
        game_->window->mnuabout->trigger();
        return *aboutBoxes().value(0);
    }

private slots:
    void init() {
        game_.emplace();
        game_->folder.writeWords({"Wax", "Corn", "Tree", "Wash", "Rich"});
        game_->start();
        game_->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(game_->window.get()));
    }
    void cleanup() {
        game_.reset();
        settle();
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }

    void theBoxShowsNameVersionAndLinks() {
        frmAbout& box = openAbout();
        QCOMPARE(box.windowTitle(), QStringLiteral("About Gibbetry"));
        QCOMPARE(box.size(), QSize(367, 252));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QVERIFY(
            !(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(box.parentWidget(), nullptr);
        QCOMPARE(box.palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(box.Label5->text(), QStringLiteral("Gibbetry"));
        QCOMPARE(box.Label5->font().family(), QStringLiteral("Arial"));
        QCOMPARE(box.Label5->font().pointSizeF(), 18.0);
        QCOMPARE(box.Label3->text(), QStringLiteral("Version 1.0"));
        QCOMPARE(box.Label4->text(), QStringLiteral("https://gibbetry.example/"));
        QCOMPARE(box.Label4->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(box.Label4->toolTip(), QStringLiteral("Brackwater"));
        QCOMPARE(box.Label1->text(), QStringLiteral("Have questions?  Need technical support? "));
        QCOMPARE(box.Label7->text(), QStringLiteral("Contact us"));
        QCOMPARE(box.Label7->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(box.Label7->toolTip(), QStringLiteral("Email us!"));
        QCOMPARE(box.Label7->cursor().pixmap().size(), QSize(32, 32));
        QCOMPARE(box.cmdOK->text(), QStringLiteral("&OK"));
        QCOMPARE(box.cmdOK->geometry(), QRect(144, 176, 92, 23));
        QCOMPARE(box.Line1->geometry().top(), 160);
        QVERIFY(box.Line1->geometry().left() <= 0 && box.Line1->geometry().right() >= 366);
        QVERIFY(centredOnScreen(box));
        for (QLabel* text : {box.Label2, box.Label3, static_cast<QLabel*>(box.Label4), box.Label1})
            QVERIFY2(text->fontMetrics().horizontalAdvance(text->text()) <= text->width(),
                     qPrintable(text->text()));
    }

    void enterAndEscCloseTheBox_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void enterAndEscCloseTheBox() {
        QFETCH(int, key);
        QPointer<frmAbout> box = &openAbout();
        QVERIFY(QTest::qWaitForWindowActive(box));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        settle();
        QVERIFY(box.isNull());
        QVERIFY(game_->fake.shell.opened.isEmpty());
    }

    void theTitleBarCloseDestroysTheBoxToo() {
        QPointer<frmAbout> box = &openAbout();
        box->close();
        settle();
        QVERIFY(box.isNull());
    }

    void choosingAboutTwiceGivesOneBox() {
        openAbout();
        openAbout();
        QCOMPARE(aboutBoxes().size(), 1);
    }

    void eachLinkOpensItsAddressAndTheBoxStaysOpen() {
        frmAbout& box = openAbout();
        QTest::mouseClick(box.Label5, Qt::LeftButton);
        QTest::mouseClick(box.Label4, Qt::LeftButton);
        QTest::mouseClick(box.Label7, Qt::LeftButton);
        QTest::mouseClick(box.Label2, Qt::LeftButton);
        QTest::mouseClick(box.Label3, Qt::LeftButton);
        QCOMPARE(game_->fake.shell.opened, (QList<QUrl>{QUrl("mailto:support@gibbetry.example"),
                                                        QUrl("https://gibbetry.example/"),
                                                        QUrl("mailto:support@gibbetry.example")}));
        QCOMPARE(aboutBoxes().size(), 1);
    }

    void aLinkClickLeavesThePointerSetForTheWholeProgram() {
        QVERIFY(!QGuiApplication::overrideCursor());
        frmAbout& box = openAbout();
        QTest::mouseClick(box.Label7, Qt::LeftButton);
        QTest::mouseClick(box.Label4, Qt::LeftButton);
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        box.cmdOK->click();
        settle();
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        QGuiApplication::restoreOverrideCursor();
        QVERIFY(!QGuiApplication::overrideCursor()); // set, not stacked once a click
    }

    void aNewBoxIsCentredAgain() {
        frmAbout& first = openAbout();
        first.move(10, 10); // the player dragged it aside
        first.cmdOK->click();
        settle();
        frmAbout& second = openAbout();
        QVERIFY(centredOnScreen(second));
    }

    void theGameStaysPlayableWithTheBoxOpen() {
        openAbout();
        game_->window->Command1->click();
        QVERIFY(game_->window->mnuStopGame->isEnabled());
        QCOMPARE(aboutBoxes().size(), 1);
    }

    void closingTheBoardEndsTheProgramWithTheBoxOpen() {
        QPointer<frmAbout> box = &openAbout();
        QTimer::singleShot(0, game_->window.get(), [this] { game_->window->close(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(box.isNull() || !box->isVisible());
    }

    void aScreenReaderHearsWhatEachSlotShows() {
        game_->window->mnuStartGame_Click(); // "Wax" is row 1
        QCOMPARE(spokenName(game_->window->lblLetter[0]), QStringLiteral("hidden letter"));
        QCOMPARE(spokenName(game_->window->lblLetter[3]), QStringLiteral("spare slot"));
        game_->window->cmdLetter['A' - 'A']->click();
        QCOMPARE(spokenName(game_->window->lblLetter[1]), QStringLiteral("A"));
        QCOMPARE(spokenName(game_->window->Picture1),
                 QStringLiteral("Gallows drawing, 0 of 12 pieces shown"));
        game_->window->cmdLetter['Q' - 'A']->click();
        game_->window->cmdLetter['R' - 'A']->click();
        QCOMPARE(spokenName(game_->window->Picture1),
                 QStringLiteral("Gallows drawing, 2 of 12 pieces shown"));
        game_->window->mnuStopGame_Click();
        QCOMPARE(spokenName(game_->window->lblLetter[0]), QStringLiteral("no letter"));
        QCOMPARE(QAccessible::queryAccessibleInterface(game_->window->lblLetter[0])->role(),
                 QAccessible::StaticText);
    }
};

QTEST_MAIN(AboutBoxTest)
#include "test_about_box.moc"
