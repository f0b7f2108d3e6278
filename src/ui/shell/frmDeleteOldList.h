#pragma once

#include "ui/kernel/Form.h"

#include <QDialog>

class Program;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Offers one list whose school test date has passed for deletion.
class frmDeleteOldList : public Form<QDialog>
{
    Q_OBJECT

public:
    explicit frmDeleteOldList(Program &program);

    qint32 ListID() const { return m_ListID; }
    // Stores the list and fills the window; false when the list is gone.
    bool setListID(qint32 m_ListID);

    QLabel *Label4;
    QLabel *Label1;
    QLineEdit *txtCreated;
    QLabel *Label2;
    QLineEdit *txtTestDate;
    QLabel *Label3;
    QLineEdit *txtTotalWords;
    QListWidget *List1;
    QPushButton *cmdDelete;
    QPushButton *cmdIgnore;
    QPushButton *cmdCancel;

private:
    bool LoadListDetails();
    void Delete();
    void Ignore();

    qint32 m_ListID = 0;
    Program &m_program;
};
