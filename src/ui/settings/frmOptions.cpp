#include "ui/settings/frmOptions.h"

#include "core/app/Program.h"
#include "core/audio/Voice.h"
#include "core/data/Flags.h"
#include "core/data/Options.h"
#include "core/lists/ListLanguage.h"
#include "core/settings/LanguageOption.h"
#include "core/settings/MessageTimes.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/Language.h"
#include "ui/kernel/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace AppFunctions;
using namespace Controls;

frmOptions::frmOptions(Program &program)
    : TestDefaultsControls(TestDefaultsControls::create(this, false))
    , m_program(program)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));

    menuBar = new QMenuBar(this);
    mnuFile = menuBar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuSave = action(mnuFile, "mnuSave", tr("&Save Settings"));
    mnuExit = action(mnuFile, "mnuExit", tr("E&xit"));

    Tab1 = named<QTabWidget>(this, "Tab1");
    auto *testTab = new QWidget;
    chkSkipIndividualTestSetup = named<QCheckBox>(testTab, "chkSkipIndividualTestSetup");
    chkSkipIndividualTestSetup->setText(tr("Skip Individual Test Setup"));
    chkSkipIndividualTestSetup->setToolTip(tr("Always use these defaults when starting a practice test"));
    auto *testLayout = new QVBoxLayout(testTab);
    for (QWidget *w : {static_cast<QWidget *>(frameDisplay), static_cast<QWidget *>(frameWrong),
             static_cast<QWidget *>(frameSounds)}) {
        w->setParent(testTab);
        testLayout->addWidget(w);
    }
    testLayout->addWidget(chkSkipIndividualTestSetup);
    Tab1->addTab(testTab, tr("Test Defaults"));

    auto *generalTab = new QWidget;
    txtTestDay = keyedChoice(generalTab, "txtTestDay",
        {{QStringLiteral("Sundays"), tr("Sundays")}, {QStringLiteral("Mondays"), tr("Mondays")},
            {QStringLiteral("Tuesdays"), tr("Tuesdays")}, {QStringLiteral("Wednesdays"), tr("Wednesdays")},
            {QStringLiteral("Thursdays"), tr("Thursdays")}, {QStringLiteral("Fridays"), tr("Fridays")},
            {QStringLiteral("Saturdays"), tr("Saturdays")}},
        tr("The day of the week that the student normally has spelling tests at school"));
    Label3 = label(generalTab, "Label3", tr("School tests are normally on"), txtTestDay);
    chkPromptToDeleteOldTests = named<QCheckBox>(generalTab, "chkPromptToDeleteOldTests");
    chkPromptToDeleteOldTests->setText(tr("Prompt me to delete word lists after thier test dates"));
    chkPromptToDeleteOldTests->setToolTip(tr("Alerts you when lists are past thier scheduled school test date"));
    QStringList times;
    for (const qint32 time : {MessageTime::None, MessageTime::Indefinite, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 30})
        times << MessageTimes::SetTimeCombo(time);
    txtTempMessages = choice(generalTab, "txtTempMessages", times, tr("The amount of time to display messages"));
    Label4 = label(generalTab, "Label4", tr("Temporary Messages"), txtTempMessages);
    cmdTestMessageTime = button(generalTab, "cmdTestMessageTime", tr("Test"), tr("Test the selected message time"));
    cmdParentLock = button(generalTab, "cmdParentLock", tr("Parent's &Lock..."),
        tr("A PIN that keeps the windows that change lists and settings for parents"));
    cmdParentLock->setVisible(false);
    // Improvements a family may switch on in a database from before them.
    auto check = [generalTab](const char *name, const QString &text, const QString &tip) {
        auto *c = named<QCheckBox>(generalTab, name);
        c->setText(text);
        c->setToolTip(tip);
        return c;
    };
    chkHideWordInClues = check("chkHideWordInClues", tr("Hide the word in its clues"),
        tr("During a test the word is blanked out of its definition and sentence"));
    chkCaseHint = check("chkCaseHint", tr("Say when only the capital letters are wrong"),
        tr("A case-sensitive word typed with the wrong capitals is told so"));
    chkStrictDates = check("chkStrictDates", tr("Refuse a date that cannot be read"),
        tr("A new list's date that cannot be read is refused instead of replaced"));
    // The languages the program has a translation for, each in its own name.
    cmbLanguage = named<QComboBox>(generalTab, "cmbLanguage");
    cmbLanguage->setToolTip(tr("The language of Lettermarch's windows"));
    cmbLanguage->addItem(tr("The system's language"), QString());
    for (const QString &code : Language::available())
        cmbLanguage->addItem(ListLanguage::nameOf(ListLanguage::fromCode(code)), code);
    lblLanguage = label(generalTab, "lblLanguage", tr("Language"), cmbLanguage);
    auto *general = new QGridLayout(generalTab);
    general->addWidget(Label3, 0, 0);
    general->addWidget(txtTestDay, 0, 1);
    general->addWidget(chkPromptToDeleteOldTests, 1, 0, 1, 3);
    general->addWidget(Label4, 2, 0);
    general->addWidget(txtTempMessages, 2, 1);
    general->addWidget(cmdTestMessageTime, 2, 2);
    general->addWidget(chkHideWordInClues, 3, 0, 1, 3);
    general->addWidget(chkCaseHint, 4, 0, 1, 3);
    general->addWidget(chkStrictDates, 5, 0, 1, 3);
    general->addWidget(lblLanguage, 6, 0);
    general->addWidget(cmbLanguage, 6, 1, 1, 2);
    general->addWidget(cmdParentLock, 7, 0, Qt::AlignLeft);
    general->setRowStretch(8, 1);
    general->setColumnStretch(3, 1);
    Tab1->addTab(generalTab, tr("General Defaults"));

    // The computer voice, for words without a recording.
    auto *voiceTab = new QWidget;
    chkUseVoice = named<QCheckBox>(voiceTab, "chkUseVoice");
    chkUseVoice->setText(tr("Use the computer voice for words without a recording"));
    chkUseVoice->setToolTip(tr("Words you have recorded are always spoken in your own voice"));
    cmbVoice = named<QComboBox>(voiceTab, "cmbVoice");
    cmbVoice->setToolTip(tr("The computer voice to use"));
    cmbVoice->setPlaceholderText(tr("The engine's own voice"));
    auto *voiceLabel = label(voiceTab, "lblVoice", tr("Voice"), cmbVoice);
    sldRate = named<QSlider>(voiceTab, "sldRate");
    sldRate->setOrientation(Qt::Horizontal);
    sldRate->setRange(-10, 10);
    sldRate->setPageStep(2);
    sldRate->setToolTip(tr("How fast the computer voice speaks"));
    auto *rateLabel = label(voiceTab, "lblRate", tr("Speaking rate"), sldRate);
    cmdTryVoice = button(voiceTab, "cmdTryVoice", tr("Try it"), tr("Hear the computer voice"));
    lblVoiceProblem = label(voiceTab, "lblVoiceProblem", QString());
    lblVoiceProblem->setWordWrap(true);
    auto *rate = new QHBoxLayout;
    rate->addWidget(label(voiceTab, "lblSlower", tr("Slower")));
    rate->addWidget(sldRate, 1);
    rate->addWidget(label(voiceTab, "lblFaster", tr("Faster")));
    auto *voiceGrid = new QGridLayout(voiceTab);
    voiceGrid->addWidget(chkUseVoice, 0, 0, 1, 3);
    voiceGrid->addWidget(voiceLabel, 1, 0);
    voiceGrid->addWidget(cmbVoice, 1, 1, 1, 2);
    voiceGrid->addWidget(rateLabel, 2, 0);
    voiceGrid->addLayout(rate, 2, 1, 1, 2);
    voiceGrid->addWidget(cmdTryVoice, 3, 2);
    voiceGrid->addWidget(lblVoiceProblem, 4, 0, 1, 3);
    // Which languages a list may be in and still be spoken.
    lstVoiceLanguages = named<QListWidget>(voiceTab, "lstVoiceLanguages");
    lstVoiceLanguages->setToolTip(tr("A list in one of these languages is spoken with its sounds"));
    lstVoiceLanguages->setSelectionMode(QAbstractItemView::NoSelection);
    auto *languagesLabel = label(voiceTab, "lblVoiceLanguages", tr("Languages with a voice"), lstVoiceLanguages);
    voiceGrid->addWidget(languagesLabel, 5, 0, 1, 3);
    voiceGrid->addWidget(lstVoiceLanguages, 6, 0, 1, 3);
    voiceGrid->setRowStretch(6, 1);
    voiceGrid->setColumnStretch(1, 1);
    Tab1->addTab(voiceTab, tr("Voice"));
    // The voice engine is loaded only when its page is opened.
    connect(Tab1, &QTabWidget::currentChanged, this, [this, voiceTab] {
        if (Tab1->currentWidget() == voiceTab)
            LoadVoices();
    });
    connect(cmdTryVoice, &QPushButton::clicked, this, &frmOptions::TryVoice);

    cmdSave = button(this, "cmdSave", tr("Save Settings"), tr("Save these settings"));
    cmdSave->setDefault(true);
    cmdRestoreDefaults
        = button(this, "cmdRestoreDefaults", tr("Restore Defaults"), tr("Restore all settings to thier defaults"));
    cmdCancel = button(this, "cmdCancel", tr("Cancel"), tr("Do not save changes"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdRestoreDefaults);
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(Tab1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdSave, &QPushButton::clicked, this, &frmOptions::Save);
    connect(mnuSave, &QAction::triggered, this, &frmOptions::Save);
    connect(cmdRestoreDefaults, &QPushButton::clicked, this, &frmOptions::AskRestoreDefaults);
    connect(cmdTestMessageTime, &QPushButton::clicked, this, &frmOptions::TestMessageTime);
    connect(cmdParentLock, &QPushButton::clicked, this, &frmOptions::parentLockRequested);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
    connect(mnuExit, &QAction::triggered, this, &QDialog::close);
}

void frmOptions::Form_Load()
{
    Tab1->setCurrentIndex(0);
    LoadOptions();
}

void frmOptions::LoadOptions()
{
    m_storedFamily = ReadFamilyOptions(m_program.store());
    chkHideWordInClues->setChecked(m_storedFamily.hideWordInClues);
    chkCaseHint->setChecked(m_storedFamily.caseHint);
    chkStrictDates->setChecked(m_storedFamily.strictDates);
    const auto row = ReadOptionsRecord(m_program.store());
    if (!row) {
        RestoreDefaults();
        return;
    }
    const StoredGeneralSettings general = ReadStoredGeneralSettings(*row);
    if (general.skipTestSetup)
        chkSkipIndividualTestSetup->setChecked(*general.skipTestSetup);
    showOptions(LoadTestSettings(m_program.store(), chosenOptions()).value_or(chosenOptions()));
    // A message time that is no whole number is skipped, like any column that
    // cannot be shown.
    if (general.messageTime)
        SetTimeCombo(*general.messageTime);
    if (general.testDay)
        showKey(txtTestDay, *general.testDay);
    if (general.promptToDeleteLists)
        chkPromptToDeleteOldTests->setChecked(*general.promptToDeleteLists);
    m_storedVoice = ReadVoiceOptions(m_program.store());
    ShowVoice(m_storedVoice);
    m_storedLanguage = ReadLanguage(m_program.store());
    showKey(cmbLanguage, m_storedLanguage);
}

FamilyOptions frmOptions::chosenFamily() const
{
    return {chkHideWordInClues->isChecked(), chkStrictDates->isChecked(), chkCaseHint->isChecked()};
}

void frmOptions::ShowVoice(const VoiceOptions &voice)
{
    chkUseVoice->setChecked(voice.enabled);
    if (cmbVoice->findText(voice.voice) < 0 && !voice.voice.isEmpty())
        cmbVoice->addItem(voice.voice);
    cmbVoice->setCurrentText(voice.voice);
    sldRate->setValue(qRound(voice.rate * 10));
}

VoiceOptions frmOptions::ChosenVoice() const
{
    VoiceOptions voice;
    voice.enabled = chkUseVoice->isChecked();
    voice.voice = cmbVoice->currentText();
    voice.rate = sldRate->value() / 10.0;
    return voice;
}

void frmOptions::LoadVoices()
{
    if (m_voicesLoaded)
        return;
    m_voicesLoaded = true;
    const QString chosen = cmbVoice->currentText();
    const QString why = m_program.devices().voice().problem();
    cmbVoice->clear();
    cmbVoice->addItems(m_program.devices().voice().voices());
    if (!chosen.isEmpty() && cmbVoice->findText(chosen) < 0)
        cmbVoice->addItem(chosen);
    // No choice yet: the engine's own voice, until one is picked.
    if (chosen.isEmpty())
        cmbVoice->setCurrentIndex(-1);
    else
        cmbVoice->setCurrentText(chosen);
    lstVoiceLanguages->clear();
    QStringList names;
    for (const QLocale::Language language : m_program.devices().voice().languages())
        names << ListLanguage::nameOf(language);
    names.sort(Qt::CaseInsensitive);
    names.removeDuplicates();
    lstVoiceLanguages->addItems(names);
    // Without an engine the setting can still be kept, but not tried.
    lblVoiceProblem->setText(why);
    cmdTryVoice->setEnabled(why.isEmpty());
    cmdTryVoice->setToolTip(why.isEmpty() ? tr("Hear the computer voice") : why);
}

void frmOptions::TryVoice()
{
    const VoiceOptions voice = ChosenVoice();
    // In the program's language, as a list without a language of its own.
    const QLocale::Language language = ListLanguage::program();
    if (const QString why = VoiceProblem(m_program.devices().voice(), language); !why.isEmpty()) {
        MsgBox(why, MsgButtons::OK, this);
        return;
    }
    m_program.devices().voice().say(
        tr("This is how your spelling words will sound."), voice.voice, voice.rate, language);
}

void frmOptions::SaveOptions()
{
    OptionsRow row;
    row.skipTestSetup = CheckToText(chkSkipIndividualTestSetup->checkState());
    const TestOptionsRecord test = chosenOptions();
    PutTestOptions(test, row);
    row.messageTime = GetTimeFromCombo();
    row.testDay = chosenKey(txtTestDay);
    row.promptToDeleteLists = CheckToText(chkPromptToDeleteOldTests->checkState());
    WriteOptions(m_program.store(), row);
    WriteAddedTestSettings(m_program.store(), test);
    // The voice's table is made only when its setting is first changed.
    const VoiceOptions voice = ChosenVoice();
    if (!(voice == m_storedVoice))
        WriteVoiceOptions(m_program.store(), voice);
    m_storedVoice = voice;
    m_program.globals.gVoice = voice;
    // Like the voice's, the language's table is made when one is first chosen.
    if (const QString language = chosenKey(cmbLanguage); language != m_storedLanguage) {
        WriteLanguage(m_program.store(), language);
        m_storedLanguage = language;
        MsgBox(tr("Lettermarch speaks the language chosen from its next start."), MsgButtons::OK, this);
    }
    // Likewise the family's table: an old database gets it only when the
    // parent changes one of these.
    if (const FamilyOptions family = chosenFamily(); !(family == m_storedFamily)) {
        WriteFamilyOptions(m_program.store(), family);
        m_storedFamily = family;
    }
}

void frmOptions::RestoreDefaults()
{
    const OptionsRow d;
    showOptions(TestOptionsRecord {});
    showKey(txtTestDay, d.testDay);
    chkPromptToDeleteOldTests->setCheckState(TextToCheck(d.promptToDeleteLists));
    SetTimeCombo(d.messageTime);
    chkSkipIndividualTestSetup->setCheckState(TextToCheck(d.skipTestSetup));
    ShowVoice(VoiceOptions {});
    SaveOptions();
}

void frmOptions::SetTimeCombo(qint32 m_StoredValue)
{
    txtTempMessages->setCurrentText(MessageTimes::SetTimeCombo(m_StoredValue));
}

qint32 frmOptions::GetTimeFromCombo() const
{
    return MessageTimes::GetTimeFromCombo(txtTempMessages->currentText());
}

void frmOptions::Save()
{
    if (chosenOptions().anyClue()) {
        SaveOptions();
        ShowMessage(m_program.globals.gMessageTime, tr("Settings Saved"), QString());
        close();
        return;
    }
    Tab1->setCurrentIndex(0);
    // The first tab is drawn before the message opens over it.
    DoEvents(1);
    sayNoClue(this, tr("You must check at least one of the following boxes to save these defaults:"));
    // The message has gone before the focus moves.
    DoEvents(1);
    chkPronounce->setFocus();
}

void frmOptions::AskRestoreDefaults()
{
    if (MsgBox(tr("Are you sure you want to restore all defaults?"), MsgButtons::YesNo, this) != MsgAnswer::Yes)
        return;
    RestoreDefaults();
    ShowMessage(m_program.globals.gMessageTime, tr("Defaults Restored"), QString());
}

void frmOptions::TestMessageTime()
{
    const qint32 kept = m_program.globals.gMessageTime;
    m_program.globals.gMessageTime = GetTimeFromCombo();
    ShowMessage(m_program.globals.gMessageTime, tr("Testing"), tr("Click To Close"));
    m_program.globals.gMessageTime = kept;
}
