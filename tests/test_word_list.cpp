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
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLoggingCategory>
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
#include <sys/file.h>
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

struct Descriptor {
    int fd;
    ~Descriptor() { ::close(fd); }
};

// A system call that fails as the disk, the file system or the container of a row answers it.
template <int Error, typename Result, typename... Arguments> Result failing(Arguments...) {
    return errno = Error, Result(-1);
}

// The system calls of a save or a first run as another file system answers them.
bool nameTaken; // the next random name, where a row says so
int noUnnamedFiles(int folder, const char* name, int flags, mode_t mode) {
    if ((flags & O_TMPFILE) == O_TMPFILE || std::exchange(nameTaken, false))
        return errno = (flags & O_TMPFILE) == O_TMPFILE ? EOPNOTSUPP : EEXIST, -1;
    return ::openat(folder, name, flags, mode);
}

// A file system that cannot rename without replacing (FAT through some drivers).
int renameOnlyReplacing(int folder, const char* from, const char* to, unsigned flags) {
    return flags ? (errno = EINVAL, -1) : ::renameat(folder, from, folder, to);
}

// What a start meets in the program's folder, on the disk or from another copy of the game;
// a reason to skip where the row needs a player's lack of power.
using Start = const char* (*)(GameRun&);

constexpr auto kListMode =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup;

// What a save's row sets up around the list before the player presses Save: the file, its
// folder, the disk or the system calls. A row that needs a player's lack of power says so.
struct Scene {
    GameRun& run;
    frmWords& editor;
    QString settings;
    std::optional<FileSizeLimit> fullDisk;
    const char* skip = nullptr;
    int lockHolder = -1; // another program that opened the list to read it, and locked it
    ~Scene() { ::close(lockHolder); }

    void fillPastTheLimit() { // part of the list fits
        for (int i = 0; i < 3000; ++i)
            editor.lstWords->append(QStringLiteral("Filler%1").arg(i));
        fullDisk.emplace(2000);
    }
    void lockFolder(QFile::Permissions permissions) {
        skip = overridesFilePermissions() ? "runs as root, which writes in any folder" : nullptr;
        QFile::setPermissions(run.folder.path(), permissions);
    }
};
using SetUp = void (*)(Scene&);

// Settings as a test finds it: its bytes, or what stands there instead.
QByteArray settingsAsFound(const GameRun& run) {
    const QFileInfo info(run.file(QStringLiteral("Settings")));
    if (info.isDir())
        return "(folder)";
    return info.exists() && !info.isFile() ? "(pipe)" : run.readSettings();
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

Q_DECLARE_METATYPE(SetUp)
Q_DECLARE_METATYPE(Start)

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
        QTest::addColumn<Start>("setUp");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QByteArray>("after"); // Settings once the game is up
        const QByteArray defaults = defaultSettingsBytes();
        const auto row = [](const char* name, Start setUp, int rows, const QByteArray& after) {
            QTest::newRow(name) << setUp << rows << after;
        };
        row(
            "a first run writes the defaults", [](GameRun&) -> const char* { return nullptr; }, 0,
            defaults);
        row(
            "the next start reads them",
            [](GameRun& run) -> const char* {
                run.writeSettings(defaultSettingsBytes());
                QFile::setPermissions(run.file("Settings"), QFile::ReadOwner);
                return nullptr;
            },
            35, defaults);
        row(
            "a folder named Settings",
            [](GameRun& run) -> const char* {
                QDir(run.folder.path()).mkdir(QStringLiteral("Settings"));
                return nullptr;
            },
            0, "(folder)");
        row(
            "a pipe does not hang the start",
            [](GameRun& run) -> const char* {
                ::mkfifo(QFile::encodeName(run.file("Settings")).constData(), 0600);
                return nullptr;
            },
            0, "(pipe)");
        row(
            "a dangling link is not missing",
            [](GameRun& run) -> const char* {
                QFile::link(run.file(QStringLiteral("elsewhere")), run.file("Settings"));
                return nullptr;
            },
            0, "(none)");
        row(
            "no read permission",
            [](GameRun& run) -> const char* {
                run.writeSettings("Mine\r\nAll mine\r\n");
                QFile::setPermissions(run.file("Settings"), {});
                return overridesFilePermissions() ? "runs as root, which reads past permissions"
                                                  : nullptr;
            },
            0, "Mine\r\nAll mine\r\n");
        row(
            "a first run on a full disk",
            [](GameRun&) -> const char* {
                limitSaveWrites(100);
                return nullptr;
            },
            0, "(none)");
        row(
            "a first run without folder sync",
            [](GameRun&) -> const char* {
                saveCalls().folderSync = failing<EINVAL>;
                return nullptr;
            },
            0, defaults);
        row(
            "a first run meets another copy's file",
            [](GameRun&) -> const char* {
                saveCalls().makeFile = [](int folder, const char* name, int flags, mode_t mode) {
                    const int theirs =
                        ::openat(folder, "Settings", O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
                    if (::write(theirs, "Theirs\r\n", 8) != 8 || ::close(theirs) != 0)
                        qFatal("the other copy of the game could not write its file");
                    return ::openat(folder, name, flags, mode);
                };
                return nullptr;
            },
            0, "Theirs\r\n");
        row(
            "a first run without unnamed files or hard links (exFAT)",
            [](GameRun&) -> const char* {
                saveCalls().makeFile = noUnnamedFiles;
                saveCalls().link = failing<EPERM>;
                return nullptr;
            },
            0, defaults);
        row(
            "a first run where a rename cannot refuse to replace",
            [](GameRun&) -> const char* {
                saveCalls().makeFile = noUnnamedFiles;
                saveCalls().rename = renameOnlyReplacing;
                return nullptr;
            },
            0, defaults);
        row(
            "a first run with neither (exFAT through FUSE)",
            [](GameRun&) -> const char* {
                saveCalls().makeFile = noUnnamedFiles;
                saveCalls().rename = renameOnlyReplacing;
                saveCalls().link = failing<EPERM>;
                return nullptr;
            },
            0, defaults);
    }
    void aStartLoadsTheListOrLeavesTheFolderAlone() {
        QFETCH(Start, setUp);
        QFETCH(int, rows);
        QFETCH(QByteArray, after);
        if (const char* skip = setUp(*run_))
            QSKIP(skip);
        run_->start();
        QFile::setPermissions(run_->file("Settings"), QFile::ReadOwner | QFile::WriteOwner);

        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Gibbetry"));
        QCOMPARE(filesInFolder(),
                 after == "(none)" && !QFileInfo(run_->file("Settings")).isSymLink()
                     ? QStringList()
                     : QStringList{"Settings"});
        QVERIFY(run_->desktop.texts.isEmpty());
        run_->window->wordsWindow().show();
        const ListView& list = run_->window->lstWords();
        QCOMPARE(list.count(), rows);
        if (rows > 0) {
            QCOMPARE(GameRun::linesOf(listRows(list)), defaultSettingsBytes());
            QCOMPARE(noGameDifference(*run_->window), QString());
        } else { // whatever the load could not read stays as it was, and the board as built
            QCOMPARE(designBoardDifference(*run_->window), QString());
        }
        QCOMPARE(settingsAsFound(*run_), after);
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
        QTest::newRow("a folder anyone may write, with a list not the player's")
            << "open, another's list" << none << own;
        QTest::newRow("a data folder the player may write but not read")
            << locked << "0300"
            << "home/xdg/gibbetry/Settings";
        QTest::newRow("a data folder without folder sync") << locked << "no folder sync" << own;
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
        const auto real = [&](QString place) {
            return place.replace("program", run_->folder.path()).replace("home", home);
        };
        const auto bytesAt = [&](const QString& place) {
            QFile file(real(place));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
        };
        QByteArray first = program.endsWith("list") ? six : defaultSettingsBytes();
        if (program.endsWith("another's list")) { // a file of root's, behind a link of the player's
            QFile::link(QStringLiteral("/etc/debian_version"), run_->file("Settings"));
            first = bytesAt("/etc/debian_version");
        } else if (program.endsWith("list")) {
            run_->writeWords(kSix);
            ::chmod(folder + "/Settings", program.contains("0600") ? 0600 : 0400);
        }
        const QByteArray administrators = bytesAt("program/Settings");
        ::chmod(folder, program.startsWith("open") ? 0700 : 0500);
        if (data == "xdg" || data == "rel" || data == "0300")
            qputenv("XDG_DATA_HOME", data == "rel" ? "rel" : QFile::encodeName(home + "/xdg"));
        if (data == "0300")
            ::mkdir(QFile::encodeName(home + "/xdg"), 0300);
        if (data == "no folder sync")
            saveCalls().folderSync = failing<EINVAL>;
        if (data == "no home")
            qunsetenv("HOME");

        run_->start();
        ::chmod(QFile::encodeName(home + "/xdg"), 0700);       // where there is one, to look inside
        const bool defaults = first == defaultSettingsBytes(); // shown from the next start only
        QCOMPARE(run_->window->lstWords().count(), defaults ? 0 : first.count('\n'));
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
            QCOMPARE(bytesAt(list), GameRun::linesOf(defaults ? QStringList()
                                                              : QString::fromLatin1(first).split(
                                                                    QRegularExpression("\r?\n"),
                                                                    Qt::SkipEmptyParts)) +
                                        "Extra\r\n");
        if (program.endsWith("list") && list != "program/Settings")
            QCOMPARE(bytesAt("program/Settings"), administrators); // and the list there stays
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
            // the box it asks in opens at the editor's own corner; a refused word is told why
            QStringList why;
            for (int i = 0; i < 10; ++i) {
                editor.lblNotice->setAccessibleName({});
                QTest::mouseClick(editor.cmdAdd, Qt::LeftButton);
                if (!editor.lblNotice->accessibleName().startsWith(QStringLiteral("Added")))
                    why << editor.lblNotice->accessibleName();
            }
            QCOMPARE(why, (QStringList{"13 characters: a word has 12 at most.",
                                       QString::fromUtf8("The word list file cannot hold Ł."),
                                       "A word is one line.", "A word is one line.", "", ""}));
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
        QTest::addColumn<SetUp>("setUp"); // what the save meets, or what happens on Retry
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("messages");
        const QByteArray extra = "Extra\r\n"; // the word the player adds first
        const QStringList saved{"Save Successful"}, failed(2, "Save Unsuccessful");
        QByteArray odd;
        for (int byte = 0; byte < 256; ++byte)
            odd += byte == '\r' || byte == '\n' ? QByteArray() : QByteArray(1, char(byte));
        odd += "\r\n\r\n it's \"quoted\" \r\n";
        const QByteArray defaults = defaultSettingsBytes(), most = numberedLines(32765);
        const SetUp nothing = [](Scene&) {};
        const auto row = [&](const char* name, const QByteArray& after, bool saves, SetUp setUp) {
            QTest::newRow(name) << defaults << setUp << after << (saves ? saved : failed);
        };
        QTest::newRow("every other byte as it was") << odd << nothing << odd + extra << saved;
        QTest::newRow("line ends become CR LF")
            << QByteArray("Wax\nCorn\rTree") << nothing
            << QByteArray("Wax\r\nCorn\r\nTree\r\n") + extra << saved;
        QTest::newRow("a one-byte list") << QByteArray("A") << nothing << "A\r\n" + extra << saved;
        QTest::newRow("32766 rows, the most that fit") << most << nothing << most + extra << saved;
        QTest::newRow("one row more") << most + "one more\r\n"
                                      << nothing << most + "one more\r\n"
                                      << failed;
        row("the defaults", defaults + extra, true, nothing);
        row("an empty list", defaults, false,
            [](Scene& s) { // a first run: the file has the defaults, the list none
                QFile::remove(s.settings);
                s.run.start();
                s.run.writeSettings(defaultSettingsBytes());
                QFile::setPermissions(s.settings, kListMode);
            });
        row("full disk part-way", defaults, false, [](Scene& s) { s.fillPastTheLimit(); });
        QTest::newRow("room again on Retry") << defaults << SetUp([](Scene& s) {
            s.fullDisk.emplace(200);
            s.run.desktop.whileShown = [&s](const QString&) { s.fullDisk.reset(); };
        }) << defaults + extra << QStringList{"Save Unsuccessful", "Save Successful"};
        QTest::newRow("a lock another program holds: a moment, then Retry once it is gone")
            << defaults << SetUp([](Scene& s) {
                   s.lockHolder = ::open(QFile::encodeName(s.settings), O_RDONLY | O_CLOEXEC);
                   ::flock(s.lockHolder, LOCK_EX);
                   static QElapsedTimer waited;
                   waited.start();
                   s.run.desktop.whileShown = [&s](const QString&) {
                       QVERIFY2(waited.elapsed() < 2900, "the window froze past the bound");
                       ::close(std::exchange(s.lockHolder, -1));
                   };
               })
            << defaults + extra << QStringList{"Save Unsuccessful", "Save Successful"};
        row("no locks on this file system (NFS without its lock daemon)", defaults + extra, true,
            [](Scene&) { saveCalls().lock = failing<ENOLCK>; });
        row("another copy puts a new list in its place each time", "Theirs\r\n", false,
            [](Scene& s) {
                static QByteArray list;
                list = QFile::encodeName(s.settings);
                saveCalls().lock = [](int fd, int operation) {
                    const int theirs =
                        ::open(list + ".theirs", O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
                    if (::write(theirs, "Theirs\r\n", 8) != 8 || ::close(theirs) != 0 ||
                        ::rename(list + ".theirs", list) != 0)
                        qFatal("the other copy of the game could not put its list in place");
                    return ::flock(fd, operation);
                };
            });
        row("the disk is full: writes fail, the file could grow", defaults, false,
            [](Scene&) { saveCalls().write = failing<ENOSPC>; });
        row("gibbetry.save turned on names the step that failed", defaults, false, [](Scene& s) {
            static QStringList logged;
            static QtMessageHandler tests;
            logged.clear();
            saveCalls().write = failing<ENOSPC>;
            QLoggingCategory::setFilterRules(QStringLiteral("gibbetry.save=true"));
            tests = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&,
                                              const QString& message) { logged << message; });
            s.run.desktop.whileShown = [](const QString&) {
                qInstallMessageHandler(tests);
                QLoggingCategory::setFilterRules({});
                QCOMPARE(logged.value(0), "Save Unsuccessful: writing the new file failed: No "
                                          "space left on device (errno 28)");
            };
        });
        row("file missing: not created", "(none)", false,
            [](Scene& s) { QFile::remove(s.settings); });
        row("file read-only", defaults, false, [](Scene& s) {
            QFile::setPermissions(s.settings,
                                  QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup);
        });
        row("a pipe: no hang", "(pipe)", false, [](Scene& s) {
            QFile::remove(s.settings);
            ::mkfifo(QFile::encodeName(s.settings), 0666);
        });
        row("a folder", "(folder)", false, [](Scene& s) {
            QFile::remove(s.settings);
            QDir().mkdir(s.settings);
        });
        row("a dangling link", "(none)", false, [](Scene& s) {
            QFile::remove(s.settings);
            QFile::link(QStringLiteral("elsewhere"), s.settings);
        });
        row("the data sync fails", defaults, false,
            [](Scene&) { saveCalls().dataSync = failing<EIO>; });
        row("the folder sync fails", defaults, false,
            [](Scene&) { saveCalls().folderSync = failing<EIO>; });
        row("no folder sync on this file system", defaults + extra, true,
            [](Scene&) { saveCalls().folderSync = failing<EINVAL>; });
        row("no inodes left: not in place", defaults, false,
            [](Scene&) { saveCalls().makeFile = failing<ENOSPC>; });
        row("no unnamed files on this file system", defaults + extra, true,
            [](Scene&) { saveCalls().makeFile = noUnnamedFiles; });
        row("a random name already taken", defaults + extra, true, [](Scene&) {
            saveCalls().makeFile = noUnnamedFiles;
            nameTaken = true;
        });
        row("the new file cannot take the owner: in place", defaults + extra, true,
            [](Scene&) { saveCalls().own = failing<EPERM>; });
        row("the new file cannot take a name", defaults, false,
            [](Scene&) { saveCalls().link = failing<EMLINK>; });
        row("its name is busy: not a bind mount, not in place", defaults, false,
            [](Scene&) { saveCalls().link = failing<EBUSY>; });
        row("a bind-mounted file: in place", defaults + extra, true,
            [](Scene&) { saveCalls().rename = failing<EBUSY>; });
        row("the rename fails", defaults, false, [](Scene&) { saveCalls().rename = failing<EIO>; });
        row("a folder the player may write but not read", defaults + extra, true,
            [](Scene& s) { s.lockFolder(QFile::WriteOwner | QFile::ExeOwner); });
        row("in place, full disk part-way: the old list back", defaults, false, [](Scene& s) {
            s.lockFolder(QFile::ReadOwner | QFile::ExeOwner);
            s.fillPastTheLimit();
        });
    }
    void aSaveWritesEveryRowOrLeavesTheOldFileAsItWas() {
        QFETCH(QByteArray, before);
        QFETCH(SetUp, setUp);
        QFETCH(QByteArray, after);
        QFETCH(QStringList, messages);
        Scene scene{*run_, editorOn(before), run_->file(QStringLiteral("Settings")), {}};
        run_->desktop.typed = {"Extra"};
        scene.editor.cmdAdd->click();
        QFile::setPermissions(scene.settings, kListMode);
        setUp(scene);
        if (scene.skip)
            QSKIP(scene.skip);
        run_->desktop.answers = {kAnswerRetry, kAnswerCancel};
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
        QCOMPARE(settingsAsFound(*run_), after);
        if (messages.last() == "Save Successful")
            QCOMPARE(QFile::permissions(scene.settings), kListMode);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(run_->window->wordsWindow().findChildren<frmSaving*>().isEmpty());
        // no temporary file is left behind
        QCOMPARE(filesInFolder().filter(QRegularExpression("^(?!Settings$)")), QStringList());
    }
};

QTEST_MAIN(WordListTest)
#include "test_word_list.moc"
