#pragma once

#include <QSqlError>
#include <QString>

// What the engine said about a failure, in one line.
QString describeSqlError(const QSqlError &error);
// SQLITE_BUSY or SQLITE_LOCKED: another connection holds the file.
bool isBusySqlError(const QSqlError &error);
