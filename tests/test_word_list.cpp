// The word list: how Settings becomes the rows the editor shows, the first run, the editor's
// buttons, and saving, which never costs the player the list that was in the file.

#include "fixture.h"
#include "main_window/list_view.h"
#include "main_window/twips.h"
#include "word_list/file_replace.h"
#include "word_list/frm_saving.h"
#include "word_list/frm_words.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStringDecoder>
#include <QTest>
#include <QThread>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>

namespace {

const QStringList kSix = {"One", "Two", "Three", "Four", "Five", "Six"};
// Checks that the rows the list reports to its view are the rows it holds.
constexpr auto kReportToTest = QAbstractItemModelTester::FailureReportingMode::QtTest;

// The list as the view shows it: each row's word and length.
QStringList shownRows(const ListView& list) {
    QStringList rows;
    const QAbstractItemModel* model = list.model();
    for (int row = 0; row < model->rowCount(); ++row)
        rows.append(model->index(row, 0).data().toString() + u'|' +
                    model->index(row, 1).data().toString());
    return rows;
}

void clickRow(ListView& list, int index) {
    const QRect row = list.visualRect(list.model()->index(index - 1, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
}

QByteArray numberedLines(int count) {
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "word" + QByteArray::number(i) + "\r\n";
    return bytes;
}

// The system calls of a save as a failing disk, another file system or a container answers
// them; each step is named by how it fails.
bool nameTaken; // the next random name, where a row says so

struct Descriptor {
    int fd;
    ~Descriptor() { ::close(fd); }
};

void breakTheDisk(const QString& how) {
    nameTaken = how == "name taken";
    SaveCalls& calls = saveCalls();
    if (how == "data sync")
        calls.dataSync = [](int) { return errno = EIO, -1; };
    if (how.endsWith("folder sync"))
        calls.folderSync = how.startsWith("no") ? [](int) { return errno = EINVAL, -1; }
                                                : [](int) { return errno = EIO, -1; };
    if (how == "no inodes")
        calls.makeFile = [](int, const char*, int, mode_t) { return errno = ENOSPC, -1; };
    if (how == "disk full") // where the file could still be made longer, with nothing in it
        calls.write = [](int, const void*, size_t, off_t) -> ssize_t { return errno = ENOSPC, -1; };
    if (how.contains("no unnamed files") || how == "name taken")
        calls.makeFile = [](int folder, const char* name, int flags, mode_t mode) {
            if ((flags & O_TMPFILE) == O_TMPFILE || std::exchange(nameTaken, false))
                return errno = (flags & O_TMPFILE) == O_TMPFILE ? EOPNOTSUPP : EEXIST, -1;
            return ::openat(folder, name, flags, mode);
        };
    if (how == "first run, no unnamed files") // exFAT: no hard links either
        calls.link = [](int, const char*, int, const char*, int) { return errno = EPERM, -1; };
    if (how.endsWith("no exclusive rename"))
        calls.rename = [](int folder, const char* from, const char* to, unsigned flags) {
            return flags ? (errno = EINVAL, -1) : ::renameat(folder, from, folder, to);
        };
    if (how == "no owner")
        calls.own = [](int, uid_t, gid_t) { return errno = EPERM, -1; };
    if (how == "another copy") // makes the file while this one makes it
        calls.makeFile = [](int folder, const char* name, int flags, mode_t mode) {
            const int theirs = ::openat(folder, "Settings", O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
            if (::write(theirs, "Theirs\r\n", 8) != 8 || ::close(theirs) != 0)
                qFatal("the other copy of the game could not write its file");
            return ::openat(folder, name, flags, mode);
        };
    if (how.startsWith("no name"))
        calls.link =
            how == "no name"
                ? [](int, const char*, int, const char*, int) { return errno = EMLINK, -1; }
                : [](int, const char*, int, const char*, int) { return errno = EBUSY, -1; };
    if (how == "bind mount" || how == "rename fails")
        calls.rename =
            how == "bind mount"
                ? [](int, const char*, const char*, unsigned) { return errno = EBUSY, -1; }
                : [](int, const char*, const char*, unsigned) { return errno = EIO, -1; };
}

// A file's mode, owner and group, and its extended attributes, its ACL among them.
QByteArray shapeOf(const QString& path) {
    const QByteArray file = QFile::encodeName(path);
    struct stat info {};
    ::stat(file, &info);
    QByteArray shape = QByteArray::number(info.st_mode, 8) + ' ' + QByteArray::number(info.st_uid) +
                       ':' + QByteArray::number(info.st_gid);
    char names[1024], value[1024];
    QByteArrayList sorted = QByteArray(names, qMax(::listxattr(file, names, 1024), 0L)).split(0);
    std::sort(sorted.begin(), sorted.end());
    for (const QByteArray& name : sorted)
        shape += ' ' + name + '=' +
                 QByteArray(value, qMax(::getxattr(file, name, value, 1024), 0L)).toHex();
    return shape;
}

} // namespace

class WordListTest : public QObject {
    Q_OBJECT

    std::optional<GameRun> run_;
    const SaveCalls realCalls_ = saveCalls();

    QStringList filesInFolder() const {
        return QDir(run_->folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
    }

    frmWords& editorOn(const QByteArray& settings) {
        run_->writeSettings(settings);
        return run_->start().wordsWindow();
    }

    // Opens the editor from the menu, as the player does, and runs `whileOpen` while it is up.
    void inEditor(const std::function<void(frmWords&)>& whileOpen) {
        bool ran = false;
        whenModal([&](QWidget& modal) {
            auto* editor = qobject_cast<frmWords*>(&modal);
            QVERIFY(editor);
            ran = true;
            whileOpen(*editor);
        });
        run_->window->mnuEditWordsList->trigger();
        QVERIFY(ran);
    }

private slots:
    void init() { run_.emplace(); }
    void cleanup() {
        run_.reset();
        saveCalls() = realCalls_;
    }

    void eachLineOfTheFileIsARowAsItStands_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("mixed line ends; a last one adds no row")
            << QByteArray("a\r\nb\nc\rd\r") << QStringList{"a|1", "b|1", "c|1", "d|1"};
        QTest::newRow("CR CR LF is a line and an empty one")
            << QByteArray("a\r\r\nb") << QStringList{"a|1", "|0", "b|1"};
        QTest::newRow("LF CR is two line ends; a last line without one")
            << QByteArray("a\n\rb") << QStringList{"a|1", "|0", "b|1"};
        QTest::newRow("blanks, case, repeats and long lines kept")
            << QByteArray("  Wax \r\nWAX\r\nwax\r\nAntidisestablishmentarianism\r\n")
            << QStringList{"  Wax |6", "WAX|3", "wax|3", "Antidisestablishmentarianism|28"};
        // Windows-1252 as the system's own converter reads it; its five unassigned bytes keep
        // their own value.
        QByteArray bytes;
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            bytes.append(static_cast<char>(byte));
        QString text = QStringDecoder("windows-1252").decode(bytes);
        for (int unassigned : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            text[unassigned - 0x80] = QChar(unassigned);
        QTest::newRow("the code page's characters")
            << bytes << QStringList{text + u'|' + QString::number(bytes.size())};
    }
    void eachLineOfTheFileIsARowAsItStands() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, rows);
        run_->writeSettings(bytes);
        run_->start().wordsWindow().show();
        QCOMPARE(shownRows(run_->window->lstWords()), rows);
        QCOMPARE(noGameDifference(*run_->window), QString());
        QCOMPARE(run_->readSettings(), bytes);
    }

    void aStartLoadsTheListOrLeavesTheFolderAlone_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("files");
        const QStringList settings{"Settings"};
        QTest::newRow("a first run writes the defaults") << "missing" << 0 << settings;
        QTest::newRow("the next start reads them") << "defaults" << 35 << settings;
        QTest::newRow("a folder named Settings") << "folder" << 0 << settings;
        QTest::newRow("a pipe does not hang the start") << "pipe" << 0 << settings;
        QTest::newRow("a dangling link is not missing") << "dangling link" << 0 << settings;
        QTest::newRow("no read permission") << "unreadable" << 0 << settings;
        QTest::newRow("a first run on a full disk") << "full disk" << 0 << QStringList();
        QTest::newRow("a first run without folder sync") << "no folder sync" << 0 << settings;
        QTest::newRow("a first run meets another copy's file") << "another copy" << 0 << settings;
        QTest::newRow("a first run without unnamed files or hard links (exFAT)")
            << "first run, no unnamed files" << 0 << settings;
        QTest::newRow("a first run where a rename cannot refuse to replace")
            << "first run, no unnamed files, no exclusive rename" << 0 << settings;
    }
    void aStartLoadsTheListOrLeavesTheFolderAlone() {
        QFETCH(QString, folder);
        QFETCH(int, rows);
        QFETCH(QStringList, files);
        if (folder == "unreadable" && overridesFilePermissions())
            QSKIP("runs as root, which reads and writes past permissions");
        const QString settings = run_->file(QStringLiteral("Settings"));
        const QByteArray mine = "Mine\r\nAll mine\r\n";
        if (folder == "defaults" || folder == "unreadable")
            run_->writeSettings(folder == "defaults" ? defaultSettingsBytes() : mine);
        QFile::setPermissions(settings, {}); // where there is one
        if (folder == "folder")
            QDir(run_->folder.path()).mkdir(QStringLiteral("Settings"));
        if (folder == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
        if (folder == "dangling link")
            QVERIFY(QFile::link(run_->file(QStringLiteral("elsewhere")), settings));
        std::optional<FileSizeLimit> fullDisk;
        if (folder == "full disk")
            fullDisk.emplace(100);
        if (folder == "defaults")
            QFile::setPermissions(settings, QFile::ReadOwner);
        breakTheDisk(folder);
        run_->start();
        fullDisk.reset();
        QFile::setPermissions(run_->folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(settings, QFile::ReadOwner | QFile::WriteOwner);

        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Gibbetry"));
        QCOMPARE(filesInFolder(), files);
        QVERIFY(run_->desktop.texts.isEmpty());
        run_->window->wordsWindow().show();
        const ListView& list = run_->window->lstWords();
        QCOMPARE(list.count(), rows);
        if (rows > 0) {
            QCOMPARE(GameRun::linesOf(listRows(list)), defaultSettingsBytes());
            QCOMPARE(noGameDifference(*run_->window), QString());
            return;
        }
        // Whatever the load could not read stays as it was, and the board as built stays up.
        QCOMPARE(designBoardDifference(*run_->window), QString());
        if (folder == "missing" || folder == "no folder sync" || folder.startsWith("first"))
            QCOMPARE(run_->readSettings(), defaultSettingsBytes());
        if (folder == "unreadable" || folder == "another copy")
            QCOMPARE(run_->readSettings(), folder == "unreadable" ? mine : "Theirs\r\n");
        if (folder == "folder")
            QVERIFY(QFileInfo(settings).isDir());
    }

    // Where a player may not write beside the program (a package installed for everyone, a
    // read-only image), the list is the player's own, in the XDG data folder.
    void eachPlayerKeepsAListTheyMaySave_data() {
        QTest::addColumn<QString>("program"); // its folder: open, or locked, and the list there
        QTest::addColumn<QString>("data");    // XDG_DATA_HOME, or no home
        QTest::addColumn<QString>("list");    // the one the game starts on and saves, if any
        const QString open = "open", locked = "locked", none, beside = "program/Settings",
                      own = "home/.local/share/gibbetry/Settings";
        QTest::newRow("a folder the player may write") << open << none << beside;
        QTest::newRow("a locked folder without a list") << locked << none << own;
        QTest::newRow("a shared list the player may write")
            << "locked, 0600 list" << none << beside;
        QTest::newRow("a read-only list: copied, shown at once")
            << "locked, 0400 list" << none << own;
        QTest::newRow("an absolute XDG_DATA_HOME") << locked << "xdg"
                                                   << "home/xdg/gibbetry/Settings";
        QTest::newRow("a relative XDG_DATA_HOME is ignored") << locked << "rel" << own;
        QTest::newRow("no home: nowhere to save") << locked << "no home" << none;
    }
    void eachPlayerKeepsAListTheyMaySave() {
        QFETCH(QString, program);
        QFETCH(QString, data);
        QFETCH(QString, list);
        if (program != "open" && overridesFilePermissions())
            QSKIP("runs as root, which may write in any folder");
        const QString home = run_->home.path();
        const QByteArray six = GameRun::linesOf(kSix),
                         folder = QFile::encodeName(run_->folder.path());
        const QByteArray first = program.endsWith("list") ? six : defaultSettingsBytes();
        if (program.endsWith("list")) {
            run_->writeWords(kSix);
            ::chmod(folder + "/Settings", program.contains("0600") ? 0600 : 0400);
        }
        ::chmod(folder, program == "open" ? 0700 : 0500);
        if (data == "xdg" || data == "rel")
            qputenv("XDG_DATA_HOME", data == "xdg" ? QFile::encodeName(home + "/xdg") : "rel");
        if (data == "no home")
            qunsetenv("HOME");
        const auto real = [&](QString place) {
            return place.replace("program", run_->folder.path()).replace("home", home);
        };
        const auto bytesAt = [&](const QString& place) {
            QFile file(real(place));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
        };

        run_->start();
        QCOMPARE(run_->window->lstWords().count(), first == six ? 6 : 0);
        QStringList files,
            expected = QStringList{list, program.endsWith("list") ? "program/Settings" : ""};
        for (const QString& root : {QStringLiteral("program"), QStringLiteral("home")})
            for (QDirIterator it(real(root), QDir::Files | QDir::Hidden,
                                 QDirIterator::Subdirectories);
                 it.hasNext();)
                files.append(root + it.next().mid(real(root).size()));
        expected.removeDuplicates();
        expected.removeAll(QString());
        files.sort();
        expected.sort();
        QCOMPARE(files, expected); // nothing anywhere else
        QCOMPARE(bytesAt(list), list.isEmpty() ? "(none)" : first);
        struct stat made {}; // a folder the game makes is the player's alone
        QVERIFY(!list.startsWith("home") ||
                (::stat(QFile::encodeName(QFileInfo(real(list)).path()), &made) == 0 &&
                 (made.st_mode & 0777) == 0700));

        run_->desktop.typed = {"Extra"};
        run_->window->wordsWindow().cmdAdd->click();
        run_->window->wordsWindow().cmdSave->click();
        QCOMPARE(run_->desktop.texts.last(),
                 list.isEmpty() ? "Save Unsuccessful" : "Save Successful");
        if (!list.isEmpty())
            QCOMPARE(bytesAt(list), (first == six ? six : QByteArray()) + "Extra\r\n");
        if (program.endsWith("list") && list != "program/Settings")
            QCOMPARE(bytesAt("program/Settings"), six); // the administrator's list stays
    }

    void addingTakesUpToTwelveCharactersAsTypedAndSaveKeepsThem() {
        run_->writeWords(kSix);
        run_->start().move(150, 100); // room around the board for the larger editor
        run_->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(run_->window.get()));
        run_->desktop.typed = {"Twelve chars", "Thirteen char", " ",
                               "One",          "Caf\u00e9",     "\u0141\u00f3d\u017a",
                               "two\nlines",   "two\rlines",    ""};
        const QStringList added = {"Twelve chars", " ", "One", QString::fromUtf8("Café")};
        inEditor([&](frmWords& editor) {
            const QAbstractItemModelTester rows(editor.lstWords->model(), kReportToTest);
            // the box it asks in opens at the editor's own corner
            for (int i = 0; i < 10; ++i)
                QTest::mouseClick(editor.cmdAdd, Qt::LeftButton);
            QCOMPARE(run_->desktop.askedAtTwips, editor.frameGeometry().topLeft() * kTwipsPerPixel);
            QCOMPARE(shownRows(*editor.lstWords).join(u','),
                     "One|3,Two|3,Three|5,Four|4,Five|4,Six|3,Twelve chars|12, |1,One|3,Café|4");
            QVERIFY(!editor.lstWords->visualRect(editor.lstWords->model()->index(9, 0)).isEmpty());
            QCOMPARE(run_->desktop.texts, QStringList(4, "Can't Add Word"));
            QCOMPARE(run_->desktop.styles, QList<int>(4, kStyleExclamation));
            QTest::mouseClick(editor.cmdSave, Qt::LeftButton);
            QTest::mouseClick(editor.cmdClose, Qt::LeftButton);
        });
        QCOMPARE(run_->desktop.texts.last(), QStringLiteral("Save Successful"));
        QCOMPARE(listRows(run_->window->lstWords()), kSix + added);
        QCOMPARE(run_->readSettings(), QByteArray("One\r\nTwo\r\nThree\r\nFour\r\nFive\r\nSix\r\n"
                                                  "Twelve chars\r\n \r\nOne\r\nCaf\xe9\r\n"));
    }

    void removeTakesOnlyTheWordThePlayerSelectedAndEscKeepsTheEdits() {
        frmWords& editor = editorOn(GameRun::linesOf(kSix + QStringList{"Seven"}));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const QAbstractItemModelTester rows(editor.lstWords->model(), kReportToTest);
        QTest::mouseClick(editor.cmdRemove, Qt::LeftButton); // nothing selected yet
        QCOMPARE(editor.lstWords->count(), 7);
        clickRow(*editor.lstWords, 3);
        QTest::mouseClick(editor.cmdRemove, Qt::LeftButton);
        QTest::mouseClick(editor.cmdRemove, Qt::LeftButton); // the selection went with its word
        QTest::keyClick(&editor, Qt::Key_Escape);            // the editor has no Cancel
        QVERIFY(editor.isVisible());
        clickRow(*editor.lstWords, 6);
        QTest::mouseClick(editor.cmdRemove, Qt::LeftButton);
        QCOMPARE(listRows(*editor.lstWords), (QStringList{"One", "Two", "Four", "Five", "Six"}));
        QVERIFY(run_->desktop.texts.isEmpty());
        clickRow(*editor.lstWords, 1);
        QTest::mouseClick(editor.cmdRemove, Qt::LeftButton);
        QCOMPARE(editor.lstWords->count(), 5);
        QCOMPARE(run_->desktop.texts, QStringList{"Can't Remove Word"});
        QCOMPARE(run_->desktop.styles, QList<int>{kStyleExclamation});
    }

    void enterPressesOnlyTheButtonThatHasTheFocus() {
        frmWords& editor = editorOn(GameRun::linesOf(kSix));
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        clickRow(*editor.lstWords, 1);
        run_->desktop.typed = {"Added"};
        QTest::keyClick(editor.lstWords, Qt::Key_Return); // the editor has no default button
        QVERIFY(run_->desktop.texts.isEmpty() && editor.isVisible());
        QCOMPARE(editor.lstWords->count(), 6);
        for (int i = 0; i < 4; ++i) // Add, Remove, Close, Save
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(run_->desktop.texts, QStringList{"Save Successful"});
    }

    void closingByTheTitleBarDropsUnsavedEditsAndStopsTheGame() {
        run_->writeWords(kSix);
        run_->start().Command1->click();
        run_->press("Q");
        QPointer<frmWords> old;
        inEditor([&](frmWords& editor) {
            old = &editor;
            run_->desktop.typed = {"Extra"};
            QTest::mouseClick(editor.cmdAdd, Qt::LeftButton);
            editor.close(); // as the Close button does (the adding test presses that)
        });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());
        QCOMPARE(listRows(run_->window->lstWords()), kSix);
        QVERIFY(!run_->window->wordsWindow().isVisible());
        QCOMPARE(noGameDifference(*run_->window), QString());
    }

    void aSaveThroughALinkKeepsTheFileAsThePlayerMadeIt_data() {
        QTest::addColumn<QString>("made");
        QTest::newRow("a link to a list kept in a synced folder") << "link";
        QTest::newRow("an ACL and an extended attribute") << "attributes";
        QTest::newRow("another user's file, saved by root") << "owner";
        QTest::newRow("a folder whose default ACL the list does not have") << "default ACL";
        QTest::newRow("a list whose own name is 255 bytes long") << "long name";
        QTest::newRow("an append-only folder: in place") << "append-only";
    }
    void aSaveThroughALinkKeepsTheFileAsThePlayerMadeIt() {
        QFETCH(QString, made);
        QDir(run_->folder.path()).mkdir(QStringLiteral("synced"));
        const QString name = made == "long name" ? QString(255, u'L') : QStringLiteral("list");
        const QString list = run_->file("synced/" + name);
        const QByteArray file = QFile::encodeName(list),
                         folder = QFile::encodeName(run_->file("synced"));
        QVERIFY(QFile::link("synced/" + name, run_->file(QStringLiteral("Settings"))));
        run_->writeSettings(defaultSettingsBytes()); // through the link
        // u::rw, u:1234:rw, g::r, m::rw, o::- in the kernel's layout
        const QByteArray acl =
            QByteArray::fromHex("0200000001000600ffffffff02000600d2040000"
                                "04000400ffffffff10000600ffffffff20000000ffffffff");
        if (made == "attributes" &&
            (::setxattr(file, "user.synced", "yes", 3, 0) != 0 ||
             ::setxattr(file, "system.posix_acl_access", acl, size_t(acl.size()), 0) != 0))
            QSKIP("this file system keeps no extended attributes");
        if (made == "owner" && (::chown(file, 1234, 1234) != 0 || ::chmod(file, 0646) != 0))
            QSKIP("only root may hand a file to another user");
        if (made == "default ACL" &&
            ::setxattr(folder, "system.posix_acl_default", acl, size_t(acl.size()), 0) != 0)
            QSKIP("this file system keeps no ACLs");
        const Descriptor synced(::open(folder, O_RDONLY | O_DIRECTORY));
        int flags = 0, appendOnly = 0; // the file system's own flags kept
        ::ioctl(synced.fd, FS_IOC_GETFLAGS, &flags);
        appendOnly = flags | FS_APPEND_FL;
        if (made == "append-only" && ::ioctl(synced.fd, FS_IOC_SETFLAGS, &appendOnly) != 0)
            QSKIP("only root may make a folder append-only, on a file system that offers it");
        const auto allowRemoval = qScopeGuard([&] { ::ioctl(synced.fd, FS_IOC_SETFLAGS, &flags); });
        const QByteArray before = shapeOf(list);
        struct stat old {
        }, now{};
        ::stat(file, &old);
        frmWords& editor = run_->start().wordsWindow();
        run_->desktop.typed = {"Extra"};
        editor.cmdAdd->click();
        editor.cmdSave->click();
        QCOMPARE(run_->desktop.texts, QStringList{"Save Successful"});
        QCOMPARE(QFile::symLinkTarget(run_->file(QStringLiteral("Settings"))), list);
        QCOMPARE(run_->readSettings(), defaultSettingsBytes() + "Extra\r\n");
        QCOMPARE(shapeOf(list), before);
        ::stat(file, &now); // replaced whole, but where the folder gives up no names
        QCOMPARE(now.st_ino != old.st_ino, made != "append-only");
        QCOMPARE(QDir(run_->file(QStringLiteral("synced"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{name});
    }

    // Two copies of the game saving one list take turns: the second writes nothing until the
    // first is done, and the list ends whole, as the second saved it.
    void twoCopiesSavingOneListTakeTurns() {
        static std::function<void()> whileWriting;
        static std::atomic<bool> first, otherWrote;
        first = true;
        otherWrote = false;
        frmWords& editor = editorOn(defaultSettingsBytes());
        run_->desktop.typed = {"Extra"};
        editor.cmdAdd->click();
        std::thread other;
        bool otherSaved = false, overlapped = true;
        whileWriting = [&] {
            other = std::thread([&, path = run_->file("Settings")] {
                otherSaved = rewriteFile(path, "Theirs\r\n");
            });
            QThread::msleep(300);
            overlapped = otherWrote;
        };
        saveCalls().write = [](int fd, const void* bytes, size_t size, off_t at) {
            first.exchange(false) ? whileWriting() : void(otherWrote = true);
            return ::pwrite(fd, bytes, size, at);
        };
        editor.cmdSave->click();
        other.join();
        QVERIFY(!overlapped);
        QVERIFY(otherSaved);
        QCOMPARE(run_->desktop.texts, QStringList{"Save Successful"});
        QCOMPARE(run_->readSettings(), QByteArray("Theirs\r\n"));
    }

    void aSaveWritesEveryRowOrLeavesTheOldFileAsItWas_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("cause"); // of a failure, or what happens on Retry
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("messages");
        const QByteArray extra = "Extra\r\n"; // the word the player adds first
        const QStringList saved{"Save Successful"}, failed(2, "Save Unsuccessful");
        QByteArray odd;
        for (int byte = 0; byte < 256; ++byte)
            odd += byte == '\r' || byte == '\n' ? QByteArray() : QByteArray(1, char(byte));
        odd += "\r\n\r\n it's \"quoted\" \r\n";
        const QByteArray defaults = defaultSettingsBytes(), most = numberedLines(32765);
        QTest::newRow("the defaults") << defaults << "" << defaults + extra << saved;
        QTest::newRow("every other byte as it was") << odd << "" << odd + extra << saved;
        QTest::newRow("line ends become CR LF")
            << QByteArray("Wax\nCorn\rTree") << "" << QByteArray("Wax\r\nCorn\r\nTree\r\n") + extra
            << saved;
        QTest::newRow("32766 rows, the most that fit") << most << "" << most + extra << saved;
        QTest::newRow("one row more") << most + "one more\r\n"
                                      << "" << most + "one more\r\n"
                                      << failed;
        QTest::newRow("full disk part-way") << defaults << "full disk" << defaults << failed;
        QTest::newRow("room again on Retry") << defaults << "room on retry" << defaults + extra
                                             << QStringList{"Save Unsuccessful", "Save Successful"};
        QTest::newRow("file missing: not created")
            << defaults << "missing" << QByteArray("(none)") << failed;
        QTest::newRow("file read-only") << defaults << "read-only" << defaults << failed;
        QTest::newRow("a pipe: no hang") << defaults << "pipe" << QByteArray("(pipe)") << failed;
        QTest::newRow("a folder") << defaults << "folder" << QByteArray("(folder)") << failed;
        QTest::newRow("an empty list") << defaults << "empty list" << defaults << failed;
        QTest::newRow("the data sync fails") << defaults << "data sync" << defaults << failed;
        QTest::newRow("the folder sync fails") << defaults << "folder sync" << defaults << failed;
        QTest::newRow("no folder sync on this file system")
            << defaults << "no folder sync" << defaults + extra << saved;
        QTest::newRow("no inodes left: not in place")
            << defaults << "no inodes" << defaults << failed;
        QTest::newRow("the disk is full") << defaults << "disk full" << defaults << failed;
        QTest::newRow("no unnamed files on this file system")
            << defaults << "no unnamed files" << defaults + extra << saved;
        QTest::newRow("a bind-mounted file: in place")
            << defaults << "bind mount" << defaults + extra << saved;
        QTest::newRow("the new file cannot take a name")
            << defaults << "no name" << defaults << failed;
        QTest::newRow("its name is busy: not a bind mount, not in place")
            << defaults << "no name, busy" << defaults << failed;
        QTest::newRow("a random name already taken")
            << defaults << "name taken" << defaults + extra << saved;
        QTest::newRow("the new file cannot take the owner: in place")
            << defaults << "no owner" << defaults + extra << saved;
        QTest::newRow("a one-byte list") << QByteArray("A") << ""
                                         << "A\r\n" + extra << saved;
        QTest::newRow("a folder the player may write but not read")
            << defaults << "write-only folder" << defaults + extra << saved;
        QTest::newRow("the rename fails") << defaults << "rename fails" << defaults << failed;
        QTest::newRow("a dangling link")
            << defaults << "dangling link" << QByteArray("(none)") << failed;
        QTest::newRow("in place, full disk part-way")
            << defaults << "in place, full disk" << defaults << failed;
    }
    void aSaveWritesEveryRowOrLeavesTheOldFileAsItWas() {
        QFETCH(QByteArray, before);
        QFETCH(QString, cause);
        QFETCH(QByteArray, after);
        QFETCH(QStringList, messages);
        const QString settings = run_->file(QStringLiteral("Settings"));
        frmWords& editor = editorOn(before);
        run_->desktop.typed = {"Extra"};
        editor.cmdAdd->click();
        const QByteArray path = QFile::encodeName(settings);
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                          QFile::WriteUser | QFile::ReadGroup;
        const auto readOnly =
            QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
        QFile::setPermissions(settings, cause == "read-only" ? readOnly : mode);
        std::optional<FileSizeLimit> fullDisk;
        if (cause.contains("full disk") || cause == "room on retry") {
            for (int i = 0; cause.contains("full disk") && i < 3000; ++i)
                editor.lstWords->append(QStringLiteral("Filler%1").arg(i));
            fullDisk.emplace(cause == "room on retry" ? 200 : 2000); // part of the list fits
        }
        if (cause == "missing" || cause == "pipe" || cause == "folder")
            QFile::remove(settings);
        if (cause == "pipe")
            ::mkfifo(path.constData(), 0666);
        if (cause == "folder")
            QDir(run_->folder.path()).mkdir(QStringLiteral("Settings"));
        if (cause == "empty list") {
            QFile::remove(settings); // a first run: the file holds the defaults, the list nothing
            run_->start();
            run_->writeSettings(before);
            QFile::setPermissions(settings, mode);
        }
        if ((cause == "write-only folder" || cause.startsWith("in place")) &&
            overridesFilePermissions())
            QSKIP("runs as root, which reads and writes in any folder");
        if (cause.startsWith("in place") || cause == "write-only folder")
            QFile::setPermissions(
                run_->folder.path(),
                QFile::ExeOwner |
                    (cause == "write-only folder" ? QFile::WriteOwner : QFile::ReadOwner));
        if (cause == "dangling link") {
            QFile::remove(settings);
            QVERIFY(QFile::link(QStringLiteral("elsewhere"), settings));
        }
        breakTheDisk(cause);
        run_->desktop.answers = {kAnswerRetry, kAnswerCancel};
        run_->desktop.whileShown = [&](const QString& text) {
            if (text == "Save Unsuccessful" && cause == "room on retry")
                fullDisk.reset();
        };
        run_->window->wordsWindow().cmdSave->click();
        QFile::setPermissions(run_->folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(run_->desktop.texts, messages);
        struct sigaction fileSizeSignal {}; // the programs the game starts inherit it
        ::sigaction(SIGXFSZ, nullptr, &fileSizeSignal);
        QVERIFY(fileSizeSignal.sa_handler == SIG_DFL);
        QCOMPARE(run_->desktop.styles.last(), messages.last() == "Save Successful"
                                                  ? kStyleExclamation
                                                  : kStyleExclamationRetryCancel);
        const QFileInfo info(settings);
        QCOMPARE(info.isDir()                      ? QByteArray("(folder)")
                 : info.exists() && !info.isFile() ? QByteArray("(pipe)")
                                                   : run_->readSettings(),
                 after);
        if (messages.last() == "Save Successful")
            QCOMPARE(QFile::permissions(settings), mode);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(run_->window->wordsWindow().findChildren<frmSaving*>().isEmpty());
        // no temporary file is left behind
        QCOMPARE(filesInFolder(), cause == "missing" ? QStringList() : QStringList{"Settings"});
    }
};

QTEST_MAIN(WordListTest)
#include "test_word_list.moc"
