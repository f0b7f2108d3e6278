#pragma once

#include "core/data/Clock.h"
#include "core/data/ListStore.h"
#include "core/data/Options.h"
#include "core/data/Store.h"

// The tests include Qt by module, not class by class.
#include <QtCore>
#include <QtSql>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

// A fresh program folder with its own database; every test gets its own.
class ProgramFolder
{
public:
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QString dbPath() const;
    std::unique_ptr<Store> openStore() const; // opens the folder's database (creating it) outside the program

private:
    QTemporaryDir m_dir;
};

// Adds a list with the given test date and words; returns its identifier.
qint32 addList(Store &store, const QDate &testDate, const QStringList &words = {}, int tests = 0);

// Settings that keep a test free of timed messages and old-list prompts;
// with `skipSetup` the test starts without its setup window and asks the words in the order they were made.
OptionsRow quietOptions(bool skipSetup = true);

QByteArray fileBytes(const QString &path); // bytes of a file, for checking that it was left untouched
// Writes a whole file (and its folder); the running test fails when it cannot.
void writeFile(const QString &path, const QByteArray &bytes);

QStringList rows(Store &store, const QString &query); // each row of the query, its columns joined with blanks
// The first value of the query's first row as a number; -1 without a row.
int number(Store &store, const QString &query);
// Runs `check` in a child process as an ordinary user (when this runs as
// root, file permissions would not apply) and returns what it wrote.
QString asOrdinaryUser(const std::function<QString()> &check);
