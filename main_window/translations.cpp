#include "main_window/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void useDesktopLanguage() {
    static QTranslator game, qt;
    for (QString language : QLocale::system().uiLanguages()) {
        language.replace(u'-', u'_');
        if (language == u'C' || language.startsWith(QStringLiteral("en")))
            return; // preferred to any language further down the desktop's list
        if (!game.load(QStringLiteral("gibbetry_") + language, QStringLiteral(":/i18n")))
            continue;
        QCoreApplication::installTranslator(&game);
        // Debian's qt6-translations-l10n, where it is installed
        if (qt.load(QStringLiteral("qtbase_") + language,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
        return;
    }
}
