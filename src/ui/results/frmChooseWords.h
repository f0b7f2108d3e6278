#pragma once

#include "ui/kernel/Form.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// Picks the words of one list for a practice of just those words; the
// missed ones come ticked.
class frmChooseWords : public Form<QDialog>
{
    Q_OBJECT

public:
    frmChooseWords();

    struct Word
    {
        qint32 wordId = 0;
        QString word;
        QString note; // how it went, shown beside the word
        bool ticked = false;
    };
    void setWords(const QString &hint, const QList<Word> &words);
    // The ticked words, in the order shown.
    QList<qint32> chosen() const;
    // Shows the window modally over `owner`: the words ticked when Practise
    // was clicked, none when it was cancelled (the window is gone by then).
    static QList<qint32> ask(QWidget *owner, const QString &hint, const QList<Word> &words);

    QLabel *lblHint;
    QListWidget *lstWords;
    QPushButton *cmdAll;
    QPushButton *cmdNone;
    QPushButton *cmdPractise;
    QPushButton *cmdCancel;

private:
    void tickAll(bool ticked);
    void updateButtons();
};
