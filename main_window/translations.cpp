#include "main_window/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void useEnglishCounts() {
    static QTranslator english;
    if (english.isEmpty() && english.load(QStringLiteral("gibbetry_en"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&english);
}

void useDesktopLanguage() {
    useEnglishCounts(); // beneath the language's own, which counts in its own way
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
