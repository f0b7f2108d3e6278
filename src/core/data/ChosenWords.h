#pragma once

#include <QList>

class Store;

// The words of a practice test that asked only some of its list's words
// (the missed words). They live in TEST_WORDS, a table made by the first
// such test, so a database that never had one is exactly as before; a test
// without rows there asked its whole list.
namespace ChosenWords {

bool tableExists(Store &store);
// Stores the words a test asked; called inside the transaction that writes
// the test's row.
void write(Store &store, qint32 testId, const QList<qint32> &wordIds);
// The words a test asked, by identifier; empty when it asked its whole list.
QList<qint32> of(Store &store, qint32 testId);
// Forgets the words of one test, or of every test of a list (before those
// tests' own rows go).
void removeTest(Store &store, qint32 testId);
void removeList(Store &store, qint32 listId);

} // namespace ChosenWords
