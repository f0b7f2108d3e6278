#pragma once

#include "core/exchange/WordImport.h"
#include "ui/kernel/Form.h"

#include <QDate>
#include <QDialog>
#include <QHash>

class Program;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTimer;

// Many words at once: pasted lines, or the words of an imported file, shown
// in a preview before anything is stored.
class frmPasteWords : public Form<QDialog>
{
    Q_OBJECT

public:
    explicit frmPasteWords(Program &program);

    // Pasting into (or importing to) an existing list.
    void setListID(qint32 listId);
    // Importing into a new list with these dates (made only on Add).
    // The words make a new list with these dates and this name.
    void setNewList(const QDate &weekStart, const QDate &weekEnd, const QDate &testDate, const QString &name = {});
    // The words of an imported file: no box to paste into.
    void setEntries(const QList<WordEntry> &words, const QString &fileName);

    enum Column { ColWord, ColDefinition, ColSentence, ColCase, ColSkipped, ColumnCount };

    QLabel *lblHint;
    QPlainTextEdit *txtPaste;
    QTableWidget *grdPreview;
    QLabel *lblSummary;
    QPushButton *cmdAdd;
    QPushButton *cmdCancel;

signals:
    // Stored, in one transaction; `listId` is the new list's on an import.
    void wordsAdded(qint32 listId, const QList<qint32> &wordIds);

private:
    void refresh();
    void showRows();
    void add();
    void copyRecordings();

    qint32 m_listId = 0;
    QDate m_weekStart, m_weekEnd, m_testDate;
    QString m_listName;
    QList<WordEntry> m_entries;
    QList<WordImport::PreviewRow> m_rows;
    QTimer *m_typing;
    // Ticks the parent changed, by word: kept while the text is edited.
    QHash<QString, bool> m_ticked;
    bool m_imported = false;
    Program &m_program;
};
