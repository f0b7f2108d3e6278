#pragma once

#include "core/practice/TestSession.h"
#include "ui/kernel/Form.h"

#include <QWidget>

#include <memory>

class Program;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The practice test: shows each word's clues, takes the typed answer and
// hands it to the test session, which decides everything else.
class frmTest : public Form<QWidget>, private TestView
{
    Q_OBJECT

public:
    explicit frmTest(Program &program);
    ~frmTest() override;

    // The whole list, or only the chosen words of it.
    void Start(qint32 m_ListID, const QList<qint32> &onlyWords, const TestOptionsRecord &options);
    void NextWord();
    void EndTest();
    void CheckAnswer();

    const TestSession &session() const { return *m_session; }
    // The program ends without the test (a log-out, Ctrl+C): the answers
    // kept in memory are saved as far as the file allows, the window then
    // goes without its question. Returns what could not be saved, or empty.
    QString SaveBeforeTheEnd();

signals:
    // The test is stored and counts for its list.
    void listTested(qint32 listId);
    // The window has closed after the test ended; its results are due.
    void finished(qint32 testId);
    // The test was given up (or could not begin): back to the main window.
    void abandoned();

public:
    QFrame *frameMain;
    QGroupBox *frameDefinition;
    QPlainTextEdit *txtDefinition;
    QGroupBox *frameContext;
    QPlainTextEdit *txtContext;
    QPushButton *cmdReadDefinition;
    QPushButton *cmdReadSentence;
    QGroupBox *frameBottom;
    QPushButton *cmdPronounce;
    QLabel *lblWord;
    QLabel *lblProgress;
    QLineEdit *txtWord;
    QPushButton *cmdNext;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ArrangeFrames();
    void centreFrameMain();
    void submit();

    // TestView
    void presentWord(const QString &definition, const QString &sentence, bool canPronounce) override;
    void showProgress(qint32 number, qint32 total) override;
    void setAnswer(const QString &text) override;
    void focusAnswer() override;
    void showMessage(const QString &top, const QString &bottom) override;
    void revealAnswer(const QString &word, bool caseSensitive) override;
    void testEnded() override;
    void notice(const QString &text) override;
    void wordsLeftOut(qint32 listId, qint32 count) override;

    class Busy;
    std::unique_ptr<TestSession> m_session;
    bool m_closingByProgram = false;
    int m_busy = 0;
    bool m_deleteWhenDone = false;
    // Keys typed while a message showed, for the box that is next typed in.
    QString m_typedAhead;
    Program &m_program;
};
