#pragma once

#include "ui/kernel/Form.h"

#include <QDialog>

class Program;
class QLabel;
class QLineEdit;
class QPushButton;

// Shows the correct spelling after the last failed attempt and, when the
// test demands it, waits until the word has been typed correctly once.
class frmRevealAnswer : public Form<QDialog>
{
    Q_OBJECT

public:
    explicit frmRevealAnswer(Program &program);

    void TakeInWordDetails(const QString &m_Word, bool m_blnCaseSensitive);
    // Whether the word must be typed once before the test goes on, and
    // whether a wrong retyping is cleared: the running test's settings.
    void setRetype(bool requireEcho, bool clearWrongAnswer);

    QLabel *Label1;
    QLabel *lblWord;
    QLabel *lblTypeIt;
    QLineEdit *txtEcho;
    QPushButton *cmdOK;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OK();
    bool m_caseSensitive = false;
    bool m_clearWrongAnswer = false;
    Program &m_program;
};
