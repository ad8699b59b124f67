// Saving the word list: the bytes written, and that no failure ever costs the player the list
// that was in the file.

#include "file_permissions.h"
#include "file_size_limit.h"
#include "game_fixture.h"
#include "main_window/frm_main.h"
#include "main_window/list_view.h"
#include "main_window/message_box.h"
#include "word_list/frm_saving.h"
#include "word_list/frm_words.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QTest>

namespace {

QByteArray numberedLines(int count) {
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "word" + QByteArray::number(i) + "\r\n";
    return bytes;
}

} // namespace

class SavingTest : public QObject {
    Q_OBJECT

    std::optional<GameFixture> game_;

    frmWords& editorOn(const QByteArray& settings) {
        game_->folder.writeSettings(settings);
        game_->start();
        return game_->window->wordsWindow();
    }

    void addWords(frmWords& editor, const QStringList& words) {
        game_->fake.inputBox.answers = words;
        for (int i = 0; i < words.size(); ++i)
            editor.cmdAdd_Click();
    }

    QStringList filesInFolder() const {
        return QDir(game_->folder.path()).entryList(QDir::Files | QDir::Hidden);
    }

private slots:
    void init() { game_.emplace(); }
    void cleanup() { game_.reset(); }

    void theDefaultWordsSaveToTheSameBytesAsAFirstRun() {
        frmWords& editor = editorOn(defaultSettingsBytes());
        editor.cmdSave_Click();
        QCOMPARE(game_->folder.readSettings(), defaultSettingsBytes());
        QCOMPARE(game_->fake.messageBox.texts(), QStringList{"Save Successful"});
        QCOMPARE(game_->fake.messageBox.shown[0].style, kStyleExclamation);
        QCOMPARE(game_->fake.messageBox.shown[0].caption, QStringLiteral("Gibbetry"));
    }

    void everyLineIsWrittenBackAsItWasRead() {
        QByteArray high;
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            high.append(static_cast<char>(byte));
        const QByteArray lines = QByteArray(" two  blanks \r\n\r\nit's, \"quoted\"!\r\n") + high +
                                 QByteArray("\r\nA\0B\r\n", 7);
        frmWords& editor = editorOn(lines);
        editor.cmdSave_Click();
        QCOMPARE(game_->folder.readSettings(), lines);
    }

    void lineEndsBecomeCrLf() {
        frmWords& editor = editorOn("Wax\nCorn\rTree");
        editor.cmdSave_Click();
        QCOMPARE(game_->folder.readSettings(), QByteArray("Wax\r\nCorn\r\nTree\r\n"));
    }

    void theSavingWindowIsNeverSeenAndGoesOnceItIsDone() {
        frmWords& editor = editorOn(numberedLines(5));
        int progress = -1, maximum = -1;
        game_->fake.messageBox.whileShown = [&](const ScriptedMessageBox::Shown&) {
            const QList<frmSaving*> saving = editor.findChildren<frmSaving*>();
            QCOMPARE(saving.size(), 1);
            QVERIFY(!saving[0]->isVisible());
            progress = saving[0]->p1->value();
            maximum = saving[0]->p1->maximum();
        };
        editor.cmdSave_Click();
        QCOMPARE(progress, 5);
        QCOMPARE(maximum, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(editor.findChildren<frmSaving*>().isEmpty());
        QVERIFY(editor.isHidden()); // the editor itself is left as it was
    }

    void aWriteFailurePartWayLeavesTheOldFileIntact() {
        frmWords& editor = editorOn(defaultSettingsBytes());
        for (int i = 0; i < 3000; ++i)
            editor.lstWords->append(QStringLiteral("Filler%1").arg(i));
        game_->fake.messageBox.answers = {kAnswerCancel};
        {
            FileSizeLimit fullDisk(20000); // about two thousand lines fit
            editor.cmdSave_Click();
        }
        QCOMPARE(game_->fake.messageBox.texts(), QStringList{"Save Unsuccessful"});
        QCOMPARE(game_->fake.messageBox.shown[0].style, kStyleExclamationRetryCancel);
        QCOMPARE(game_->folder.readSettings(), defaultSettingsBytes());
        QCOMPARE(filesInFolder(), QStringList{"Settings"}); // no temporary file left behind
    }

    void retryAfterTheCauseHasGoneSavesOnce() {
        frmWords& editor = editorOn(defaultSettingsBytes());
        addWords(editor, {"Extra"});
        FileSizeLimit fullDisk(100);
        game_->fake.messageBox.answers = {kAnswerRetry};
        game_->fake.messageBox.whileShown = [&](const ScriptedMessageBox::Shown& shown) {
            QCOMPARE(editor.findChildren<frmSaving*>().size(), 1);
            if (shown.text == QStringLiteral("Save Unsuccessful"))
                fullDisk.lift();
        };
        editor.cmdSave_Click();
        QCOMPARE(game_->fake.messageBox.texts(),
                 (QStringList{"Save Unsuccessful", "Save Successful"}));
        QCOMPARE(game_->folder.readSettings(), defaultSettingsBytes() + "Extra\r\n");
        QCOMPARE(filesInFolder(), QStringList{"Settings"});
    }

    void aMissingFileIsNeverCreated() {
        frmWords& editor = editorOn(defaultSettingsBytes());
        QVERIFY(QFile::remove(game_->folder.settings()));
        game_->fake.messageBox.answers = {kAnswerRetry, kAnswerCancel};
        editor.cmdSave_Click();
        QCOMPARE(game_->fake.messageBox.texts(),
                 (QStringList{"Save Unsuccessful", "Save Unsuccessful"}));
        QVERIFY(filesInFolder().isEmpty());
    }

    void aFileThatMayNotBeWrittenIsLeftAlone() {
        frmWords& editor = editorOn(defaultSettingsBytes());
        addWords(editor, {"Extra"});
        QVERIFY(
            QFile::setPermissions(game_->folder.settings(), QFile::ReadOwner | QFile::ReadUser));
        PermissionsEnforced enforced;
        if (!enforced.active())
            QSKIP("this process cannot give up root's power over file permissions");
        game_->fake.messageBox.answers = {kAnswerCancel};
        editor.cmdSave_Click();
        QCOMPARE(game_->fake.messageBox.texts(), QStringList{"Save Unsuccessful"});
        QCOMPARE(game_->folder.readSettings(), defaultSettingsBytes());
    }

    void aSaveKeepsTheFilePermissions() {
        frmWords& editor = editorOn(defaultSettingsBytes());
        const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                 QFile::WriteUser | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(game_->folder.settings(), permissions));
        addWords(editor, {"Extra"});
        editor.cmdSave_Click();
        QCOMPARE(game_->fake.messageBox.texts(), QStringList{"Save Successful"});
        QCOMPARE(QFile::permissions(game_->folder.settings()), permissions);
    }

    void theLongestListThatSavesIs32766Rows() {
        frmWords& editor = editorOn(numberedLines(32766));
        editor.cmdSave_Click();
        QCOMPARE(game_->fake.messageBox.texts(), QStringList{"Save Successful"});
        QCOMPARE(game_->folder.readSettings(), numberedLines(32766));
        editor.lstWords->append(QStringLiteral("one too many"));
        game_->fake.messageBox.answers = {kAnswerCancel};
        editor.cmdSave_Click();
        QCOMPARE(game_->fake.messageBox.texts(),
                 (QStringList{"Save Successful", "Save Unsuccessful"}));
        QCOMPARE(game_->folder.readSettings(), numberedLines(32766));
    }
};

QTEST_MAIN(SavingTest)
#include "test_saving.moc"
