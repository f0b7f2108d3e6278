#include "ui/kernel/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Language {

namespace {
const char *const Installed = "lettermarchTranslation";

// The program's translation for the locale, if it has one; built into the
// program (see translations/).
bool loadOwn(QTranslator &translator, const QLocale &locale)
{
    return translator.load(locale, QStringLiteral("lettermarch"), QStringLiteral("_"), QStringLiteral(":/i18n"))
        && !translator.isEmpty();
}
} // namespace

QString install(QCoreApplication &app, const QString &code)
{
    for (QTranslator *old : app.findChildren<QTranslator *>(QString::fromLatin1(Installed))) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    // Dates and numbers follow the language chosen.
    QLocale::setDefault(code.isEmpty() ? QLocale::system() : locale);
    auto *own = new QTranslator(&app);
    if (!loadOwn(*own, locale)) {
        delete own;
        return {};
    }
    own->setObjectName(QString::fromLatin1(Installed));
    QCoreApplication::installTranslator(own);
    auto *qt = new QTranslator(&app);
    qt->setObjectName(QString::fromLatin1(Installed));
    if (qt->load(
            locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return own->language();
}

QStringList available()
{
    QStringList codes {QStringLiteral("en")};
    for (const char *code : {"de", "fr", "es"}) {
        QTranslator translator;
        if (loadOwn(translator, QLocale(QString::fromLatin1(code))))
            codes << QString::fromLatin1(code);
    }
    return codes;
}

} // namespace Language
