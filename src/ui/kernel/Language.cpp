#include "ui/kernel/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Language {

QString install(QCoreApplication &app, const QString &code)
{
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    auto *own = new QTranslator(&app);
    // Built into the program (see translations/).
    if (!own->load(locale, QStringLiteral("lettermarch"), QStringLiteral("_"), QStringLiteral(":/i18n"))
        || own->isEmpty()) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    auto *qt = new QTranslator(&app);
    if (qt->load(
            locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    // Dates and numbers follow the language chosen.
    if (!code.isEmpty())
        QLocale::setDefault(locale);
    return own->language();
}

} // namespace Language
