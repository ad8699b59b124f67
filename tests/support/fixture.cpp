#include "fixture.h"

#include "main_window/letter_slot.h"
#include "main_window/list_view.h"
#include "main_window/program_folder.h"
#include "main_window/translations.h"
#include "word_list/file_replace.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>

int ScriptedDesktop::show(const QString& text, int style, const QString& caption,
                          const QString& reason) {
    texts.append(caption == QStringLiteral("Gibbetry") ? text : QStringLiteral("wrong caption"));
    if (!reason.isEmpty())
        reasons.append(reason);
    styles.append(style);
    if (whileShown)
        whileShown(text);
    return answers.isEmpty() ? kAnswerOk : answers.takeFirst();
}

QString ScriptedDesktop::ask(const QString&, const QString&, const QString&, QPoint topLeftTwips) {
    askedAtTwips = topLeftTwips;
    return typed.isEmpty() ? QString() : typed.takeFirst();
}

void ScriptedDesktop::playToEnd(const QString& path) {
    played.append(path);
    if (whilePlaying)
        whilePlaying();
}

float ScriptedDesktop::next() {
    ++taken;
    return values.isEmpty() ? 0.0f : values.takeFirst();
}

GameRun::GameRun() {
    std::signal(SIGXFSZ, SIG_DFL); // as a new program starts, whatever an earlier test did
    useEnglishCounts();
    setProgramFolder(folder.path());
    // Every place the program may keep its list, a relative one included, is in the test's own.
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_DATA_HOME");
    if (!folder.isValid() || !home.isValid() || !QDir::setCurrent(home.path()) ||
        programFile(QStringLiteral("Settings")) != file(QStringLiteral("Settings")))
        qFatal("the program would keep its files outside the test's folder");
}

GameRun::~GameRun() {
    window.reset();
    setProgramFolder({});
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir::setCurrent(QDir::tempPath());
}

void GameRun::writeSettings(const QByteArray& bytes) const {
    QFile out(file(QStringLiteral("Settings")));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write the test's Settings");
}

QByteArray GameRun::readSettings() const {
    QFile in(file(QStringLiteral("Settings")));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(none)");
}

frmMain& GameRun::start() {
    window = std::make_unique<frmMain>(platform);
    return *window;
}

frmMain& GameRun::deal(const QByteArray& word) {
    writeSettings(word + "\r\n");
    start().mnuStartGame->trigger();
    return *window;
}

void GameRun::press(const char* letters) {
    for (const char* letter = letters; *letter; ++letter)
        window->cmdLetter[*letter - 'A']->click();
}

QByteArray GameRun::linesOf(const QStringList& words) {
    QByteArray bytes;
    for (const QString& word : words)
        bytes += word.toLatin1() + "\r\n";
    return bytes;
}

QByteArray defaultSettingsBytes() {
    QFile shipped(QStringLiteral(GIBBETRY_STARTING_LIST)); // as committed, not as the code makes it
    return shipped.open(QIODevice::ReadOnly) ? shipped.readAll() : QByteArray("(none)");
}

QStringList slotTexts(const frmMain& window, QString (LetterSlot::*text)() const) {
    QStringList texts;
    for (const LetterSlot* slot : window.lblLetter)
        texts.append((slot->*text)());
    return texts;
}

QString shownPieces(const frmMain& window) {
    QString shown;
    for (const QLabel* piece : window.figure())
        shown += piece->isHidden() ? u'0' : u'1';
    return shown;
}

QString stage(int misses) {
    return QString(misses, u'1') + QString(12 - misses, u'0');
}

QStringList listRows(const ListView& list) {
    QStringList rows;
    for (int k = 1; k <= list.count(); ++k)
        rows.append(list.text(k));
    return rows;
}

// The board in one line, so that a difference reads at a glance; empty when it is as expected.
static QString boardDifference(const frmMain& window, bool design) {
    QString state = QStringLiteral("menus %1%2 timer %3 pieces %4 ")
                        .arg(window.mnuStartGame->isEnabled())
                        .arg(window.mnuStopGame->isEnabled())
                        .arg(window.Timer1->isActive() ? window.Timer1->interval() : -1)
                        .arg(shownPieces(window));
    for (const QPushButton* button : window.cmdLetter)
        state += button->isEnabled() ? u'1' : u'0';
    state += u' ' + slotTexts(window, &LetterSlot::caption).join(u',') + u'|' +
             slotTexts(window, &LetterSlot::tag).join(u',');
    const QString expected =
        design ? QStringLiteral("menus 10 timer 1000 pieces %1 %2 A,A,A,A,A,A,,A,A,A,A,A|%3")
                     .arg(stage(12), QString(26, u'1'), QString(11, u','))
               : QStringLiteral("menus 10 timer -1 pieces %1 %2  , , , , , , , , , , , |%3")
                     .arg(stage(0), QString(26, u'0'), QStringList(12, "-").join(u','));
    return state == expected ? QString() : state + QStringLiteral(" instead of ") + expected;
}

QString noGameDifference(const frmMain& window) {
    return boardDifference(window, false);
}

QString designBoardDifference(const frmMain& window) {
    return boardDifference(window, true);
}

void whenModal(const std::function<void(QWidget&)>& whileUp) {
    QTimer::singleShot(0, qApp, [whileUp] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        QTimer::singleShot(5000, modal, [modal] { modal->hide(); });
        whileUp(*modal);
    });
}

bool overridesFilePermissions() {
    QFile status(QStringLiteral("/proc/self/status"));
    const QByteArray lines = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    const qsizetype at = lines.indexOf("CapEff:");
    constexpr quint64 kOverride = 1u << 1, kReadSearch = 1u << 2;
    return at < 0 ? ::geteuid() == 0
                  : (lines.mid(at + 7, 18).trimmed().toULongLong(nullptr, 16) &
                     (kOverride | kReadSearch)) != 0;
}

namespace {
long limitBytes;
ssize_t (*writeBeneath)(int, const void*, size_t, off_t);

// The limit holds for the write alone: the test's own output, to a file too, never meets it.
ssize_t writeWithinTheLimit(int fd, const void* bytes, size_t size, off_t at) {
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = static_cast<rlim_t>(limitBytes);
    setrlimit(RLIMIT_FSIZE, &limit);
    const ssize_t written = writeBeneath(fd, bytes, size, at);
    const int error = errno;
    setrlimit(RLIMIT_FSIZE, &saved);
    errno = error;
    return written;
}
} // namespace

void limitSaveWrites(long bytes) {
    limitBytes = bytes;
    if (saveCalls().write != writeWithinTheLimit)
        writeBeneath = std::exchange(saveCalls().write, writeWithinTheLimit);
}

FileSizeLimit::FileSizeLimit(long bytes) {
    limitSaveWrites(bytes);
    lifted_ = false;
}

void FileSizeLimit::lift() {
    if (!std::exchange(lifted_, true))
        saveCalls().write = writeBeneath;
}
