#pragma once

#include "ui/kernel/Form.h"

#include <QMainWindow>

class Program;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;

// The words with the most wrong answers, over all lists or one, with how
// each has gone in the tests so far.
class frmTroubleWords : public Form<QMainWindow>
{
    Q_OBJECT

public:
    explicit frmTroubleWords(Program &program);

    // 0 shows every list.
    void setListID(qint32 listId);
    qint32 ListID() const;

    enum Column { ColWord, ColList, ColWrong, ColTests, ColFirstTry, ColMovedOn, ColMisspelling, ColumnCount };

    QLabel *lblList;
    QComboBox *cboList;
    QTableWidget *grdWords;
    QLabel *lblNote;
    QPushButton *cmdOpenList;
    QPushButton *cmdPractise;
    QPushButton *cmdClose;
    QMenu *mnuFile;
    QAction *mnuOpenList;
    QAction *mnuPractise;
    QAction *mnuExit;

signals:
    // Open this list in the list editor.
    void openListRequested(qint32 listId);
    // Practise these words of this list.
    void practiseRequested(qint32 listId, const QList<qint32> &words);

private:
    void fill();
    void openList();
    void practise();
    // The list and word of a table row.
    qint32 listOfRow(int row) const;
    qint32 wordOfRow(int row) const;
    void updateButtons();
    Program &m_program;
};
