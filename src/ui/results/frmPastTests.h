#pragma once

#include "kernel/FlexGrid.h"
#include "kernel/Forms.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// Every test of one list, oldest first, with its score; the selected test
// is shown in the results window beside this one.
class frmPastTests : public Form<QMainWindow>
{
    Q_OBJECT

public:
    frmPastTests();

    void Form_Unload() override;
    qint32 ListID() const { return m_ListID; }
    void setListID(qint32 vNewValue);
    void SetFocusHere();

signals:
    // The window has been unloaded: back to the main window.
    void closed();

public:
    QLabel *Label1;
    FlexGrid *MSFlexGrid1;
    QLabel *Label2;
    QLineEdit *txtTotalTests;
    QLabel *Label3;
    QLineEdit *txtAverageScore;
    QPushButton *cmdExit;
    QMenu *mnuFile;
    QAction *mnuExit;

private:
    void SelectionChanged();
    qint32 m_ListID = 0;
};
