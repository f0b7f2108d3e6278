#include "core/exchange/WordImport.h"

#include "core/audio/RecordingFiles.h"
#include "core/data/Flags.h"
#include "core/data/Store.h"
#include "core/exchange/Csv.h"
#include "core/exchange/Kvtml.h"
#include "core/lists/WordStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

namespace WordImport {

namespace {
// "1. ", "12) ", "• ", "- ", "* " at the start of a line, as lists copied
// from a document or a web page carry them.
QString withoutNumbering(const QString &line)
{
    static const QRegularExpression marker(
        QStringLiteral("^\\s*(?:\\d{1,3}[.)]|[\\x{2022}\\x{25CF}\\x{25E6}\\x{2023}\\x{2043}\\x{00B7}*-])\\s+"));
    QString rest = line;
    return rest.remove(marker);
}
} // namespace

QList<WordEntry> ParsePasted(const QString &text)
{
    QList<WordEntry> words;
    // The paste box has made lines of every kind of line end already.
    for (QString line : text.split(u'\n')) {
        if (line.trimmed().isEmpty())
            continue;
        line = withoutNumbering(line);
        // Word processors turn " - " into a dash of their own.
        line.replace(QStringLiteral(" \u2013 "), QStringLiteral(" - "))
            .replace(QStringLiteral(" \u2014 "), QStringLiteral(" - "));
        QString separator;
        for (const QString &s : {QStringLiteral("\t"), QStringLiteral(" - "), QStringLiteral(";")}) {
            if (line.contains(s)) {
                separator = s;
                break;
            }
        }
        QStringList fields = separator.isEmpty() ? QStringList {line} : line.split(separator);
        // A sentence may hold the separator itself: the rest of the line is
        // the sentence. Only tabs (a spreadsheet's columns) carry a fourth.
        const qsizetype most = separator == QLatin1String("\t") ? 4 : 3;
        while (fields.size() > most) {
            const QString last = fields.takeLast();
            fields.last() += separator + last;
        }
        WordEntry e;
        e.word = fields.value(0);
        e.definition = fields.value(1);
        e.sentence = fields.value(2);
        e.caseSensitive = MarksCaseSensitive(fields.value(3));
        words << e;
    }
    return words;
}

namespace {
// A character a child could not type: controls, unassigned code points and
// lone halves of surrogate pairs (whole pairs, such as emoji, are fine).
bool typeable(const QString &word)
{
    for (const char32_t c : word.toUcs4()) {
        if (c == 0xFFFD || !QChar::isPrint(c))
            return false;
    }
    return true;
}

QString key(const QString &word)
{
    // The database compares words without regard to case, and so do the
    // recordings' file names.
    return word.toCaseFolded();
}
} // namespace

QList<PreviewRow> Preview(
    Store &store, qint32 listId, const QList<WordEntry> &words, const QString &wavDir, bool voiceOn)
{
    QSet<QString> taken;
    if (listId > 0) {
        for (const auto &[id, word] : ListWords(store, listId))
            taken.insert(key(word));
    }
    QSet<QString> earlier;
    QList<PreviewRow> rows;
    for (const WordEntry &w : words) {
        PreviewRow row;
        row.entry = w;
        row.entry.word = w.word.trimmed();
        row.entry.definition = w.definition.trimmed();
        row.entry.sentence = w.sentence.trimmed();
        const QString &word = row.entry.word;
        const bool recorded
            = (!w.recording.isEmpty() && QFileInfo(w.recording).isFile()) || HasRecording(RecordingPath(wavDir, word));
        if (word.isEmpty())
            row.skipReason = QCoreApplication::translate("WordImport", "no word");
        else if (!typeable(word))
            row.skipReason = QCoreApplication::translate("WordImport", "has characters that cannot be typed");
        else if (word.size() > MaxFieldLength || row.entry.definition.size() > MaxFieldLength
            || row.entry.sentence.size() > MaxFieldLength)
            row.skipReason = QCoreApplication::translate("WordImport", "is longer than the word editor takes");
        else if (taken.contains(key(word)))
            row.skipReason = QCoreApplication::translate("WordImport", "already in the list");
        else if (earlier.contains(key(word)))
            row.skipReason = QCoreApplication::translate("WordImport", "appears twice");
        else if (row.entry.definition.isEmpty() && row.entry.sentence.isEmpty() && !recorded && !voiceOn)
            row.skipReason = NeedsClue;
        if (!w.recordingRefused.isEmpty())
            row.note = QCoreApplication::translate("WordImport", "recording left out: %1").arg(w.recordingRefused);
        if (!word.isEmpty())
            earlier.insert(key(word));
        rows << row;
    }
    return rows;
}

QList<qint32> AddWords(Store &store, qint32 listId, const QList<PreviewRow> &rows)
{
    QList<qint32> ids;
    Store::Transaction transaction(store);
    for (const PreviewRow &r : rows) {
        if (!r.skipReason.isEmpty())
            continue;
        WordRow row;
        row.listId = listId;
        row.word = r.entry.word;
        row.definition = r.entry.definition;
        row.sentence = r.entry.sentence;
        row.caseSensitive = BoolToText(r.entry.caseSensitive);
        ids << AddWord(store, row);
    }
    transaction.commit();
    return ids;
}

QList<qint32> AddNewList(Store &store, const QDate &weekStart, const QDate &weekEnd, const QDate &testDate,
    const QDateTime &created, const QList<PreviewRow> &rows, const QString &name)
{
    Store::Transaction transaction(store);
    const qint32 listId = AddList(store, weekStart, weekEnd, testDate, created, name);
    const QList<qint32> words = AddWords(store, listId, rows);
    transaction.commit();
    return QList<qint32> {listId} + words;
}

QString DecodeText(const QByteArray &data, QString *problem)
{
    if (data.contains('\0') && !data.startsWith("\xFF\xFE") && !data.startsWith("\xFE\xFF")) {
        *problem = QCoreApplication::translate("WordImport", "This is not a text file.");
        return {};
    }
    const auto encoding = QStringConverter::encodingForData(data).value_or(QStringConverter::Utf8);
    QStringDecoder decode(encoding, QStringDecoder::Flag::Stateless);
    const QString text = decode(data); // the decoder drops a byte order mark
    if (decode.hasError()) {
        *problem = QCoreApplication::translate("WordImport",
            "The file is not in the UTF-8 encoding. Save it as \"CSV UTF-8\" (or as Unicode "
            "text) in the program that made it, then import it again.");
        return {};
    }
    return text;
}

ReadResult ReadFile(const QString &path)
{
    ReadResult result;
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile()) {
        result.problem = QCoreApplication::translate("WordImport", "There is no file %1.").arg(info.fileName());
        return result;
    }
    if (info.size() > MaxFileBytes) {
        result.problem
            = QCoreApplication::translate("WordImport", "The file %1 is too large to be a word list (%2 MB).")
                  .arg(info.fileName())
                  .arg(double(info.size()) / 1048576.0, 0, 'f', 1);
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.problem = QCoreApplication::translate("WordImport", "The file %1 could not be read: %2")
                             .arg(info.fileName(), file.errorString());
        return result;
    }
    const QByteArray data = file.readAll();
    const QString suffix = info.suffix().toLower();
    const bool xml = suffix == QLatin1String("kvtml")
        || (suffix != QLatin1String("csv") && data.left(200).trimmed().startsWith("<?xml"));
    if (xml) {
        result = Kvtml::read(data, info.absolutePath(), MaxWords);
    } else {
        const QString text = DecodeText(data, &result.problem);
        if (result.problem.isEmpty())
            result = Csv::read(text, MaxWords);
    }
    if (result.problem.isEmpty() && result.words.isEmpty())
        result.problem = QCoreApplication::translate("WordImport", "The file %1 holds no words.").arg(info.fileName());
    if (result.problem.isEmpty() && result.words.size() > MaxWords) {
        result.problem = QCoreApplication::translate("WordImport",
            "The file %1 holds more than %2 words; a word list in Lettermarch holds at "
            "most %2.")
                             .arg(info.fileName())
                             .arg(MaxWords);
    }
    if (!result.problem.isEmpty())
        result.words.clear();
    return result;
}

} // namespace WordImport
