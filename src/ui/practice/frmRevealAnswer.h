#pragma once

#include "ui/kernel/Forms.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Shows the correct spelling after the last failed attempt and, when the
// test demands it, waits until the word has been typed correctly once.
class frmRevealAnswer : public Form<QDialog>
{
    Q_OBJECT

public:
    frmRevealAnswer();

    void Form_Load() override;
    void TakeInWordDetails(const QString &m_Word, bool m_blnCaseSensitive);

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
};
