#pragma once

#include "ui/kernel/FlexGrid.h"
#include "ui/kernel/Form.h"

#include <QMainWindow>

class Program;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

// The words of one list with the details and test totals of the selected
// word; words are added, changed, deleted and pronounced from here.
class frmEditList : public Form<QMainWindow>
{
    Q_OBJECT

public:
    explicit frmEditList(Program &program);

    void Form_Load() override;
    void Form_Unload() override;

    qint32 ListID() const { return m_ListID; }
    void setListID(qint32 m_ListID);

    void LoadWords();

signals:
    // The editor has been unloaded: the list's counts may have changed.
    void closed(qint32 listId);
    // The list was first shown without a word: its first word is to be
    // entered (unless one is being entered already).
    void shownEmpty();
    // The list is to go on paper (a paper test or its answer key).
    void printRequested(qint32 listId);
    // The word editor, over this window, for a word of the list (0: a new
    // word).
    void wordEditorRequested(qint32 listId, qint32 wordId);
    // The list is to be given to another child of the family.
    void copyToChildRequested(qint32 listId);

public:
    void ResetGrid();
    void ShowWordDetails(qint32 wordId);
    void TakeInNewWord(qint32 m_NewWordID);
    // `word`: the text the word was stored under.
    void TakeInUpdatedWord(qint32 m_UpdatedWordID, const QString &word);
    void SetFoucsHere();

    FlexGrid *MSFlexGrid1;
    QGroupBox *frameDetails;
    QLabel *Label1;
    QLineEdit *txtWord;
    QLabel *lblListName;
    QLineEdit *txtListName;
    QLabel *lblListLanguage;
    QComboBox *cmbListLanguage;
    QLabel *Label2;
    QPlainTextEdit *txtDefinition;
    QLabel *Label3;
    QPlainTextEdit *txtSentence;
    QLabel *Label4;
    QLineEdit *txtCaseSensitive;
    QPushButton *cmdPronounce;
    QGroupBox *framePastTests;
    QLabel *Label5;
    QLineEdit *txtTests;
    QLabel *Label6;
    QLineEdit *txtCorrect;
    QLabel *Label7;
    QLineEdit *txtIncorrect;
    QPushButton *cmdAddWord;
    QPushButton *cmdEditWord;
    QPushButton *cmdDeleteWord;
    QPushButton *cmdPasteWords;
    QMenu *mnuFile;
    QAction *mnuNewWord;
    QAction *mnuPasteWords;
    QAction *mnuImportWords;
    QAction *mnuExportList;
    QAction *mnuExportFolder;
    QAction *mnuPrint;
    QAction *mnuCopyToChild;
    QAction *mnuExit;
    QMenu *mnuPopUp;
    QAction *mnuEdit;
    QAction *mnuDelete;

public slots:
    void AddWord();
    void PasteWords();
    void ImportWords();
    void PrintList();
    void EditWord();
    void DeleteWord();
    void Pronounce();

protected:
    bool event(QEvent *event) override;

private:
    void saveListName();
    void showListLanguage();
    void saveListLanguage();
    void rowSelected();
    void showPopUp(const QPoint &viewportPos);
    void clearDetails();

    qint32 m_ListID = 0;
    qint32 m_testCount = 0;
    bool m_firstShowing = true;
    bool m_closing = false;
    Program &m_program;
};
