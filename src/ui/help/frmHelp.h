#pragma once

#include "ui/kernel/Form.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;

// The six help topics for the parent.
class frmHelp : public Form<QWidget>
{
    Q_OBJECT

public:
    frmHelp();

    void Form_Load() override;

    QLabel *Label1;
    QComboBox *txtTopic;
    QPlainTextEdit *txtHelp;

private:
    void TopicChosen();
};
