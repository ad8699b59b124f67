// The word list: how Settings becomes the rows the editor shows, the first run, the editor's
// buttons, and saving, which never costs the player the list that was in the file.

#include "fixture.h"
#include "main_window/list_view.h"
#include "main_window/twips.h"
#include "word_list/file_replace.h"
#include "word_list/frm_saving.h"
#include "word_list/frm_words.h"
#include "word_list/settings_file.h"

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
#include <stop_token>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
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

// Another copy of the game makes its Settings in the folder, in the moment before this one does.
void anotherCopyWrites(int folder) {
    const int theirs = ::openat(folder, "Settings", O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    if (::write(theirs, "Theirs\r\n", 8) != 8 || ::close(theirs) != 0)
        qFatal("the other copy of the game could not write its file");
}

// What gibbetry.save says while this lives, turned on as a player turns it on.
struct SaveLog {
    inline static QStringList lines;
    QtMessageHandler tests;
    SaveLog() {
        lines.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("gibbetry.save=true"));
        tests = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& said) { lines << said; });
    }
    ~SaveLog() {
        qInstallMessageHandler(tests);
        QLoggingCategory::setFilterRules({});
    }
};

// A file system that cannot rename without replacing (FAT through some drivers).
int renameOnlyReplacing(int folder, const char* from, const char* to, unsigned flags) {
    return flags ? (errno = EINVAL, -1) : ::renameat(folder, from, folder, to);
}

// A program that holds the list's lock and, every 1.9 s, puts a new list, locked, in its place.
void newLockedListEvery1900ms(const std::stop_token& stop, const QByteArray& list, int held) {
    for (int tick = 1; !stop.stop_requested(); ++tick) {
        QThread::msleep(10);
        if (tick % 190 != 0)
            continue;
        const int next = ::open(list + ".next", O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0640);
        if (::write(next, "Theirs\r\n", 8) != 8 || ::flock(next, LOCK_EX) != 0 ||
            ::rename(list + ".next", list) != 0)
            qFatal("the lock holder could not put its list in place");
        ::close(std::exchange(held, next));
    }
    ::close(held);
}

// What a start meets in the program's folder, on the disk or from another copy of the game.
using Start = void (*)(GameRun&);

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
    std::optional<SaveLog> log{};
    std::jthread swapper{}; // another program putting new lists in the list's place
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
    int flags = 0; // those a player may set: no dump, no atime updates
    if (const Descriptor opened{::open(file, O_RDONLY | O_CLOEXEC)}; opened.fd >= 0)
        ::ioctl(opened.fd, FS_IOC_GETFLAGS, &flags);
    QByteArray shape = QByteArray::number(info.st_mode, 8) + ' ' + QByteArray::number(info.st_uid) +
                       ':' + QByteArray::number(info.st_gid) + ' ' +
                       QByteArray::number(flags & (FS_NODUMP_FL | FS_NOATIME_FL));
    char names[1024], value[1024];
    QByteArrayList sorted = QByteArray(names, qMax(::listxattr(file, names, 1024), 0L)).split(0);
    std::sort(sorted.begin(), sorted.end());
    for (const QByteArray& name : sorted)
        shape += ' ' + name + '=' +
                 QByteArray(value, qMax(::getxattr(file, name, value, 1024), 0L)).toHex();
    return shape;
}

// Whether anything opened a file, to read or to write (IN_CLOSE_WRITE), while this lives.
struct OpenWatch {
    Descriptor queue{::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)};
    OpenWatch(const QByteArray& path, uint32_t what) { ::inotify_add_watch(queue.fd, path, what); }
    bool seen() const {
        char events[4096];
        return ::read(queue.fd, events, sizeof events) > 0;
    }
};

// The program's folder and the player's home as a row lays them out before the start.
struct Layout {
    GameRun& run;
    QByteArray folder = QFile::encodeName(run.folder.path()),
               home = QFile::encodeName(run.home.path()), settings = folder + "/Settings",
               notes = home + "/private/notes";
    QByteArray watched = notes; // nothing may open it
    const char* skip = nullptr;

    void settle(const QStringList& words, mode_t mode) const {
        run.writeWords(words);
        ::chmod(settings, mode);
    }
    void lock() const { ::chmod(folder, 0500); }
    void link(const QByteArray& target, const QByteArray& at) const {
        if (::symlink(target, at) != 0)
            qFatal("cannot lay the row's link");
    }
    void giveAway(const QByteArray& path) { // to another user
        if (!overridesFilePermissions())
            skip = "a player cannot give a file, a link or a folder to another user";
        else if (::lchown(path, 1234, 1234) != 0)
            qFatal("cannot give the row's file away");
    }
};
using Lay = void (*)(Layout&);

} // namespace

Q_DECLARE_METATYPE(SetUp)
Q_DECLARE_METATYPE(Start)
Q_DECLARE_METATYPE(Lay)

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
        const OpenWatch writes(QFile::encodeName(run_->file("Settings")), IN_CLOSE_WRITE);
        run_->start().wordsWindow().show();
        QVERIFY2(!writes.seen(), "a start opened the list to write it");
        QCOMPARE(shownRows(run_->window->lstWords()), rows);
        QCOMPARE(noGameDifference(*run_->window), QString());
        QCOMPARE(run_->readSettings(), bytes);
    }

    void aStartLoadsTheListOrLeavesTheFolderAlone_data() {
        QTest::addColumn<Start>("setUp");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QByteArray>("after"); // Settings once the game is up
        QTest::addColumn<QString>("logged");   // what gibbetry.save said first, if anything
        const QByteArray defaults = defaultSettingsBytes();
        const auto row = [](const char* name, int rows, const QByteArray& after, const char* logged,
                            Start setUp) {
            QTest::newRow(name) << setUp << rows << after << QString(logged);
        };
        const char* notAFile = "Loading the list: opening the list: not an ordinary file";
        const char* taken = "First start: no list made: giving the new list its name failed: "
                            "File exists (errno 17)";
        row("a first run writes the list the package ships", 0, defaults, "", [](GameRun&) {});
        row("the next start reads them", 35, defaults, "", [](GameRun& run) {
            run.writeSettings(defaultSettingsBytes());
            QFile::setPermissions(run.file("Settings"), QFile::ReadOwner);
        });
        row("a folder named Settings", 0, "(folder)", notAFile,
            [](GameRun& run) { QDir(run.folder.path()).mkdir(QStringLiteral("Settings")); });
        row("a pipe does not hang the start", 0, "(pipe)", notAFile, [](GameRun& run) {
            ::mkfifo(QFile::encodeName(run.file("Settings")).constData(), 0600);
        });
        row("a dangling link is not missing", 0, "(none)",
            "Loading the list: finding the list failed: No such file or directory (errno 2)",
            [](GameRun& run) {
                QFile::link(run.file(QStringLiteral("elsewhere")), run.file("Settings"));
            });
        row("no read permission", 0, "Mine\r\nAll mine\r\n",
            "Loading the list: opening the list failed: Permission denied (errno 13)",
            [](GameRun& run) {
                run.writeSettings("Mine\r\nAll mine\r\n");
                QFile::setPermissions(run.file("Settings"), {});
            });
        row("a first run on a full disk", 0, "(none)",
            "First start: no list made: writing the new list failed: File too large (errno 27)",
            [](GameRun&) { limitSaveWrites(100); });
        row("a first run without folder sync", 0, defaults, "",
            [](GameRun&) { saveCalls().folderSync = failing<EINVAL>; });
        row("a first run meets another copy's file", 0, "Theirs\r\n", taken, [](GameRun&) {
            saveCalls().makeFile = [](int folder, const char* name, int flags, mode_t mode) {
                anotherCopyWrites(folder);
                return ::openat(folder, name, flags, mode);
            };
        });
        row("a first run on exFAT meets another copy's file", 0, "Theirs\r\n", taken, [](GameRun&) {
            saveCalls().makeFile = [](int folder, const char* name, int flags, mode_t mode) {
                anotherCopyWrites(folder);
                return noUnnamedFiles(folder, name, flags, mode);
            };
            saveCalls().link = failing<EPERM>;
        });
        row("a first run with neither meets another copy's file", 0, "Theirs\r\n", taken,
            [](GameRun&) {
                saveCalls().makeFile = [](int folder, const char* name, int flags, mode_t mode) {
                    anotherCopyWrites(folder);
                    return noUnnamedFiles(folder, name, flags, mode);
                };
                saveCalls().rename = renameOnlyReplacing;
                saveCalls().link = failing<EPERM>;
            });
        row("a first run without unnamed files or hard links (exFAT)", 0, defaults, "",
            [](GameRun&) {
                saveCalls().makeFile = noUnnamedFiles;
                saveCalls().link = failing<EPERM>;
            });
        row("a first run where a rename cannot refuse to replace", 0, defaults, "", [](GameRun&) {
            saveCalls().makeFile = noUnnamedFiles;
            saveCalls().rename = renameOnlyReplacing;
        });
        row("a first run with neither (exFAT through FUSE)", 0, defaults, "", [](GameRun&) {
            saveCalls().makeFile = noUnnamedFiles;
            saveCalls().rename = renameOnlyReplacing;
            saveCalls().link = failing<EPERM>;
        });
    }
    void aStartLoadsTheListOrLeavesTheFolderAlone() {
        QFETCH(Start, setUp);
        QFETCH(int, rows);
        QFETCH(QByteArray, after);
        QFETCH(QString, logged);
        if (QTest::currentDataTag() == QLatin1String("no read permission") &&
            overridesFilePermissions())
            QSKIP("runs as root, which reads past permissions");
        setUp(*run_);
        const SaveLog log;
        run_->start();
        QCOMPARE(log.lines.value(0), logged);
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

    // Where the list beside the program is not the player's own, or another user could have laid
    // any step of the way to it, the player has their own in the XDG data folder. The player's
    // private notes are never opened through such a way.
    void eachPlayerKeepsAListOnlyTheyCouldHaveLaid_data() {
        QTest::addColumn<Lay>("lay");
        QTest::addColumn<QString>("list"); // the one the game starts on and saves, if any
        QTest::addColumn<int>("rows");     // shown at the start
        QTest::addColumn<bool>("saves");
        const QString beside = "program/Settings", own = "home/.local/share/gibbetry/Settings",
                      xdg = "home/xdg/gibbetry/Settings", none;
        const auto row = [](const char* name, const QString& list, int rows, bool saves, Lay lay) {
            QTest::newRow(name) << lay << list << rows << saves;
        };
        row("a folder the player may write", beside, 0, true, [](Layout&) {});
        row("a locked folder without a list", own, 0, true, [](Layout& at) { at.lock(); });
        row("the player's list in a locked folder", beside, 6, true, [](Layout& at) {
            at.settle(kSix, 0600);
            at.lock();
        });
        row("the player's read-only list stays theirs", beside, 6, false,
            [](Layout& at) { at.settle(kSix, 0444); });
        row("a folder others may write: nothing in it is read", own, 0, true, [](Layout& at) {
            at.settle(kSix, 0644);
            ::chmod(at.folder, 0777);
        });
        row("a link swapped in the middle of the way", own, 0, true, [](Layout& at) {
            at.link("lists/notes", at.settings);
            at.link(at.home + "/private", at.folder + "/lists"); // by another member of the group
            ::chmod(at.folder, 0770);
        });
        // /dev/full reads as endlessly as /dev/zero, and nothing else on a machine opens it:
        // the watch sees the game alone (other programs open /dev/zero, even during a test).
        row("a link to /dev/full is never opened", own, 0, true, [](Layout& at) {
            at.link("/dev/full", at.settings);
            at.watched = "/dev/full";
        });
        row("an administrator's list behind the player's link: copied, shown at once", own, 1, true,
            [](Layout& at) {
                at.link("/etc/debian_version", at.settings);
                at.skip = overridesFilePermissions() ? "runs as root, whose list it is" : nullptr;
            });
        row("the player's link to a stick that is away: no move", none, 0, false,
            [](Layout& at) { at.link(at.folder + "/stick/words", at.settings); });
        row("the stick is back: Save makes the list where the link leads", "program/stick/words", 0,
            true, [](Layout& at) {
                at.link(at.folder + "/stick/words", at.settings);
                ::mkdir(at.folder + "/stick", 0700);
            });
        row("a 64 GiB list is never read whole", beside, 0, false, [](Layout& at) {
            at.settle({}, 0600);
            QVERIFY(QFile::resize(QFile::decodeName(at.settings), 64LL << 30));
        });
        row("another user's link, planted while the folder was open", own, 0, true, [](Layout& at) {
            at.link(at.notes, at.settings);
            at.giveAway(at.settings);
        });
        row("another user's list in the player's closed folder", own, 0, true, [](Layout& at) {
            at.settle(kSix, 0666);
            at.giveAway(at.settings);
        });
        row("root with another user's HOME: nothing made there", none, 0, false, [](Layout& at) {
            at.giveAway(at.folder);
            at.giveAway(at.home);
        });
        row("XDG_DATA_HOME in a shared folder: another user's link", none, 0, false,
            [](Layout& at) {
                at.lock();
                ::mkdir(at.home + "/shared", 01777);
                ::chmod(at.home + "/shared", 01777);
                at.link(at.home + "/private", at.home + "/shared/gibbetry");
                at.giveAway(at.home + "/shared/gibbetry");
                qputenv("XDG_DATA_HOME", at.home + "/shared");
            });
        row("a data folder the player may write but not read, named with a final /", xdg, 0, true,
            [](Layout& at) {
                at.lock();
                ::mkdir(at.home + "/xdg", 0300);
                qputenv("XDG_DATA_HOME", at.home + "/xdg/");
            });
        row("a relative XDG_DATA_HOME is ignored", own, 0, true, [](Layout& at) {
            at.lock();
            qputenv("XDG_DATA_HOME", "xdg");
        });
        row("no home: nowhere to save", none, 0, false, [](Layout& at) {
            at.lock();
            qunsetenv("HOME");
        });
    }
    void eachPlayerKeepsAListOnlyTheyCouldHaveLaid() {
        QFETCH(Lay, lay);
        QFETCH(QString, list);
        QFETCH(int, rows);
        QFETCH(bool, saves);
        Layout at{*run_};
        QVERIFY(QDir(run_->home.path()).mkdir(QStringLiteral("private")));
        QVERIFY(QFile::copy(GIBBETRY_STARTING_LIST, QFile::decodeName(at.notes))); // private
        lay(at);
        if (at.skip)
            QSKIP(at.skip);
        const auto real = [&](QString place) {
            return place.replace("program", run_->folder.path()).replace("home", run_->home.path());
        };
        const auto bytesAt = [&](const QString& place) {
            QFile file(real(place));
            return file.open(QIODevice::ReadOnly) ? file.read(1 << 20) : QByteArray("(none)");
        };
        const auto files = [&] {
            QStringList found;
            for (const QString& root : {QStringLiteral("program"), QStringLiteral("home")})
                for (QDirIterator it(real(root), QDir::Files | QDir::Hidden | QDir::System,
                                     QDirIterator::Subdirectories);
                     it.hasNext();)
                    found.append(root + it.next().mid(real(root).size()));
            found.sort();
            return found;
        };
        QStringList expected = files();
        const QByteArray administrators = bytesAt("program/Settings");
        const OpenWatch watch(at.watched, IN_OPEN);
        rusage before{}, after{};
        ::getrusage(RUSAGE_SELF, &before);

        run_->start();
        ::getrusage(RUSAGE_SELF, &after);
        QVERIFY2(after.ru_maxrss - before.ru_maxrss < 64 * 1024, "the start read the list whole");
        ::chmod(QFile::encodeName(run_->home.path() + "/xdg"), 0700); // where there is one
        QCOMPARE(run_->window->lstWords().count(), rows);
        if (QFileInfo::exists(real(list)) && !expected.contains(list))
            expected.append(list); // the first run's
        expected.sort();
        QCOMPARE(files(), expected); // nothing anywhere else
        struct stat made {};         // a folder the game makes is the player's alone
        QVERIFY(!list.startsWith("home") ||
                (::stat(QFile::encodeName(QFileInfo(real(list)).path()), &made) == 0 &&
                 (made.st_mode & 0777) == 0700));

        const QByteArray started = bytesAt(list);
        run_->desktop.typed = {"Extra"};
        run_->window->wordsWindow().cmdAdd->click();
        run_->window->wordsWindow().cmdSave->click();
        QVERIFY2(!watch.seen(), "a file behind a way another user could have laid was opened");
        QCOMPARE(run_->desktop.texts.last(), saves ? "Save Successful" : "Save Unsuccessful");
        QCOMPARE(bytesAt(list),
                 saves ? GameRun::linesOf(listRows(run_->window->lstWords())) : started);
        if (!list.startsWith("program"))
            QCOMPARE(bytesAt("program/Settings"), administrators); // and the list there stays
        QCOMPARE(bytesAt("home/private/notes"), defaultSettingsBytes());
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
            // the box it asks in opens at the editor's own corner; a refused word's box says why
            for (int i = 0; i < 10; ++i)
                QTest::mouseClick(editor.cmdAdd, Qt::LeftButton);
            QCOMPARE(run_->desktop.reasons,
                     (QStringList{"13 characters: a word has 12 at most.",
                                  QString::fromUtf8("The word list file cannot hold Ł."),
                                  "A word is one line.", "A word is one line."}));
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
        editor.lblNotice->setAccessibleName({});
        QTest::mouseClick(editor.cmdRemove, Qt::LeftButton); // the selection went with its word
        QCOMPARE(editor.lblNotice->accessibleName(), "No word chosen: select one, then Remove.");
        QTest::keyClick(&editor, Qt::Key_Escape); // the editor has no Cancel
        QVERIFY(editor.isVisible());
        clickRow(*editor.lstWords, 6);
        QTest::mouseClick(editor.cmdRemove, Qt::LeftButton);
        QCOMPARE(listRows(*editor.lstWords), (QStringList{"One", "Two", "Four", "Five", "Six"}));
        QVERIFY(run_->desktop.texts.isEmpty());
        clickRow(*editor.lstWords, 1);
        QTest::mouseClick(editor.cmdRemove, Qt::LeftButton);
        QCOMPARE(editor.lstWords->count(), 5);
        QCOMPARE(run_->desktop.texts, QStringList{"Can't Remove Word"});
        QCOMPARE(run_->desktop.reasons, QStringList{"A list keeps at least 5 words."});
        QCOMPARE(run_->desktop.styles, QList<int>{kStyleExclamation});
    }

    void theEditorSaysSoWhenItOpensOnNoWords() {
        frmWords& editor = editorOn({});
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QTRY_COMPARE(editor.lblNotice->accessibleName(), QStringLiteral("No words."));
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
        QTest::newRow("a folder whose default ACL the list does not have") << "default ACL";
        QTest::newRow("a list whose own name is 255 bytes long") << "long name";
        QTest::newRow("an append-only folder: in place") << "append-only";
        QTest::newRow("a list kept from backups (nodump) and atime updates") << "flags";
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
        if (made == "default ACL" &&
            ::setxattr(folder, "system.posix_acl_default", acl, size_t(acl.size()), 0) != 0)
            QSKIP("this file system keeps no ACLs");
        const Descriptor synced(::open(folder, O_RDONLY | O_DIRECTORY)),
            listed(::open(file, O_RDONLY));
        int listFlags = 0;
        ::ioctl(listed.fd, FS_IOC_GETFLAGS, &listFlags);
        listFlags |= FS_NODUMP_FL | FS_NOATIME_FL;
        if (made == "flags" && ::ioctl(listed.fd, FS_IOC_SETFLAGS, &listFlags) != 0)
            QSKIP("this file system keeps no file flags");
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

    // A copy of the game that loads the list while another writes it in place waits for the
    // whole list: it never deals from a list half old and half new.
    void aLoadNeverTakesAListHalfWrittenInPlace() {
        static std::function<void()> halfWay;
        static std::atomic<int> writes;
        writes = 0;
        frmWords& editor = editorOn(GameRun::linesOf(kSix));
        run_->desktop.typed = {"Extra"};
        editor.cmdAdd->click();
        run_->writeSettings(defaultSettingsBytes()); // what the editor's list is written over
        saveCalls().rename = failing<EBUSY>;         // a bind-mounted list: written in place
        WordListRead loaded;
        std::thread other;
        halfWay = [&] {
            other = std::thread([&] { loaded = readWordList(run_->file("Settings")); });
            QThread::msleep(300);
        };
        saveCalls().write = [](int fd, const void* bytes, size_t size, off_t at) {
            const int call = ++writes; // the new file, then the list itself in two halves
            if (call == 3)
                halfWay();
            return ::pwrite(fd, bytes, call == 2 ? size / 2 : size, at);
        };
        editor.cmdSave->click();
        other.join();
        QCOMPARE(run_->desktop.texts, QStringList{"Save Successful"});
        QCOMPARE(loaded.list.bytes, GameRun::linesOf(kSix + QStringList{"Extra"}));
    }

    // Another user swapping a pipe in for the list never holds up a start.
    void aLoadNeverWaitsOnAPipeSwappedIn() {
        const QByteArray list = QFile::encodeName(run_->file("Settings")), pipe = list + ".pipe";
        run_->writeSettings(defaultSettingsBytes());
        const auto swap = [&] { ::renameat2(AT_FDCWD, list, AT_FDCWD, pipe, RENAME_EXCHANGE); };
        if (::mkfifo(pipe, 0600) != 0 ||
            ::renameat2(AT_FDCWD, list, AT_FDCWD, pipe, RENAME_EXCHANGE) != 0)
            QSKIP("this file system cannot swap two names at once");
        std::atomic<bool> loading = true;
        std::thread swapper([&] {
            while (loading)
                swap();
        });
        std::thread loads([&] {
            for (int start = 0; start < 3000; ++start)
                readWordList(QFile::decodeName(list));
            loading = false;
        });
        QElapsedTimer waited;
        for (waited.start(); loading && waited.elapsed() < 20000;)
            QThread::msleep(20);
        const bool stuck = loading.exchange(false);
        swapper.join();
        for (const QByteArray& name : {list, pipe}) // a load stuck on the pipe is let go
            ::close(::open(name, O_WRONLY | O_NONBLOCK | O_CLOEXEC));
        loads.join();
        QVERIFY2(!stuck, "a load waited on a pipe");
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
        QTest::newRow("a lock holder puts a new list in its place every 1.9 s: answered in time")
            << defaults << SetUp([](Scene& s) {
                   const QByteArray list = QFile::encodeName(s.settings);
                   const int held = ::open(list, O_RDONLY | O_CLOEXEC);
                   ::flock(held, LOCK_EX);
                   s.swapper = std::jthread(newLockedListEvery1900ms, list, held);
                   static QElapsedTimer waited;
                   waited.start();
                   s.run.desktop.whileShown = [&s](const QString&) {
                       QVERIFY2(waited.elapsed() < 3000, "the save waited past one bound");
                       s.swapper = {};
                   };
               })
            << defaults + extra << QStringList{"Save Unsuccessful", "Save Successful"};
        row("no locks on this file system (NFS without its lock daemon)", defaults + extra, true,
            [](Scene&) { saveCalls().lock = failing<ENOLCK>; });
        row("the disk is full: writes fail, the file could grow", defaults, false,
            [](Scene&) { saveCalls().write = failing<ENOSPC>; });
        row("gibbetry.save turned on names the step that failed", defaults, false, [](Scene& s) {
            saveCalls().write = failing<ENOSPC>;
            s.log.emplace();
            s.run.desktop.whileShown = [](const QString&) {
                QCOMPARE(SaveLog::lines.value(0), "Save Unsuccessful: writing the new file failed: "
                                                  "No space left on device (errno 28)");
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
