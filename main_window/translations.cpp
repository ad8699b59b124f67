#include "main_window/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The game's translation for the language, or for another country's form of it where that is all
// the game has ("pt_BR" for "pt_PT" or "pt"): nearer to the player than English.
bool loadLanguage(QTranslator& game, const QString& language) {
    const QString folder = QStringLiteral(":/i18n");
    if (game.load(QStringLiteral("gibbetry_") + language, folder))
        return true;
    const QStringList forms = QDir(folder).entryList(
        {QStringLiteral("gibbetry_%1_*.qm").arg(language.section(u'_', 0, 0))});
    return !forms.isEmpty() && game.load(forms.first(), folder);
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
        if (!loadLanguage(game, language))
            continue;
        QCoreApplication::installTranslator(&game);
        // Debian's qt6-translations-l10n, where it is installed
        if (qt.load(QStringLiteral("qtbase_") + language,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
        return;
    }
}
