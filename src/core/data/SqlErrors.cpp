#include "core/data/SqlErrors.h"
#include <QCoreApplication>

QString describeSqlError(const QSqlError &error)
{
    QString text = error.driverText();
    const QString db = error.databaseText();
    if (!db.isEmpty() && db != text)
        text = text.isEmpty() ? db : text + QStringLiteral(": ") + db;
    return text.isEmpty() ? QCoreApplication::translate("SqlErrors", "unknown database error") : text;
}

bool isBusySqlError(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("5") || code == QLatin1String("6")
        || error.databaseText().contains(QLatin1String("database is locked"), Qt::CaseInsensitive);
}
