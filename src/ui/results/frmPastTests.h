#pragma once

#include "core/results/Scoring.h"
#include "ui/kernel/FlexGrid.h"
#include "ui/kernel/Form.h"
#include "ui/kernel/Modules.h"

#include <QMainWindow>

class Program;
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
    explicit frmPastTests(Program &program);

    void Form_Unload() override;
    qint32 ListID() const { return m_ListID; }
    void setListID(qint32 vNewValue);
    void SetFocusHere();

signals:
    // The window has been unloaded: its results window goes, and the main
    // window comes back.
    void closed();
    // The trouble words of this window's list.
    void troubleWordsRequested(qint32 listId);
    // A test was chosen: its results are to be shown beside this window.
    void testChosen(qint32 testId);

public:
    QLabel *Label1;
    FlexGrid *MSFlexGrid1;
    QLabel *Label2;
    QLineEdit *txtTotalTests;
    QLabel *Label3;
    QLineEdit *txtAverageScore;
    // Each test as a point: its score, and how many words were right at the
    // first try; choosing a point selects its test in the grid.
    QWidget *chartScores;
    QPushButton *cmdTroubleWords;
    QPushButton *cmdExit;
    QMenu *mnuFile;
    QAction *mnuTroubleWords;
    QAction *mnuExit;

private:
    void SelectionChanged();
    void fillChart(const QList<Scoring::PastTest> &tests);
    void pointChosen(int test);
    void showPointTip(int test, bool hovering);
    QString m_listName;
    std::unique_ptr<ScoreChart> m_chart;
    QList<qint32> m_firstTries;
    qint32 m_ListID = 0;
    Program &m_program;
};
