#include "ui/lists/frmEditWord.h"

#include "core/app/Program.h"
#include "core/audio/RecordingFiles.h"
#include "core/audio/Sound.h"
#include "core/data/Flags.h"
#include "core/data/ListStore.h"
#include "core/data/Store.h"
#include "core/lists/WordStore.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/MessageBox.h"
#include "ui/kernel/Shape.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace AppFunctions;
using namespace Controls;

namespace {
const QColor White(255, 255, 255);
const QColor Red(255, 0, 0);
} // namespace

frmEditWord::frmEditWord(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmEditWord"));
    setWindowTitle(tr("New Word"));

    menuBar = new QMenuBar(this);
    mnuFile = menuBar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuSave = action(mnuFile, "mnuSave", tr("&Save"));
    mnuExit = action(mnuFile, "mnuExit", tr("E&xit"));

    txtWord = named<QLineEdit>(this, "txtWord");
    txtDefinition = textArea(this, "txtDefinition");
    txtSentence = textArea(this, "txtSentence");
    Label1 = label(this, "Label1", tr("&Word"), txtWord);
    Label2 = label(this, "Label2", tr("&Definition"), txtDefinition);
    Label3 = label(this, "Label3", tr("Context &Sentence"), txtSentence);
    chkCaseSensitive = named<QCheckBox>(this, "chkCaseSensitive");
    chkCaseSensitive->setText(tr("Case Sensitive"));
    chkCaseSensitive->setToolTip(
        tr("Case sensitive indicates that the word must be typed exactly as it appears to be counted as correct"));

    frameWav = named<QGroupBox>(this, "frameWav");
    frameWav->setTitle(tr("Pronounciation"));
    cmdRecord = button(frameWav, "cmdRecord", tr("Record"), tr("Record the pronounciation"));
    cmdStop = button(frameWav, "cmdStop", tr("Stop"), tr("Stop recording"));
    cmdPlay = button(frameWav, "cmdPlay", tr("Play"), tr("Hear the current recording"));
    cmdDeleteWav = button(frameWav, "cmdDeleteWav", tr("Delete"), tr("Clear the current recording"));
    Shape1 = named<Shape>(frameWav, "Shape1");
    Shape1->setFillColor(White);
    // Which of the two voices the word will have in a test.
    lblPronunciation = named<QLabel>(frameWav, "lblPronunciation");
    auto *wavRows = new QVBoxLayout(frameWav);
    auto *wav = new QHBoxLayout;
    wav->addWidget(cmdRecord);
    wav->addWidget(cmdStop);
    wav->addWidget(Shape1);
    wav->addWidget(cmdPlay);
    wav->addWidget(cmdDeleteWav);
    wav->addStretch(1);
    wavRows->addLayout(wav);
    wavRows->addWidget(lblPronunciation);
    // The light takes its room even while hidden, so the buttons stay put.
    QSizePolicy keep = Shape1->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    Shape1->setSizePolicy(keep);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(250);

    cmdSaveWord = button(this, "cmdSaveWord", tr("Save"), tr("Save this word"));
    cmdSaveWord->setDefault(true);
    cmdCancel = button(this, "cmdCancel", tr("Cancel"), tr("Do not save changes"));

    auto *form = new QFormLayout;
    form->addRow(Label1, txtWord);
    form->addRow(Label2, txtDefinition);
    form->addRow(Label3, txtSentence);
    form->addRow(QString(), chkCaseSensitive);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSaveWord);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(form);
    layout->addWidget(frameWav);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    connect(cmdRecord, &QPushButton::clicked, this, &frmEditWord::Record);
    connect(cmdStop, &QPushButton::clicked, this, &frmEditWord::Stop);
    connect(cmdPlay, &QPushButton::clicked, this, &frmEditWord::Play);
    connect(cmdDeleteWav, &QPushButton::clicked, this, &frmEditWord::DeleteWav);
    connect(cmdSaveWord, &QPushButton::clicked, this, &frmEditWord::Save);
    connect(mnuSave, &QAction::triggered, this, &frmEditWord::Save);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
    connect(mnuExit, &QAction::triggered, this, &QDialog::close);
    connect(Timer1, &QTimer::timeout, this, &frmEditWord::Timer1_Timer);

    cmdStop->hide();
    Shape1->hide();
}

void frmEditWord::Form_Load()
{
    m_TempWavPath = QDir(m_program.globals.gProgramDir).filePath(QStringLiteral("Temp.wav"));
    KillFile(m_TempWavPath);
    m_NewRecording = false;
}

void frmEditWord::setListID(qint32 id)
{
    m_ListID = id;
}

void frmEditWord::setCallingForm(QWidget *form)
{
    m_CallingForm = form;
}

void frmEditWord::setWordID(qint32 id)
{
    m_WordID = id;
    if (id <= 0) {
        enterNewWordMode();
    } else {
        setWindowTitle(tr("Edit Word ") + GetWordText(m_program.store(), id));
        LoadWordDetails();
    }
}

void frmEditWord::enterNewWordMode()
{
    setWindowTitle(tr("New Word"));
    cmdPlay->setEnabled(false);
    ShowPronunciation();
    cmdDeleteWav->setEnabled(false);
    chkCaseSensitive->setChecked(false);
    txtDefinition->clear();
    txtSentence->clear();
    m_NewRecording = false;
    KillFile(m_TempWavPath);
}

void frmEditWord::LoadWordDetails()
{
    m_program.devices().CloseRecording();
    KillFile(m_TempWavPath);
    const auto row = ReadWord(m_program.store(), m_WordID);
    if (!row)
        return;
    txtWord->setText(row->word);
    txtDefinition->setPlainText(row->definition);
    txtSentence->setPlainText(row->sentence);
    chkCaseSensitive->setCheckState(TextToCheck(row->caseSensitive));
    const QString recording = RecordingPath(m_program.globals.gWavPath, txtWord->text());
    const bool has = HasRecording(recording) && QFile::copy(recording, m_TempWavPath);
    cmdPlay->setEnabled(has);
    ShowPronunciation();
    cmdDeleteWav->setEnabled(has);
}

void frmEditWord::Record()
{
    m_NewRecording = true;
    KillFile(m_TempWavPath);
    cmdPlay->setEnabled(false);
    ShowPronunciation();
    cmdDeleteWav->setEnabled(false);
    cmdStop->show();
    cmdStop->setFocus();
    cmdRecord->hide();
    Shape1->show();
    Timer1->start();
    m_program.devices().StartRecording();
}

void frmEditWord::Stop()
{
    m_program.devices().StopRecording(m_TempWavPath);
    Timer1->stop();
    Shape1->hide();
    cmdDeleteWav->setEnabled(true);
    cmdPlay->setEnabled(true);
    ShowPronunciation();
    cmdRecord->show();
    cmdRecord->setFocus();
    cmdStop->hide();
}

void frmEditWord::Timer1_Timer()
{
    Shape1->setFillColor(Shape1->FillColor() == White ? Red : White);
}

void frmEditWord::Play()
{
    m_program.devices().PlaySound(m_TempWavPath);
}

void frmEditWord::DeleteWav()
{
    KillFile(m_TempWavPath);
}

void frmEditWord::Save()
{
    txtWord->setText(txtWord->text().trimmed());
    txtDefinition->setPlainText(txtDefinition->toPlainText().trimmed());
    txtSentence->setPlainText(txtSentence->toPlainText().trimmed());
    if (txtWord->text().isEmpty()) {
        MsgBox(tr("Can not save a blank word.  Please type the word in the box provided."), MsgButtons::OK, this);
        // The message has gone before the focus moves.
        DoEvents(3);
        txtWord->setFocus();
        return;
    }
    // With the computer voice on, the voice is the word's clue.
    if (txtDefinition->toPlainText().isEmpty() && txtSentence->toPlainText().isEmpty() && !QFile::exists(m_TempWavPath)
        && !m_program.globals.gVoice.enabled) {
        MsgBox(tr("At least one of the following items must be provided:\n"
                  "   1. A Definition\n"
                  "   2. A Context Sentence\n"
                  "or 3. A Recording of the word"),
            MsgButtons::OK, this);
        // The message has gone before the focus moves.
        DoEvents(3);
        txtDefinition->setFocus();
        return;
    }
    SaveWord();
}

void frmEditWord::SaveWord()
{
    txtWord->setText(txtWord->text().trimmed());
    const bool isNew = m_WordID <= 0;
    if (!isNew && !m_NewRecording)
        ChangeWavNameIfNeeded();
    WordRow row;
    row.wordId = m_WordID;
    row.listId = m_ListID;
    row.word = txtWord->text();
    row.definition = txtDefinition->toPlainText();
    row.sentence = txtSentence->toPlainText();
    row.caseSensitive = CheckToText(chkCaseSensitive->checkState());
    if (isNew) {
        try {
            m_WordID = AddWord(m_program.store(), row);
        } catch (const IdentifiersExhausted &e) {
            MsgBox(e.message(), MsgButtons::OK, this);
            return;
        }
        row.wordId = m_WordID;
    } else {
        WriteWord(m_program.store(), row);
    }

    // The word is stored; nothing from here on may undo that.
    if (m_NewRecording) {
        const QString target = RecordingPath(m_program.globals.gWavPath, row.word);
        if (!QFile::exists(m_TempWavPath)) {
            KillFile(target);
        } else if (!PutRecording(m_TempWavPath, target)) {
            MsgBox(tr("The word was saved, but its recording could not be stored in the folder\n%1")
                       .arg(QDir::toNativeSeparators(m_program.globals.gWavPath)),
                MsgButtons::OK, this);
        }
    }
    // The next word may be typed while the message shows; it is not lost.
    const QString typedAhead = ShowMessage(m_program.globals.gMessageTime, tr("Word Saved"), row.word);
    if (isNew)
        emit wordAdded(m_WordID);
    else
        emit wordUpdated(m_WordID, row.word);
    if (isNew) {
        txtWord->clear();
        setWordID(0);
        txtWord->insert(typedAhead);
        txtWord->setFocus();
    } else {
        close();
    }
}

void frmEditWord::ChangeWavNameIfNeeded()
{
    const QString stored = GetWordText(m_program.store(), m_WordID);
    if (stored.toUpper() != txtWord->text().toUpper()) {
        if (MoveRecording(m_program.globals.gWavPath, stored, txtWord->text()))
            // Whatever still uses the old file (a sound playing) lets go of it.
            DoEvents(9);
    }
    m_NewRecording = false;
}

void frmEditWord::Form_Unload()
{
    Timer1->stop();
    KillFile(m_TempWavPath);
    emit closed();
}

void frmEditWord::ShowPronunciation()
{
    switch (PronunciationFor(cmdPlay->isEnabled(), m_program.globals.gVoice)) {
    case Pronunciation::Recording:
        lblPronunciation->setText(tr("In a test the word is spoken from this recording."));
        break;
    case Pronunciation::Voice:
        lblPronunciation->setText(tr("Without a recording, the computer voice speaks the word."));
        break;
    case Pronunciation::None:
        lblPronunciation->setText(tr("Without a recording, the word is not spoken in a test."));
        break;
    }
}
