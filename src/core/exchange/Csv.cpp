#include "core/exchange/Csv.h"
#include <QCoreApplication>

namespace Csv {

QList<QStringList> parse(const QString &text, QString *problem, qsizetype maxRecords)
{
    QList<QStringList> records;
    QStringList record;
    QString value;
    bool quoted = false;
    bool any = false; // something on this record yet
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text.at(i + 1) == u'"') {
                    value += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                value += c;
            }
            continue;
        }
        if (c == u'"') {
            quoted = true;
            any = true;
        } else if (c == u',') {
            record << value;
            value.clear();
            any = true;
        } else if (c == u'\r' || c == u'\n') {
            // The LF of a CRLF ends an empty record, which is not kept.
            if (any || !value.isEmpty()) {
                record << value;
                records << record;
                // Enough to know the file is too long: the rest is not read.
                if (records.size() > maxRecords)
                    return records;
            }
            record.clear();
            value.clear();
            any = false;
        } else {
            value += c;
        }
    }
    if (quoted && problem)
        *problem = QCoreApplication::translate("Csv", "A quoted field is never closed: a double quote is missing.");
    if (any || !value.isEmpty()) {
        record << value;
        records << record;
    }
    return records;
}

QString field(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    QString escaped = value;
    escaped.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

namespace {
// A cell a spreadsheet would run as a formula (=, +, -, @, or a tab or
// carriage return first), or one that would look like such a cell marked.
bool needsMark(QStringView value)
{
    if (value.isEmpty())
        return false;
    const QChar c = value.front();
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r'
        || (c == u'\'' && needsMark(value.mid(1)));
}
} // namespace

QString textCell(const QString &value)
{
    return needsMark(value) ? u'\'' + value : value;
}

QString readCell(const QString &cell)
{
    return cell.startsWith(u'\'') && needsMark(QStringView(cell).mid(1)) ? cell.mid(1) : cell;
}

QString write(const QList<WordEntry> &words)
{
    QString out = QStringLiteral("word,definition,sentence,case_sensitive\r\n");
    for (const WordEntry &w : words) {
        out += field(textCell(w.word)) + u',' + field(textCell(w.definition)) + u',' + field(textCell(w.sentence))
            + u',' + (w.caseSensitive ? QStringLiteral("true") : QStringLiteral("false")) + QStringLiteral("\r\n");
    }
    return out;
}

ReadResult read(const QString &text, qsizetype maxWords)
{
    ReadResult result;
    // The header and one word more than the most that may be read.
    QList<QStringList> records = parse(text, &result.problem, maxWords + 1);
    if (!result.problem.isEmpty())
        return result;
    // Which column holds what: from the header, or in the usual order.
    qsizetype word = 0, definition = 1, sentence = 2, caseSensitive = 3;
    if (!records.isEmpty()) {
        QStringList header;
        for (const QString &h : records.first())
            header << h.trimmed().toLower();
        if (header.contains(QLatin1String("word"))) {
            word = header.indexOf(QLatin1String("word"));
            definition = header.indexOf(QLatin1String("definition"));
            sentence = header.indexOf(QLatin1String("sentence"));
            caseSensitive = header.indexOf(QLatin1String("case_sensitive"));
            records.removeFirst();
        } else {
            for (const QStringList &r : std::as_const(records)) {
                if (r.size() > 4) {
                    result.problem = QCoreApplication::translate("Csv",
                        "Some rows have %1 fields. A word list has at most four: word, definition, sentence and "
                        "case_sensitive (or a header row naming its columns).")
                                         .arg(r.size());
                    return result;
                }
            }
        }
    }
    auto at = [](const QStringList &r, qsizetype i) { return i >= 0 && i < r.size() ? r.at(i) : QString(); };
    for (const QStringList &r : std::as_const(records)) {
        WordEntry e;
        e.word = readCell(at(r, word));
        e.definition = readCell(at(r, definition));
        e.sentence = readCell(at(r, sentence));
        e.caseSensitive = MarksCaseSensitive(at(r, caseSensitive));
        result.words << e;
    }
    return result;
}

} // namespace Csv
