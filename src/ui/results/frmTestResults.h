#pragma once
class frmTestWordDetails;

#include "core/results/Scoring.h"
#include "ui/kernel/FlexGrid.h"
#include "ui/kernel/Form.h"

#include <QMainWindow>
#include <QPointer>

class Program;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// One finished test: its figures, and every word of its list coloured by
// how it went. Selecting a word shows its attempts beside the window.
class frmTestResults : public Form<QMainWindow>
{
    Q_OBJECT

public:
    explicit frmTestResults(Program &program);

    void Form_Unload() override;

signals:
    // Closed after a test, and "Test Again?" answered Yes.
    void testAgainRequested();
    // Closed after a test, answered No: back to the main window.
    void doneWithTest();
    // Closed beside the past tests window: back to it.
    void backToPastTests();
    // A practice of these words of the test's list; `afterTest` when this
    // window follows the test (its settings are then used again).
    void practiseRequested(qint32 listId, const QList<qint32> &words, bool afterTest);

public:
    qint32 TestID() const { return m_testId; }
    void setTestID(qint32 m_TestID);
    // Which window opened this one: it decides what closing it does.
    enum class Opener { None, Test, PastTests };
    void setParentForm(Opener m_Form);
    QString SelectedWord() const;
    void SetFocusToWord(const QString &word);

    QGroupBox *frameSummary;
    QLabel *Label5;
    QLineEdit *txtDate;
    QLabel *Label7;
    QLineEdit *txtStartTime;
    QLabel *Label1;
    QLineEdit *txtTotalTime;
    QLabel *Label4;
    QLineEdit *txtTotalWords;
    QLabel *Label2;
    QLineEdit *txtCorrectOnFirstTry;
    QLabel *Label6;
    QLineEdit *txtMovedOn;
    QLabel *Label3;
    QLineEdit *txtScore;
    FlexGrid *MSFlexGrid1;
    QLabel *Label8;
    QPushButton *cmdPractise;
    QPushButton *cmdExit;
    QMenu *mnuFile;
    QAction *mnuPractise;
    QAction *mnuPrint;
    QAction *mnuSavePdf;
    QAction *mnuExit;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void SelectionChanged();
    void PractiseMissedWords();

    qint32 m_testId = 0;
    qint32 m_listId = 0;
    QString m_listName; // the list's own name, for the titles
    qint32 m_moveOnAfter = 0;
    Opener m_opener = Opener::None;
    qint32 m_wordsOnTest = 0;
    QList<Scoring::WordResult> m_words;
    bool m_gridFilled = false;
    Program &m_program;
    QPointer<frmTestWordDetails> m_details;
};
