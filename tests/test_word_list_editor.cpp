// The word list editor: adding and removing words, and every way of closing it.

#include "board_checks.h"
#include "game_fixture.h"
#include "main_window/frm_main.h"
#include "main_window/list_view.h"
#include "main_window/message_box.h"
#include "main_window/twips.h"
#include "word_list/frm_words.h"
#include "word_list/settings_file.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QStringList kSix = {"One", "Two", "Three", "Four", "Five", "Six"};

} // namespace

class WordListEditorTest : public QObject {
    Q_OBJECT

    std::optional<GameFixture> game_;

    frmWords& editorOn(const QStringList& words) {
        game_->folder.writeWords(words);
        game_->start();
        return game_->window->wordsWindow();
    }

    // Runs the editor as the menu shows it, doing `whileOpen` once it is up.
    void runEditor(const std::function<void(frmWords&)>& whileOpen) {
        bool ran = false;
        QTimer::singleShot(0, game_->window.get(), [&] {
            auto* editor = qobject_cast<frmWords*>(QApplication::activeModalWidget());
            QVERIFY(editor);
            ran = true;
            whileOpen(*editor);
        });
        QTimer::singleShot(5000, game_->window.get(), [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->hide(); // never hang the run on a failed test
        });
        game_->window->mnuEditWordsList->trigger();
        QVERIFY(ran);
    }

private slots:
    void init() { game_.emplace(); }
    void cleanup() { game_.reset(); }

    void theEditorIsLaidOutAsDesigned() {
        frmWords& editor = editorOn(kSix);
        QCOMPARE(editor.windowTitle(), QStringLiteral("Edit Words List"));
        QCOMPARE(editor.size(), QSize(625, 408));
        QCOMPARE(editor.minimumSize(), editor.maximumSize());
        QVERIFY(!(editor.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(editor.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(editor.lstWords->geometry(), QRect(8, 8, 609, 361));
        QCOMPARE(editor.cmdAdd->geometry(), QRect(144, 376, 73, 25));
        QCOMPARE(editor.cmdClose->geometry(), QRect(408, 376, 73, 25));
        QCOMPARE(editor.cmdSave->text(), QStringLiteral("Save"));
        QCOMPARE(editor.lstWords->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void tabRunsFromTheListThroughAddRemoveCloseSave() {
        frmWords& editor = editorOn(kSix);
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        editor.lstWords->setFocus();
        const QList<QWidget*> order = {editor.cmdAdd, editor.cmdRemove, editor.cmdClose,
                                       editor.cmdSave, editor.lstWords};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        editor.hide();
    }

    void theEditorOpensCentredOverTheBoardAndHoldsItsInput() {
        editorOn(kSix);
        game_->window->move(150, 100); // room around the board for the larger editor
        game_->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(game_->window.get()));
        // a click as the window system delivers it; a modal editor must hold it back
        const QPoint onButton = game_->window->Command1->mapTo(game_->window.get(), QPoint(10, 10));
        QSignalSpy pressed(game_->window->Command1, &QPushButton::clicked);
        QTest::mouseClick(game_->window->windowHandle(), Qt::LeftButton, {}, onButton);
        QCOMPARE(pressed.count(), 1);
        runEditor([&](frmWords& editor) {
            const QPoint editorCentre = editor.geometry().center();
            const QPoint boardCentre = game_->window->geometry().center();
            QVERIFY((editorCentre - boardCentre).manhattanLength() <= 2);
            QTest::mouseClick(game_->window->windowHandle(), Qt::LeftButton, {}, onButton);
            QCOMPARE(pressed.count(), 1);
            editor.cmdClose->click();
        });
        QCOMPARE(noGameStateDifference(*game_->window), QString());
    }

    void addingTakesUpToTwelveCharactersAsTyped() {
        frmWords& editor = editorOn(kSix);
        game_->fake.inputBox.answers = {"Twelve chars", "Thirteen char", " ", "One", "Caf\u00e9"};
        for (int i = 0; i < 5; ++i)
            editor.cmdAdd_Click();
        const QStringList added = {"Twelve chars", " ", "One", QString::fromUtf8("Café")};
        QCOMPARE(listRows(*editor.lstWords), kSix + added);
        QCOMPARE(editor.lstWords->subItem1(7), QStringLiteral("12"));
        QCOMPARE(editor.lstWords->subItem1(8), QStringLiteral("1"));
        QCOMPARE(game_->fake.messageBox.texts(), QStringList{"Can't Add Word"});
        QCOMPARE(game_->fake.messageBox.shown[0].style, kStyleExclamation);
        QCOMPARE(game_->fake.messageBox.shown[0].caption, QStringLiteral("Gibbetry"));
        const ScriptedInputBox::Asked& asked = game_->fake.inputBox.asked.first();
        QCOMPARE(asked.prompt, QStringLiteral("Enter New Word"));
        QCOMPARE(asked.caption, QStringLiteral("Add Word"));
        QCOMPARE(asked.defaultText, QString());
        QCOMPARE(asked.topLeftTwips, editor.frameGeometry().topLeft() * kTwipsPerPixel);
    }

    void cancellingAnAddChangesNothing() {
        frmWords& editor = editorOn(kSix);
        editor.cmdAdd_Click(); // the script is empty: Cancel
        QCOMPARE(listRows(*editor.lstWords), kSix);
        QVERIFY(game_->fake.messageBox.shown.isEmpty());
    }

    void aWordTheFileCouldNotGiveBackIsRefused_data() {
        QTest::addColumn<QString>("word");
        QTest::newRow("outside the code page") << QString::fromUtf8("Łódź");
        QTest::newRow("a line break") << QStringLiteral("two\nlines");
        QTest::newRow("a carriage return") << QStringLiteral("two\rlines");
    }
    void aWordTheFileCouldNotGiveBackIsRefused() {
        QFETCH(QString, word);
        frmWords& editor = editorOn(kSix);
        game_->fake.inputBox.answers = {word};
        editor.cmdAdd_Click();
        QCOMPARE(listRows(*editor.lstWords), kSix);
        QCOMPARE(game_->fake.messageBox.texts(), QStringList{"Can't Add Word"});
    }

    void removingNeverGoesBelowFiveWords() {
        frmWords& editor = editorOn(kSix);
        editor.lstWords->select(3);
        editor.cmdRemove_Click();
        QCOMPARE(listRows(*editor.lstWords), (QStringList{"One", "Two", "Four", "Five", "Six"}));
        QVERIFY(game_->fake.messageBox.shown.isEmpty());
        editor.lstWords->select(1);
        editor.cmdRemove_Click();
        QCOMPARE(editor.lstWords->count(), 5);
        QCOMPARE(game_->fake.messageBox.texts(), QStringList{"Can't Remove Word"});
        QCOMPARE(game_->fake.messageBox.shown[0].style, kStyleExclamation);
    }

    void removingWithNothingSelectedRemovesNothing() {
        frmWords& editor = editorOn(kSix);
        editor.cmdRemove_Click();
        QCOMPARE(listRows(*editor.lstWords), kSix);
        QVERIFY(game_->fake.messageBox.shown.isEmpty());
    }

    void closingDropsUnsavedEditsAndStopsTheGame_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Close button") << "button";
        QTest::newRow("Esc") << "escape";
        QTest::newRow("title bar") << "title bar";
    }
    void closingDropsUnsavedEditsAndStopsTheGame() {
        QFETCH(QString, how);
        editorOn(kSix);
        game_->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(game_->window.get()));
        game_->window->mnuStartGame_Click();
        game_->window->cmdLetter[0]->click();
        QPointer<frmWords> old;
        runEditor([&](frmWords& editor) {
            old = &editor;
            game_->fake.inputBox.answers = {"Extra"};
            editor.cmdAdd_Click();
            editor.lstWords->select(1);
            editor.cmdRemove_Click();
            if (how == "button")
                QTest::mouseClick(editor.cmdClose, Qt::LeftButton);
            else if (how == "escape")
                QTest::keyClick(&editor, Qt::Key_Escape);
            else
                editor.close();
        });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());
        QCOMPARE(listRows(game_->window->lstWords()), kSix);
        QVERIFY(!game_->window->wordsWindow().isVisible());
        QCOMPARE(noGameStateDifference(*game_->window), QString());
    }

    void savedWordsComeBackInOrderAfterClose() {
        frmWords& editor = editorOn(kSix);
        game_->fake.inputBox.answers = {"Seven", "Two"};
        editor.cmdAdd_Click();
        editor.cmdAdd_Click();
        editor.lstWords->select(1);
        editor.cmdRemove_Click();
        editor.cmdSave_Click();
        QCOMPARE(game_->fake.messageBox.texts(), QStringList{"Save Successful"});
        editor.cmdClose_Click();
        const QStringList expected = kSix.mid(1) + QStringList{"Seven", "Two"};
        QCOMPARE(listRows(game_->window->lstWords()), expected);
        QCOMPARE(game_->folder.readSettings(), expected.join("\r\n").toLatin1() + "\r\n");
    }

    void anEditorThatWasNeverFilledStartsEmpty() {
        game_->start(); // first run: nothing loaded yet
        frmWords& editor = game_->window->wordsWindow();
        QCOMPARE(editor.lstWords->count(), 0);
        editor.cmdClose_Click(); // the file now holds the defaults, and they load
        QCOMPARE(listRows(game_->window->lstWords()), defaultWords());
        QCOMPARE(noGameStateDifference(*game_->window), QString());
    }
};

QTEST_MAIN(WordListEditorTest)
#include "test_word_list_editor.moc"
