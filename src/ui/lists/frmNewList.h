#pragma once

#include "ui/kernel/Form.h"

#include <QDate>
#include <QDialog>

class Program;
class QLabel;
class QLineEdit;
class QPushButton;

// Creates a word list for one school week: proposes the week and the test
// date, and stores the list on Create.
class frmNewList : public Form<QDialog>
{
    Q_OBJECT

public:
    explicit frmNewList(Program &program);

    void Form_Load() override;
    void SetStartMonday();
    void SetDefaultDates();
    QString GetTestDate(const QString &weekdaySetting) const;
    void CreateList();

    QLabel *Label1;
    QLineEdit *txtStart;
    QLabel *Label2;
    QLineEdit *txtEnd;
    QLabel *Label3;
    QLineEdit *txtTestDate;
    QLabel *lblName;
    QLineEdit *txtName;
    QLabel *lblToday;
    QPushButton *cmdCreate;
    QPushButton *cmdCancel;

signals:
    // The list was stored under this identifier.
    void listCreated(qint32 listId);

private:
    void Create();
    // With the family's strict dates: the first box that holds no date, after
    // saying so; null when every box holds one.
    QLineEdit *unreadableDate();
    Program &m_program;
};
