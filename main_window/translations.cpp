#include "main_window/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// A language the game has only in another country's form ("pt_BR" for "pt_PT" or "pt"): nearer to
// the player than English.
QString otherCountrysForm(const QString& language) {
    const QString base = language.section(u'_', 0, 0);
    const QStringList forms =
        QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("gibbetry_%1_*.qm").arg(base)});
    return forms.isEmpty() ? QStringLiteral("-") : forms.first().chopped(3).mid(9);
}

} // namespace

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
        if (!game.load(QStringLiteral("gibbetry_") + language, QStringLiteral(":/i18n")) &&
            !game.load(QStringLiteral("gibbetry_") + otherCountrysForm(language),
                       QStringLiteral(":/i18n")))
            continue;
        QCoreApplication::installTranslator(&game);
        // Debian's qt6-translations-l10n, where it is installed
        if (qt.load(QStringLiteral("qtbase_") + language,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
        return;
    }
}
