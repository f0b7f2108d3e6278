#pragma once

#include "ui/kernel/Form.h"

#include <QWidget>

class Program;
class QLabel;
class QListWidget;
class QPushButton;

// What was typed for one word on one test, in order, and its result.
class frmTestWordDetails : public Form<QWidget>
{
    Q_OBJECT

public:
    explicit frmTestWordDetails(Program &program);

    void LoadWordDetails(qint32 m_TestID, const QString &m_Word, qint32 m_WordID, qint32 m_MoveOnAfter);

    QLabel *lblWord;
    QLabel *Label1;
    QListWidget *List1;
    QLabel *lblResult;
    QPushButton *Command1;

private:
    Program &m_program;
};
