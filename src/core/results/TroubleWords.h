#pragma once

#include <QDate>
#include <QList>
#include <QString>

class Store;

// The words that trip the child up, from every stored attempt of finished
// tests (a test quit or cut short leaves no test row and is not counted;
// words deleted since cannot be shown and are left out).
struct TroubleWord
{
    qint32 wordId = 0;
    QString word;
    qint32 listId = 0;
    QDate testDate; // the list's school test date; invalid when unreadable
    qint32 incorrect = 0; // wrong answers over all tests
    qint32 testsTaken = 0; // finished tests that asked the word
    qint32 firstTry = 0; // of those, right at the first try
    qint32 movedOn = 0; // of those, never right within the answers allowed
    QString commonMisspelling; // the wrong answer typed most often (ties: the first typed)
};

// The `limit` words with the most wrong answers (at least one), most first,
// ties by word, across all lists (`listId` 0) or one list.
QList<TroubleWord> TroubleWords(Store &store, qint32 listId = 0, qint32 limit = 100);
