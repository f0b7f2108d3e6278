#include "core/lists/WordStore.h"

#include "core/audio/RecordingFiles.h"
#include "core/data/ListNames.h"
#include "core/data/ListStore.h"
#include "core/data/Store.h"

#include <QFile>
#include <QSqlQuery>

QString GetWordText(Store &store, qint32 wordId)
{
    QSqlQuery q = store.select(
        QStringLiteral(" SELECT * FROM WORDS ") + QStringLiteral(" WHERE WORD_ID = ") + idFragment(wordId));
    return q.next() ? q.value(QStringLiteral("WORD")).toString() : QString();
}

std::optional<WordRow> ReadWord(Store &store, qint32 wordId)
{
    QSqlQuery q = store.select(
        QStringLiteral(" SELECT * FROM WORDS ") + QStringLiteral(" WHERE WORD_ID = ") + idFragment(wordId));
    if (!q.next())
        return std::nullopt;
    WordRow row;
    row.wordId = q.value(QStringLiteral("WORD_ID")).toInt();
    row.listId = q.value(QStringLiteral("LIST_ID")).toInt();
    row.word = q.value(QStringLiteral("WORD")).toString();
    row.definition = q.value(QStringLiteral("DEFINITION")).toString();
    row.sentence = q.value(QStringLiteral("SENTENCE")).toString();
    row.caseSensitive = q.value(QStringLiteral("CASE_SENSITIVE")).toString();
    return row;
}

void WriteWord(Store &store, const WordRow &row)
{
    const QList<Field> fields = {{QStringLiteral("LIST_ID"), row.listId}, {QStringLiteral("WORD"), row.word},
        {QStringLiteral("DEFINITION"), row.definition}, {QStringLiteral("SENTENCE"), row.sentence},
        {QStringLiteral("CASE_SENSITIVE"), row.caseSensitive}};
    Store::Transaction transaction(store);
    const QString where = QStringLiteral(" WHERE WORD_ID = ") + idFragment(row.wordId);
    bool exists = false;
    {
        QSqlQuery q = store.select(QStringLiteral(" SELECT * FROM WORDS ") + where);
        exists = q.next();
    }
    if (exists)
        store.updateRows(QStringLiteral("WORDS"), where, fields);
    else
        store.addRow(QStringLiteral("WORDS"), QList<Field> {{QStringLiteral("WORD_ID"), row.wordId}} + fields);
    transaction.commit();
}

qint32 AddWord(Store &store, WordRow row)
{
    Store::Transaction transaction(store);
    row.wordId = NextID(store, IdCodes::Word);
    WriteWord(store, row);
    transaction.commit();
    return row.wordId;
}

QList<std::pair<qint32, QString>> ListWords(Store &store, qint32 listId)
{
    QList<std::pair<qint32, QString>> out;
    QSqlQuery q = store.select(QStringLiteral(" SELECT * FROM WORDS ") + QStringLiteral(" WHERE LIST_ID = ")
        + idFragment(listId) + QStringLiteral(" ORDER BY WORD_ID "));
    while (q.next())
        out.append({q.value(QStringLiteral("WORD_ID")).toInt(), q.value(QStringLiteral("WORD")).toString()});
    return out;
}

qint32 CountCorrectFirstAttempts(Store &store, qint32 wordId)
{
    // Counted by the engine: the same rows the walk of the query would count.
    return store.count(QStringLiteral("SELECT COUNT(*) FROM WORD_ATTEMPTS WHERE WORD_ID = ? "
                                      " AND ATTEMPT_NUMBER = 1  AND RESULT = 'CORRECT' "),
        {wordId});
}

qint32 CountIncorrectGuesses(Store &store, qint32 wordId)
{
    return store.count(
        QStringLiteral("SELECT COUNT(*) FROM WORD_ATTEMPTS WHERE WORD_ID = ?  AND RESULT = 'INCORRECT' "), {wordId});
}

void DeleteWord(Store &store, qint32 wordId, const QString &wavDir)
{
    const QString word = GetWordText(store, wordId).toUpper();
    const QString id = idFragment(wordId);
    {
        Store::Transaction transaction(store);
        store.execute(QStringLiteral(" DELETE FROM WORDS ") + QStringLiteral(" WHERE WORD_ID = ") + id);
        store.execute(QStringLiteral(" DELETE FROM WORD_ATTEMPTS ") + QStringLiteral(" WHERE WORD_ID = ") + id);
        transaction.commit();
    }
    KillFile(RecordingPath(wavDir, word));
}

qint32 AddList(Store &store, const QDate &weekStart, const QDate &weekEnd, const QDate &testDate,
    const QDateTime &created, const QString &name)
{
    Store::Transaction transaction(store);
    const qint32 id = NextID(store, IdCodes::List);
    store.addRow(QStringLiteral("LISTS"),
        {{QStringLiteral("LIST_ID"), id}, {QStringLiteral("WEEK_START"), StoreDates::storedDate(weekStart)},
            {QStringLiteral("WEEK_END"), StoreDates::storedDate(weekEnd)},
            {QStringLiteral("TEST_DATE"), StoreDates::storedDate(testDate)},
            {QStringLiteral("CREATED_DATE"), StoreDates::storedDateTime(created)},
            {QStringLiteral("STATUS"), QStringLiteral("CREATED")}});
    ListNames::set(store, id, name);
    transaction.commit();
    return id;
}

bool MoveRecording(const QString &wavDir, const QString &oldWord, const QString &newWord)
{
    const QString from = RecordingPath(wavDir, oldWord);
    const QString to = RecordingPath(wavDir, newWord);
    if (from == to || !QFile::exists(from) || !PutRecording(from, to))
        return false;
    KillFile(from);
    return true;
}
