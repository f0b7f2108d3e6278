#include "core/exchange/Kvtml.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QHash>
#include <QSet>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace Kvtml {

QByteArray write(const QString &title, const QList<WordEntry> &words, const QString &language)
{
    QByteArray out;
    QXmlStreamWriter x(&out);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeDTD(QStringLiteral("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    x.writeStartElement(QStringLiteral("kvtml"));
    x.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));

    x.writeStartElement(QStringLiteral("information"));
    x.writeTextElement(QStringLiteral("generator"), QStringLiteral("Lettermarch"));
    x.writeTextElement(QStringLiteral("title"), title);
    x.writeTextElement(QStringLiteral("date"), QDate::currentDate().toString(Qt::ISODate));
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("identifiers"));
    for (const auto &[id, name] :
        {std::pair {0, QStringLiteral("Word")}, std::pair {1, QStringLiteral("Definition")}}) {
        x.writeStartElement(QStringLiteral("identifier"));
        x.writeAttribute(QStringLiteral("id"), QString::number(id));
        x.writeTextElement(QStringLiteral("name"), name);
        x.writeTextElement(QStringLiteral("locale"), language);
        x.writeEndElement();
    }
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("entries"));
    for (qsizetype i = 0; i < words.size(); ++i) {
        const WordEntry &w = words.at(i);
        x.writeStartElement(QStringLiteral("entry"));
        x.writeAttribute(QStringLiteral("id"), QString::number(i));
        x.writeStartElement(QStringLiteral("translation"));
        x.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
        x.writeTextElement(QStringLiteral("text"), w.word);
        if (!w.sentence.isEmpty())
            x.writeTextElement(QStringLiteral("example"), w.sentence);
        if (!w.recording.isEmpty())
            x.writeTextElement(QStringLiteral("sound"), w.recording);
        x.writeEndElement();
        if (!w.definition.isEmpty()) {
            x.writeStartElement(QStringLiteral("translation"));
            x.writeAttribute(QStringLiteral("id"), QStringLiteral("1"));
            x.writeTextElement(QStringLiteral("text"), w.definition);
            x.writeEndElement();
        }
        x.writeEndElement();
    }
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("lessons"));
    auto lesson = [&](const QString &name, bool (*member)(const WordEntry &)) {
        x.writeStartElement(QStringLiteral("container"));
        x.writeTextElement(QStringLiteral("name"), name);
        x.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
        for (qsizetype i = 0; i < words.size(); ++i) {
            if (!member(words.at(i)))
                continue;
            x.writeEmptyElement(QStringLiteral("entry"));
            x.writeAttribute(QStringLiteral("id"), QString::number(i));
        }
        x.writeEndElement();
    };
    lesson(title, [](const WordEntry &) { return true; });
    if (std::any_of(words.begin(), words.end(), [](const WordEntry &w) { return w.caseSensitive; }))
        lesson(CaseLesson, [](const WordEntry &w) { return w.caseSensitive; });
    x.writeEndDocument(); // closes the lessons and the root
    return out;
}

namespace {
// The text of the element the reader stands on, nested markup flattened.
QString textOf(QXmlStreamReader &x)
{
    return x.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
}

QString soundPath(const QString &stored, const QString &folder)
{
    const QUrl url(stored);
    const QString path = url.isLocalFile() ? url.toLocalFile() : stored;
    return QDir::isAbsolutePath(path) ? path : QDir(folder).filePath(path);
}
} // namespace

ReadResult read(const QByteArray &data, const QString &folder, qsizetype maxWords)
{
    ReadResult result;
    QXmlStreamReader x(data);
    if (!x.readNextStartElement() || x.name() != QLatin1String("kvtml")) {
        result.problem = x.hasError()
            ? QCoreApplication::translate(
                "Kvtml", "This is not a vocabulary file: it is not readable XML (%1, line %2).")
                  .arg(x.errorString())
                  .arg(x.lineNumber())
            : QCoreApplication::translate("Kvtml", "This is not a vocabulary file (KVTML): it has no kvtml element.");
        return result;
    }
    const QString version = x.attributes().value(QStringLiteral("version")).toString();
    if (!version.startsWith(u'2')) {
        result.problem = QCoreApplication::translate("Kvtml",
            "This vocabulary file is in version %1 of the format; Lettermarch reads "
            "version 2, which KDE's vocabulary programs have written since 2008.")
                             .arg(version.isEmpty() ? QStringLiteral("1") : version);
        return result;
    }
    QList<QString> order; // entry ids as they come
    QHash<QString, WordEntry> entries;
    QSet<QString> caseSensitive;
    QStringList containers; // the names of the lessons we are inside
    QString entryId;
    QString translationId;
    QString identifierId; // the language identifier we are inside
    bool definitionFromTranslation = false;
    while (!x.atEnd()) {
        const auto token = x.readNext();
        if (token == QXmlStreamReader::EndElement) {
            if (x.name() == QLatin1String("container") && !containers.isEmpty())
                containers.removeLast();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const auto name = x.name();
        if (name == QLatin1String("title") && entryId.isNull() && containers.isEmpty() && result.title.isEmpty()) {
            result.title = textOf(x).simplified();
        } else if (name == QLatin1String("identifier") && entryId.isNull()) {
            identifierId = x.attributes().value(QStringLiteral("id")).toString();
        } else if (name == QLatin1String("locale") && identifierId == QLatin1String("0") && entryId.isNull()) {
            result.language = textOf(x);
        } else if (name == QLatin1String("container")) {
            containers << QString();
        } else if (name == QLatin1String("name") && !containers.isEmpty()) {
            containers.last() = textOf(x);
        } else if (name == QLatin1String("entry") && !containers.isEmpty()) {
            if (containers.last() == CaseLesson)
                caseSensitive.insert(x.attributes().value(QStringLiteral("id")).toString());
        } else if (name == QLatin1String("entry")) {
            entryId = x.attributes().value(QStringLiteral("id")).toString();
            // Enough to know the file is too long: the rest is not read.
            if (order.size() > maxWords)
                break;
            order << entryId;
            entries.insert(entryId, {});
            definitionFromTranslation = false;
        } else if (name == QLatin1String("translation") && !entryId.isNull()) {
            translationId = x.attributes().value(QStringLiteral("id")).toString();
        } else if (name == QLatin1String("text") && !entryId.isNull()) {
            WordEntry &e = entries[entryId];
            if (translationId == QLatin1String("0")) {
                e.word = textOf(x);
            } else if (translationId == QLatin1String("1")) {
                e.definition = textOf(x);
                definitionFromTranslation = true;
            }
        } else if (name == QLatin1String("comment") && translationId == QLatin1String("0") && !entryId.isNull()) {
            // A second translation, wherever it stands, is the better definition.
            const QString comment = textOf(x);
            if (!definitionFromTranslation)
                entries[entryId].definition = comment;
        } else if (name == QLatin1String("example") && translationId == QLatin1String("0") && !entryId.isNull()) {
            entries[entryId].sentence = textOf(x);
        } else if (name == QLatin1String("sound") && translationId == QLatin1String("0") && !entryId.isNull()) {
            const QString sound = textOf(x);
            if (!sound.isEmpty()) {
                WordEntry &e = entries[entryId];
                e.recording = soundPath(sound, folder);
                e.recordingRefused = ImportedSoundProblem(e.recording, folder);
                if (!e.recordingRefused.isEmpty())
                    e.recording.clear();
            }
        } else if (name == QLatin1String("lessons")) {
            entryId = QString(); // out of the last entry: the lessons only point at entries
        }
    }
    if (x.hasError()) {
        result.problem = QCoreApplication::translate("Kvtml", "This vocabulary file is damaged: %1 (line %2).")
                             .arg(x.errorString())
                             .arg(x.lineNumber());
        return result;
    }
    for (const QString &id : std::as_const(order)) {
        WordEntry e = entries.value(id);
        e.caseSensitive = caseSensitive.contains(id);
        result.words << e;
    }
    return result;
}

} // namespace Kvtml
