#include "core/lists/ListLanguage.h"

#include "core/data/ListTexts.h"

#include <QCoreApplication>

#include <algorithm>

namespace ListLanguage {

namespace {
const ListTexts Languages(QStringLiteral("LIST_LANGUAGES"), QStringLiteral("LANGUAGE"));
} // namespace

QString of(Store &store, qint32 listId)
{
    return Languages.of(store, listId).trimmed();
}

void set(Store &store, qint32 listId, const QString &code)
{
    Languages.set(store, listId, code.trimmed());
}

void remove(Store &store, qint32 listId)
{
    Languages.remove(store, listId);
}

void adopt(Store &store, qint32 listId, const QString &code)
{
    // A code that names no language ("x-none") is not kept.
    if (QLocale(code.trimmed()).language() != QLocale::C && of(store, listId).isEmpty())
        set(store, listId, code);
}

QLocale::Language fromCode(const QString &code)
{
    const QLocale::Language language = QLocale(code).language();
    return language == QLocale::C || language == QLocale::AnyLanguage ? QLocale::English : language;
}

QLocale::Language program()
{
    // Each translation names its own language here.
    return fromCode(QCoreApplication::translate("ListLanguage", "en", "the code of this translation's language"));
}

QLocale::Language spoken(Store &store, qint32 listId)
{
    const QString own = of(store, listId);
    return own.isEmpty() ? program() : fromCode(own);
}

QString code(Store &store, qint32 listId)
{
    const QString own = of(store, listId);
    return own.isEmpty() ? codeOf(program()) : own;
}

QString codeOf(QLocale::Language language)
{
    return QLocale(language).name().section(u'_', 0, 0);
}

QString nameOf(QLocale::Language language)
{
    // Each country's locale names its own variety ("American English",
    // "español de España"); the plain name is the shortest of them.
    QString name;
    for (const QLocale &locale : QLocale::matchingLocales(language, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QString own = locale.nativeLanguageName();
        if (!own.isEmpty() && (name.isEmpty() || own.size() < name.size()))
            name = own;
    }
    if (name.isEmpty())
        name = QLocale::languageToString(language);
    if (!name.isEmpty())
        name[0] = name.at(0).toUpper();
    return name;
}

QList<QLocale::Language> offered(const QList<QLocale::Language> &voiced, QLocale::Language also)
{
    QList<QLocale::Language> languages = voiced;
    languages << QLocale::English << QLocale::German << QLocale::French << QLocale::Spanish << also;
    languages.removeAll(QLocale::C);
    languages.removeAll(QLocale::AnyLanguage);
    std::sort(languages.begin(), languages.end());
    languages.erase(std::unique(languages.begin(), languages.end()), languages.end());
    // By name, each named once.
    QList<std::pair<QString, QLocale::Language>> named;
    for (const QLocale::Language language : std::as_const(languages))
        named.append({nameOf(language), language});
    std::sort(named.begin(), named.end(),
        [](const auto &a, const auto &b) { return QString::localeAwareCompare(a.first, b.first) < 0; });
    languages.clear();
    for (const auto &[name, language] : std::as_const(named))
        languages << language;
    return languages;
}

} // namespace ListLanguage
