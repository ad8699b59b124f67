#include "main_window/program_folder.h"

#include <QCoreApplication>

namespace {
QString& overriddenFolder() {
    static QString folder;
    return folder;
}
} // namespace

QString programFolder() {
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QCoreApplication::applicationDirPath();
}

QString programFile(const QString& name) {
    return programFolder() + u'/' + name;
}

void setProgramFolder(const QString& folder) {
    overriddenFolder() = folder;
}
