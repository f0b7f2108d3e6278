#pragma once

#include <QList>
#include <QMap>
#include <QSqlRecord>
#include <QString>

#include <optional>

class Store;
struct Field;

// The one row of OPTIONS, in the stored forms: flags as "TRUE"/"FALSE", the
// choices as their texts, the message time in half-second ticks.
struct OptionsRow
{
    OptionsRow();

    QString skipTestSetup = QStringLiteral("FALSE");
    // The test settings' columns, by name (see testSettings).
    QMap<QString, QString> test;
    qint32 messageTime = 6;
    QString testDay = QStringLiteral("Fridays");
    QString promptToDeleteLists = QStringLiteral("TRUE");

    bool operator==(const OptionsRow &) const = default;
};

// Message time values with a meaning of their own.
namespace MessageTime {
constexpr qint32 None = 0;
constexpr qint32 Default = 6;
constexpr qint32 Indefinite = 9999;
// From this value on a message waits until it is dismissed.
constexpr qint32 FirstIndefinite = 201;
} // namespace MessageTime

// The first row " SELECT * FROM OPTIONS " returns, read by column name;
// nothing when the table is empty.
std::optional<QSqlRecord> ReadOptionsRecord(Store &store);

// Writes all its columns into the first row, adding the row when there
// is none.
void WriteOptions(Store &store, const OptionsRow &row);

// Changes the given columns of the first row; false (and nothing written)
// when there is no row.
bool WriteFirstOptionsRow(Store &store, const QList<Field> &fields);

// The general settings the program reads once at start-up.
struct GeneralSettings
{
    qint32 messageTime = MessageTime::Default;
    bool skipTestSetup = false;
    bool promptToDeleteLists = true;
};

// The four general settings as stored; each nothing when its column is
// missing or cannot be read (the options window then leaves its control).
struct StoredGeneralSettings
{
    std::optional<bool> skipTestSetup;
    std::optional<qint32> messageTime;
    std::optional<QString> testDay;
    std::optional<bool> promptToDeleteLists;
};
StoredGeneralSettings ReadStoredGeneralSettings(const QSqlRecord &row);

// The weekday setting of new lists ("Fridays", ...); empty when unset.
QString StoredTestDay(Store &store);

// Reads the general settings, writing the default row first on a database
// that has none.
GeneralSettings LoadGeneralSettings(Store &store);
