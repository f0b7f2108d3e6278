#pragma once

#include "ui/kernel/Form.h"

#include <QDialog>
#include <QPointer>

class Program;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class Shape;

// Enters a new word or changes one: its text, definition, context sentence,
// case rule and recording. Records into a working file and copies it to the
// word's recording only when the word is saved.
class frmEditWord : public Form<QDialog>
{
    Q_OBJECT

public:
    explicit frmEditWord(Program &program);

    void Form_Load() override;
    void Form_Unload() override;

    qint32 ListID() const { return m_ListID; }
    void setListID(qint32 m_ListID);
    qint32 WordID() const { return m_WordID; }
    void setWordID(qint32 m_WordID);
    QWidget *CallingForm() const { return m_CallingForm; }
    void setCallingForm(QWidget *m_Form);

    void LoadWordDetails();
    void ChangeWavNameIfNeeded();
    // Says whether a test will use the recording or the computer voice.
    void ShowPronunciation();
    QString TempWavPath() const { return m_TempWavPath; }

signals:
    // A new word was stored; the form is ready for the next one.
    void wordAdded(qint32 wordId);
    // A changed word was stored under its text `word`.
    void wordUpdated(qint32 wordId, const QString &word);
    // The window has been unloaded.
    void closed();

public:
    bool NewRecording() const { return m_NewRecording; }

    QMenuBar *menuBar;
    QMenu *mnuFile;
    QAction *mnuSave;
    QAction *mnuExit;
    QLabel *Label1;
    QLineEdit *txtWord;
    QLabel *Label2;
    QPlainTextEdit *txtDefinition;
    QLabel *Label3;
    QPlainTextEdit *txtSentence;
    QCheckBox *chkCaseSensitive;
    QGroupBox *frameWav;
    QPushButton *cmdRecord;
    QPushButton *cmdStop;
    QPushButton *cmdPlay;
    QPushButton *cmdDeleteWav;
    QLabel *lblPronunciation;
    Shape *Shape1;
    QTimer *Timer1;
    QPushButton *cmdSaveWord;
    QPushButton *cmdCancel;

public slots:
    void Record();
    void Stop();
    void Play();
    void DeleteWav();
    void Save();
    void Timer1_Timer();

private:
    void SaveWord();
    void enterNewWordMode();

    qint32 m_ListID = 0;
    qint32 m_WordID = 0;
    QPointer<QWidget> m_CallingForm;
    QString m_TempWavPath;
    bool m_NewRecording = false;
    Program &m_program;
};
