#pragma once

#include <QSqlDatabase>
#include <QString>

// The six tables with their columns, the indexes on the identifier columns,
// and the checks a file must pass before the program writes to it.
namespace Schema {

// What is wrong with an existing database file, seen from outside the
// engine (unreadable, empty, not SQLite, shorter than it claims to be,
// read-only); empty when nothing is.
QString fileProblem(const QString &path);

// Checks an open database and adds whatever tables and indexes are missing.
// `checkWhole` first reads the whole file with the engine's own check.
// Returns a message when the file must not be used; nothing is written then.
QString prepare(QSqlDatabase db, bool existed, bool checkWhole);

// The statement that makes the family settings' table. A new database gets
// it with every improvement on; an old one only when the parent saves one.
QString familyOptionsTable();

} // namespace Schema
