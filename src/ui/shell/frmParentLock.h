#pragma once

#include "ui/kernel/Form.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks the parent's PIN before a parent's window opens.
class frmAskPin : public Form<QDialog>
{
    Q_OBJECT

public:
    frmAskPin();
    QString pin() const;

    QLabel *lblAsk;
    QLineEdit *txtPin;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
};

// Sets, changes or removes the parent's lock (from Options).
class frmSetPin : public Form<QDialog>
{
    Q_OBJECT

public:
    enum class Outcome { None, Set, Removed };
    explicit frmSetPin(bool locked);

    Outcome outcome() const { return m_outcome; }
    QString newPin() const;

    QLabel *lblIntro;
    QLabel *lblNew;
    QLineEdit *txtNew;
    QLabel *lblRepeat;
    QLineEdit *txtRepeat;
    QPushButton *cmdSet;
    QPushButton *cmdRemove;
    QPushButton *cmdCancel;

private:
    void Set();

    Outcome m_outcome = Outcome::None;
};
