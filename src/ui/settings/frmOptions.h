#pragma once

#include "core/settings/FamilyOptions.h"
#include "core/settings/VoiceOptions.h"
#include "ui/kernel/Form.h"
#include "ui/kernel/TestDefaultsControls.h"

#include <QDialog>

class Program;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QSlider;
class QTabWidget;

// Edits the settings row: the test defaults on one tab, the general
// settings on the other.
class frmOptions : public Form<QDialog>, public TestDefaultsControls
{
    Q_OBJECT

signals:
    // The parent's lock is to be set, changed or removed.
    void parentLockRequested();

public:
    explicit frmOptions(Program &program);

    void Form_Load() override;
    void LoadOptions();
    void SaveOptions();
    void RestoreDefaults();
    void SetTimeCombo(qint32 m_StoredValue);

    QMenuBar *menuBar;
    QMenu *mnuFile;
    QAction *mnuSave;
    QAction *mnuExit;
    QTabWidget *Tab1;
    QCheckBox *chkSkipIndividualTestSetup;
    QLabel *Label3;
    QComboBox *txtTestDay;
    QCheckBox *chkPromptToDeleteOldTests;
    QCheckBox *chkHideWordInClues;
    QCheckBox *chkStrictDates;
    QCheckBox *chkCaseHint;
    QLabel *Label4;
    QComboBox *txtTempMessages;
    QPushButton *cmdTestMessageTime;
    // Shown by the shell where the program keeps a family.
    QPushButton *cmdParentLock;
    QPushButton *cmdSave;
    QCheckBox *chkUseVoice;
    QComboBox *cmbVoice;
    QComboBox *cmbLanguage;
    QLabel *lblLanguage;
    QSlider *sldRate;
    QPushButton *cmdTryVoice;
    QLabel *lblVoiceProblem;
    QListWidget *lstVoiceLanguages;

    void ShowVoice(const VoiceOptions &voice);
    VoiceOptions ChosenVoice() const;
    // Fills the choice of voices from the engine (loading it).
    void LoadVoices();
    void TryVoice();
    QPushButton *cmdRestoreDefaults;
    QPushButton *cmdCancel;

private:
    VoiceOptions m_storedVoice;
    QString m_storedLanguage;
    FamilyOptions m_storedFamily;
    FamilyOptions chosenFamily() const;
    bool m_voicesLoaded = false;
    qint32 GetTimeFromCombo() const;
    void Save();
    void AskRestoreDefaults();
    void TestMessageTime();
    Program &m_program;
};
