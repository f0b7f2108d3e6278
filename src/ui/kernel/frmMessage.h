#pragma once

#include "Forms.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTimer;

// The temporary message: closes itself after the message time, or at once on
// a click on its texts, Enter or Space.
class frmMessage : public Form<QDialog>
{
    Q_OBJECT

public:
    frmMessage();

    void Form_Load() override;
    void Reset();
    // One tick of Timer1 (every 500 ms while the message is timed).
    void Timer1_Timer();

    QLabel *lblTop;
    QLabel *lblBottom;
    QTimer *Timer1;
    QLineEdit *txtDummy;
    qint32 TickCount = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
