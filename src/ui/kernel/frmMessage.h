#pragma once

#include "ui/kernel/Form.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTimer;

// The temporary message: closes itself after the message time, or at once on
// a click on its texts, Enter or Space. Whatever else is typed while it shows
// is kept, in order, for the box that takes the next typing.
class frmMessage : public Form<QDialog>
{
    Q_OBJECT

public:
    // Shown for `messageTime` half-seconds (or until closed, from the first
    // indefinite time on).
    explicit frmMessage(qint32 messageTime);

    void Form_Load() override;
    void Reset();
    // One tick of Timer1 (every 500 ms while the message is timed).
    void Timer1_Timer();

    QLabel *lblTop;
    QLabel *lblBottom;
    QTimer *Timer1;
    QLineEdit *txtDummy;
    qint32 TickCount = 0;
    const qint32 m_messageTime;
    // Where the keys typed meanwhile go (null: they are dropped).
    QString *TypedAhead = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Enter and Space close the message; text keys are kept; nothing is
    // typed into the message itself.
    void takeKey(QKeyEvent *event);
};
