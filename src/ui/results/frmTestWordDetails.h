#pragma once

#include "ui/kernel/Forms.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

// What was typed for one word on one test, in order, and its result.
class frmTestWordDetails : public Form<QWidget>
{
    Q_OBJECT

public:
    frmTestWordDetails();

    void LoadWordDetails(qint32 m_TestID, const QString &m_Word, qint32 m_WordID, qint32 m_MoveOnAfter);

    QLabel *lblWord;
    QLabel *Label1;
    QListWidget *List1;
    QLabel *lblResult;
    QPushButton *Command1;
};
