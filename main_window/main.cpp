#include "main_window/desktop_platform.h"
#include "main_window/frm_main.h"
#include "main_window/translations.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("example.gibbetry.Gibbetry"));
    useDesktopLanguage();
    DesktopPlatform desktop;
    frmMain window(desktop.platform());
    window.show();
    return app.exec();
}
