// The start-up load: what a first run writes, what a normal start shows, and that a file the
// game cannot read is never replaced.

#include "board_checks.h"
#include "fake_platform.h"
#include "file_permissions.h"
#include "main_window/desktop_platform.h"
#include "main_window/frm_main.h"
#include "main_window/list_view.h"
#include "program_folder_fixture.h"
#include "word_list/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <sys/stat.h>

class StartUpLoadTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunWritesTheDefaultsAndKeepsTheDesignBoard() {
        TempProgramFolder folder;
        FakePlatform fake;
        frmMain window(fake.platform);
        QCOMPARE(folder.readSettings(), defaultSettingsBytes());
        QCOMPARE(designBoardDifference(window), QString());
        QCOMPARE(window.lstWords().count(), 0);
        QCOMPARE(window.lstWords().columnWidthTwips(1), 720.0f);
        QCOMPARE(window.lstWords().columnWidthTwips(2), 720.0f);
        QVERIFY(fake.messageBox.shown.isEmpty());
    }

    void theNextStartLoadsTheDefaultWords() {
        TempProgramFolder folder;
        folder.writeSettings(defaultSettingsBytes());
        FakePlatform fake;
        frmMain window(fake.platform);
        ListView& list = window.lstWords();
        QCOMPARE(listRows(list), defaultWords());
        QCOMPARE(list.text(1), QStringLiteral("Internet"));
        QCOMPARE(list.subItem1(1), QStringLiteral("8"));
        QCOMPARE(list.subItem1(29), QStringLiteral("10"));
        QCOMPARE(list.columnWidthTwips(1), 8085.0f);
        QCOMPARE(list.columnWidthTwips(2), 400.0f);
        QCOMPARE(noGameStateDifference(window), QString());
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Gibbetry"));
        QVERIFY(fake.messageBox.shown.isEmpty());
        QCOMPARE(folder.readSettings(), defaultSettingsBytes());
    }

    void anEmptyFileGivesNoRowsButANormalStart() {
        TempProgramFolder folder;
        folder.writeSettings({});
        FakePlatform fake;
        frmMain window(fake.platform);
        QCOMPARE(window.lstWords().count(), 0);
        QCOMPARE(window.lstWords().columnWidthTwips(1), 8085.0f);
        QCOMPARE(noGameStateDifference(window), QString());
        QCOMPARE(folder.readSettings(), QByteArray());
    }

    void rowsAreTheFileLinesUnchanged() {
        TempProgramFolder folder;
        folder.writeSettings("  two blanks\r\n\r\nCaf\xe9\nLonger than twelve letters");
        FakePlatform fake;
        frmMain window(fake.platform);
        ListView& list = window.lstWords();
        QCOMPARE(listRows(list), (QStringList{"  two blanks", "", QString::fromUtf8("Café"),
                                              "Longer than twelve letters"}));
        QCOMPARE(list.subItem1(2), QStringLiteral("0"));
        QCOMPARE(list.subItem1(4), QStringLiteral("26"));
    }

    void aFolderNamedSettingsIsLeftAlone() {
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir("Settings"));
        FakePlatform fake;
        frmMain window(fake.platform);
        QVERIFY(QFileInfo(folder.settings()).isDir());
        QCOMPARE(window.lstWords().count(), 0);
        QCOMPARE(designBoardDifference(window), QString());
        QVERIFY(fake.messageBox.shown.isEmpty());
    }

    void aFileWeMayNotReadIsNeverOverwritten() {
        TempProgramFolder folder;
        folder.writeSettings("Mine\r\nAll mine\r\n");
        QVERIFY(QFile::setPermissions(folder.settings(), QFile::Permissions()));
        PermissionsEnforced enforced;
        if (!enforced.active())
            QSKIP("this process cannot give up root's power over file permissions");
        QVERIFY2(!QFile(folder.settings()).open(QIODevice::ReadOnly), "the file is readable");
        {
            FakePlatform fake;
            frmMain window(fake.platform);
            QCOMPARE(window.lstWords().count(), 0);
            QCOMPARE(designBoardDifference(window), QString());
        }
        QVERIFY(QFile::setPermissions(folder.settings(), QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(folder.readSettings(), QByteArray("Mine\r\nAll mine\r\n"));
    }

    void aPipeNamedSettingsDoesNotHangTheStart() {
        TempProgramFolder folder;
        QCOMPARE(::mkfifo(QFile::encodeName(folder.settings()).constData(), 0600), 0);
        FakePlatform fake;
        frmMain window(fake.platform);
        QCOMPARE(window.lstWords().count(), 0);
        QCOMPARE(designBoardDifference(window), QString());
    }

    void aReadOnlyFolderOnFirstRunLeavesAnEmptyListAndNoFile() {
        TempProgramFolder folder;
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        PermissionsEnforced enforced;
        if (!enforced.active())
            QSKIP("this process cannot give up root's power over file permissions");
        FakePlatform fake;
        frmMain window(fake.platform);
        QVERIFY(!QFileInfo::exists(folder.settings()));
        QVERIFY(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
        QCOMPARE(window.lstWords().count(), 0);
        QVERIFY(fake.messageBox.shown.isEmpty());
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void theRealDesktopStartsWithoutAnyDialog() {
        TempProgramFolder folder;
        folder.writeSettings(defaultSettingsBytes());
        DesktopPlatform desktop;
        frmMain window(desktop.platform());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.lstWords().count(), 35);
        QCOMPARE(noGameStateDifference(window), QString());
    }
};

QTEST_MAIN(StartUpLoadTest)
#include "test_start_up_load.moc"
