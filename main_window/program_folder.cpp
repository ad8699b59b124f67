#include "main_window/program_folder.h"

#include <QFile>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString& overriddenFolder() {
    static QString folder;
    return folder;
}

// The folder of the running executable; empty when it cannot be found.
QString findProgramFolder() {
    char executable[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", executable, sizeof executable);
    if (length <= 0 || length == sizeof executable)
        return {};
    const QByteArray path(executable, length);
    return folderReachableAs(path.left(path.lastIndexOf('/')));
}

} // namespace

QString folderReachableAs(const QByteArray& folder) {
    if (!folder.startsWith('/'))
        return {};
    const QString name = QFile::decodeName(folder);
    if (QFile::encodeName(name) == folder)
        return name;
    // A name that is not text in this locale would come back as other bytes: the folder is
    // reached through a descriptor that stays open for the run, whatever bytes its name holds.
    const int fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return fd < 0 ? QString() : QStringLiteral("/proc/self/fd/%1").arg(fd);
}

QString programFolder() {
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    static const QString folder = findProgramFolder();
    return folder;
}

QString programFile(const QString& name) {
    const QString folder = programFolder();
    return folder.isEmpty() ? QString() : folder + u'/' + name;
}

void setProgramFolder(const QString& folder) {
    overriddenFolder() = folder;
}
