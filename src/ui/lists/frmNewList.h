#pragma once

#include "ui/kernel/Forms.h"

#include <QDate>
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Creates a word list for one school week: proposes the week and the test
// date, and stores the list on Create.
class frmNewList : public Form<QDialog>
{
    Q_OBJECT

public:
    frmNewList();

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

private:
    void Create();
    // With the family's strict dates: the first box that holds no date, after
    // saying so; null when every box holds one.
    QLineEdit *unreadableDate();
};
