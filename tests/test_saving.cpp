// Saving the word list: the bytes written, and that no failure ever costs the player the list
// that was in the file.

#include "fake_platform.h"
#include "file_permissions.h"
#include "file_size_limit.h"
#include "main_window/frm_main.h"
#include "main_window/list_view.h"
#include "main_window/message_box.h"
#include "program_folder_fixture.h"
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

    TempProgramFolder* folder_ = nullptr;
    FakePlatform* fake_ = nullptr;
    frmMain* window_ = nullptr;

    frmWords& editorOn(const QByteArray& settings) {
        folder_->writeSettings(settings);
        window_ = new frmMain(fake_->platform);
        return window_->wordsWindow();
    }

    void addWords(frmWords& editor, const QStringList& words) {
        fake_->inputBox.answers = words;
        for (int i = 0; i < words.size(); ++i)
            editor.cmdAdd_Click();
    }

    QStringList filesInFolder() const {
        return QDir(folder_->path()).entryList(QDir::Files | QDir::Hidden);
    }

private slots:
    void init() {
        folder_ = new TempProgramFolder;
        fake_ = new FakePlatform;
    }
    void cleanup() {
        delete window_;
        window_ = nullptr;
        delete fake_;
        delete folder_;
    }

    void theDefaultWordsSaveToTheSameBytesAsAFirstRun() {
        frmWords& editor = editorOn(defaultSettingsBytes());
        editor.cmdSave_Click();
        QCOMPARE(folder_->readSettings(), defaultSettingsBytes());
        QCOMPARE(fake_->messageBox.texts(), QStringList{"Save Successful"});
        QCOMPARE(fake_->messageBox.shown[0].style, kStyleExclamation);
        QCOMPARE(fake_->messageBox.shown[0].caption, QStringLiteral("Gibbetry"));
    }

    void everyLineIsWrittenBackAsItWasRead() {
        QByteArray high;
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            high.append(static_cast<char>(byte));
        const QByteArray lines = QByteArray(" two  blanks \r\n\r\nit's, \"quoted\"!\r\n") + high +
                                 QByteArray("\r\nA\0B\r\n", 7);
        frmWords& editor = editorOn(lines);
        editor.cmdSave_Click();
        QCOMPARE(folder_->readSettings(), lines);
    }

    void lineEndsBecomeCrLf() {
        frmWords& editor = editorOn("Wax\nCorn\rTree");
        editor.cmdSave_Click();
        QCOMPARE(folder_->readSettings(), QByteArray("Wax\r\nCorn\r\nTree\r\n"));
    }

    void theSavingWindowIsNeverSeenAndGoesOnceItIsDone() {
        frmWords& editor = editorOn(numberedLines(5));
        int progress = -1, maximum = -1;
        fake_->messageBox.whileShown = [&](const ScriptedMessageBox::Shown&) {
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
        fake_->messageBox.answers = {kAnswerCancel};
        {
            FileSizeLimit fullDisk(20000); // about two thousand lines fit
            editor.cmdSave_Click();
        }
        QCOMPARE(fake_->messageBox.texts(), QStringList{"Save Unsuccessful"});
        QCOMPARE(fake_->messageBox.shown[0].style, kStyleExclamationRetryCancel);
        QCOMPARE(folder_->readSettings(), defaultSettingsBytes());
        QCOMPARE(filesInFolder(), QStringList{"Settings"}); // no temporary file left behind
    }

    void retryAfterTheCauseHasGoneSavesOnce() {
        frmWords& editor = editorOn(defaultSettingsBytes());
        addWords(editor, {"Extra"});
        FileSizeLimit fullDisk(100);
        fake_->messageBox.answers = {kAnswerRetry};
        fake_->messageBox.whileShown = [&](const ScriptedMessageBox::Shown& shown) {
            QCOMPARE(editor.findChildren<frmSaving*>().size(), 1);
            if (shown.text == QStringLiteral("Save Unsuccessful"))
                fullDisk.lift();
        };
        editor.cmdSave_Click();
        QCOMPARE(fake_->messageBox.texts(), (QStringList{"Save Unsuccessful", "Save Successful"}));
        QCOMPARE(folder_->readSettings(), defaultSettingsBytes() + "Extra\r\n");
        QCOMPARE(filesInFolder(), QStringList{"Settings"});
    }

    void aMissingFileIsNeverCreated() {
        frmWords& editor = editorOn(defaultSettingsBytes());
        QVERIFY(QFile::remove(folder_->settings()));
        fake_->messageBox.answers = {kAnswerRetry, kAnswerCancel};
        editor.cmdSave_Click();
        QCOMPARE(fake_->messageBox.texts(),
                 (QStringList{"Save Unsuccessful", "Save Unsuccessful"}));
        QVERIFY(filesInFolder().isEmpty());
    }

    void aFileThatMayNotBeWrittenIsLeftAlone() {
        frmWords& editor = editorOn(defaultSettingsBytes());
        addWords(editor, {"Extra"});
        QVERIFY(QFile::setPermissions(folder_->settings(), QFile::ReadOwner | QFile::ReadUser));
        PermissionsEnforced enforced;
        if (!enforced.active())
            QSKIP("this process cannot give up root's power over file permissions");
        fake_->messageBox.answers = {kAnswerCancel};
        editor.cmdSave_Click();
        QCOMPARE(fake_->messageBox.texts(), QStringList{"Save Unsuccessful"});
        QCOMPARE(folder_->readSettings(), defaultSettingsBytes());
    }

    void aSaveKeepsTheFilePermissions() {
        frmWords& editor = editorOn(defaultSettingsBytes());
        const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                 QFile::WriteUser | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(folder_->settings(), permissions));
        addWords(editor, {"Extra"});
        editor.cmdSave_Click();
        QCOMPARE(fake_->messageBox.texts(), QStringList{"Save Successful"});
        QCOMPARE(QFile::permissions(folder_->settings()), permissions);
    }

    void theLongestListThatSavesIs32766Rows() {
        frmWords& editor = editorOn(numberedLines(32766));
        editor.cmdSave_Click();
        QCOMPARE(fake_->messageBox.texts(), QStringList{"Save Successful"});
        QCOMPARE(folder_->readSettings(), numberedLines(32766));
        editor.lstWords->append(QStringLiteral("one too many"));
        fake_->messageBox.answers = {kAnswerCancel};
        editor.cmdSave_Click();
        QCOMPARE(fake_->messageBox.texts(), (QStringList{"Save Successful", "Save Unsuccessful"}));
        QCOMPARE(folder_->readSettings(), numberedLines(32766));
    }
};

QTEST_MAIN(SavingTest)
#include "test_saving.moc"
