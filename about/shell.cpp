#include "about/shell.h"

#include <QDesktopServices>

void DesktopShell::open(const QUrl& address) {
    QDesktopServices::openUrl(address);
}
