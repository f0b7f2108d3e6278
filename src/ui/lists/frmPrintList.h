#pragma once

#include "core/exchange/WordEntry.h"
#include "ui/kernel/Form.h"

#include <QDialog>

class Program;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// A spelling test on paper, or its answer key, for one list. The words'
// order is drawn once while the window is open, so a test and its key
// printed one after the other match even in random order.
class frmPrintList : public Form<QDialog>
{
    Q_OBJECT

public:
    explicit frmPrintList(Program &program);

    void setListID(qint32 listId);
    // The page as it would be printed now.
    QString html() const;

    QRadioButton *optPaperTest;
    QRadioButton *optAnswerKey;
    QCheckBox *chkDefinitions;
    QCheckBox *chkSentences;
    QLabel *lblOrder;
    QComboBox *cboOrder;
    QPushButton *cmdPreview;
    QPushButton *cmdPdf;
    QPushButton *cmdClose;

private:
    void drawOrder();
    void updateControls();
    void savePdf();

    qint32 m_listId = 0;
    QString m_title;
    QList<WordEntry> m_words;
    Program &m_program;
};
