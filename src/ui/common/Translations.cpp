#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

QString install(QCoreApplication &app)
{
    const QLocale locale;
    // The translators live as long as the application: they are its children.
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
    // English has a translation too: the plural forms of its counted texts ("1 position",
    // "2 positions"). It is also what a language without a translation gets.
    auto *own = new QTranslator(&app);
    if (!own->load(locale, QStringLiteral("shiftgrid"), QStringLiteral("_"), QStringLiteral(":/translations"))
        && !own->load(QStringLiteral(":/translations/shiftgrid_en.qm"))) {
        delete own;
        return QStringLiteral("en");
    }
    app.installTranslator(own);
    return own->language().section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0);
}

} // namespace Translations
