#include "ui/lists/frmEditList.h"

#include "core/app/Program.h"
#include "core/audio/RecordingFiles.h"
#include "core/audio/Voice.h"
#include "core/data/ListNames.h"
#include "core/data/ListStore.h"
#include "core/data/Store.h"
#include "core/lists/ListLanguage.h"
#include "core/lists/WordStore.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/MessageBox.h"
#include "ui/lists/ListFiles.h"
#include "ui/lists/frmPasteWords.h"

#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace AppFunctions;
using namespace Controls;

namespace {
constexpr int ColWord = 0;
constexpr int ColWordId = 1;

QLineEdit *display(QWidget *parent, const char *name)
{
    auto *e = named<QLineEdit>(parent, name);
    e->setReadOnly(true);
    return e;
}
} // namespace

frmEditList::frmEditList(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmEditList"));
    Controls::closeOnEscape(this);
    setWindowTitle(tr("Edit Word List"));
    auto *central = new QWidget(this);
    setCentralWidget(central);

    MSFlexGrid1 = named<FlexGrid>(central, "MSFlexGrid1");
    MSFlexGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    MSFlexGrid1->setFixedWidth(MSFlexGrid1->widthForColumns(5000));

    frameDetails = named<QGroupBox>(central, "frameDetails");
    frameDetails->setTitle(tr("Word Details"));
    txtWord = display(frameDetails, "txtWord");
    txtDefinition = textArea(frameDetails, "txtDefinition", true);
    txtSentence = textArea(frameDetails, "txtSentence", true);
    txtCaseSensitive = display(frameDetails, "txtCaseSensitive");
    txtCaseSensitive->setMaximumWidth(60);
    Label1 = label(frameDetails, "Label1", tr("Word"), txtWord);
    Label2 = label(frameDetails, "Label2", tr("Definition"), txtDefinition);
    Label3 = label(frameDetails, "Label3", tr("Context Sentence"), txtSentence);
    Label4 = label(frameDetails, "Label4", tr("Case Sensitive"), txtCaseSensitive);
    cmdPronounce = button(frameDetails, "cmdPronounce", tr("Pronounce"), tr("Hear the current recording"));
    auto *details = new QFormLayout(frameDetails);
    details->addRow(Label1, txtWord);
    details->addRow(Label2, txtDefinition);
    details->addRow(Label3, txtSentence);
    auto *caseRow = new QHBoxLayout;
    caseRow->addWidget(txtCaseSensitive);
    caseRow->addStretch(1);
    caseRow->addWidget(cmdPronounce);
    details->addRow(Label4, caseRow);

    framePastTests = named<QGroupBox>(central, "framePastTests");
    framePastTests->setTitle(tr("Test Totals"));
    txtTests = display(framePastTests, "txtTests");
    txtCorrect = display(framePastTests, "txtCorrect");
    txtIncorrect = display(framePastTests, "txtIncorrect");
    Label5 = label(framePastTests, "Label5", tr("Total Tests"), txtTests);
    Label6 = label(framePastTests, "Label6", tr("Correct on first attempt"), txtCorrect);
    Label7 = label(framePastTests, "Label7", tr("Incorrect Guesses"), txtIncorrect);
    const QString testsTip = tr("The number of times this word has appeared on a Lettermarch test");
    const QString correctTip = tr("The number of times this word was spelled correctly on the first attempt on a test");
    const QString incorrectTip = tr("The number of times this word has been misspelled on a test");
    for (auto [l, e, tip] : {std::tuple {Label5, txtTests, testsTip}, std::tuple {Label6, txtCorrect, correctTip},
             std::tuple {Label7, txtIncorrect, incorrectTip}}) {
        l->setToolTip(tip);
        e->setToolTip(tip);
        e->setMaximumWidth(60);
    }
    auto *totals = new QFormLayout(framePastTests);
    totals->addRow(Label5, txtTests);
    totals->addRow(Label6, txtCorrect);
    totals->addRow(Label7, txtIncorrect);

    cmdAddWord = button(central, "cmdAddWord", tr("Add a word"), tr("Add a word to this list"));
    cmdEditWord = button(central, "cmdEditWord", tr("Edit a word"),
        tr("Make changes to the definition, the context sentence, or pronounciation"));
    cmdDeleteWord
        = button(central, "cmdDeleteWord", tr("Delete a word"), tr("Delete the selected word from this list"));

    cmdPasteWords = button(central, "cmdPasteWords", tr("Paste words..."),
        tr("Add many words at once, pasted from a document or a spreadsheet"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdAddWord);
    buttons->addWidget(cmdPasteWords);
    buttons->addWidget(cmdEditWord);
    buttons->addWidget(cmdDeleteWord);
    buttons->addStretch(1);
    // The list's own name, kept as soon as the box is left.
    txtListName = named<QLineEdit>(central, "txtListName");
    txtListName->setMaxLength(int(ListNames::MaxLength));
    txtListName->setPlaceholderText(tr("optional, e.g. Week 12"));
    txtListName->setToolTip(tr("A name that tells this list apart from others"));
    lblListName = label(central, "lblListName", tr("List &name"), txtListName);
    connect(txtListName, &QLineEdit::editingFinished, this, &frmEditList::saveListName);
    // The language its words are in, for the computer voice; kept when chosen.
    cmbListLanguage = named<QComboBox>(central, "cmbListLanguage");
    cmbListLanguage->setToolTip(tr("The language of this list's words: the computer voice speaks them in it"));
    lblListLanguage = label(central, "lblListLanguage", tr("&Language"), cmbListLanguage);
    connect(cmbListLanguage, &QComboBox::activated, this, &frmEditList::saveListLanguage);
    auto *nameRow = new QGridLayout;
    nameRow->addWidget(lblListName, 0, 0);
    nameRow->addWidget(txtListName, 0, 1);
    nameRow->addWidget(lblListLanguage, 1, 0);
    nameRow->addWidget(cmbListLanguage, 1, 1);
    nameRow->setColumnStretch(1, 1);
    auto *right = new QVBoxLayout;
    right->addLayout(nameRow);
    right->addWidget(frameDetails);
    right->addWidget(framePastTests);
    right->addStretch(1);
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(MSFlexGrid1);
    layout->addLayout(right, 1);

    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNewWord = action(mnuFile, "mnuNewWord", tr("&New Word..."));
    mnuPasteWords = action(mnuFile, "mnuPasteWords", tr("&Paste Words..."));
    mnuImportWords = action(mnuFile, "mnuImportWords", tr("&Import Words..."));
    mnuFile->addSeparator();
    mnuExportList = action(mnuFile, "mnuExportList", tr("&Export List..."));
    mnuExportFolder = action(mnuFile, "mnuExportFolder", tr("Export with &Recordings..."));
    mnuPrint = action(mnuFile, "mnuPrint", tr("P&rint a Paper Test..."));
    mnuPrint->setShortcut(QKeySequence::Print);
    // Shown by the shell in a family of several children.
    mnuCopyToChild = action(mnuFile, "mnuCopyToChild", tr("&Copy to Another Child..."));
    mnuCopyToChild->setVisible(false);
    mnuFile->addSeparator();
    mnuExit = action(mnuFile, "mnuExit", tr("&Close"));
    mnuPopUp = new QMenu(QStringLiteral("PopUp"), this);
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    mnuEdit = action(mnuPopUp, "mnuEdit", tr("Edit"));
    mnuDelete = action(mnuPopUp, "mnuDelete", tr("Delete"));

    connect(cmdAddWord, &QPushButton::clicked, this, &frmEditList::AddWord);
    connect(mnuNewWord, &QAction::triggered, this, &frmEditList::AddWord);
    connect(cmdPasteWords, &QPushButton::clicked, this, &frmEditList::PasteWords);
    connect(mnuPasteWords, &QAction::triggered, this, &frmEditList::PasteWords);
    connect(mnuImportWords, &QAction::triggered, this, &frmEditList::ImportWords);
    connect(mnuExportList, &QAction::triggered, this, [this] { ListFiles::exportList(m_program, this, m_ListID); });
    connect(mnuExportFolder, &QAction::triggered, this,
        [this] { ListFiles::exportWithRecordings(m_program, this, m_ListID); });
    connect(mnuPrint, &QAction::triggered, this, &frmEditList::PrintList);
    connect(mnuCopyToChild, &QAction::triggered, this, [this] { emit copyToChildRequested(m_ListID); });
    connect(cmdEditWord, &QPushButton::clicked, this, &frmEditList::EditWord);
    connect(mnuEdit, &QAction::triggered, this, &frmEditList::EditWord);
    connect(cmdDeleteWord, &QPushButton::clicked, this, &frmEditList::DeleteWord);
    connect(mnuDelete, &QAction::triggered, this, &frmEditList::DeleteWord);
    connect(cmdPronounce, &QPushButton::clicked, this, &frmEditList::Pronounce);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(MSFlexGrid1, &FlexGrid::SelectionChanged, this, &frmEditList::rowSelected);
    connect(MSFlexGrid1, &QWidget::customContextMenuRequested, this, &frmEditList::showPopUp);
    connect(MSFlexGrid1, &QAbstractItemView::activated, this, &frmEditList::EditWord);

    ResetGrid();
    resize(820, 460);
}

void frmEditList::Form_Load()
{
    m_firstShowing = true;
}

bool frmEditList::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate && m_firstShowing) {
        m_firstShowing = false;
        // A new, empty list goes straight to entering its first word.
        QTimer::singleShot(0, this, [this] {
            // Not once the list is being closed: its word editor would outlive it.
            if (MSFlexGrid1->Rows() < 2 && !m_closing)
                emit shownEmpty();
        });
    }
    return Form<QMainWindow>::event(e);
}

void frmEditList::PasteWords()
{
    auto *paste = makeForm<frmPasteWords>(m_program);
    paste->setParent(this, Qt::Dialog);
    paste->setListID(m_ListID);
    bool added = false;
    connect(paste, &frmPasteWords::wordsAdded, paste, [&added] { added = true; });
    paste->exec();
    if (added)
        LoadWords();
}

void frmEditList::ImportWords()
{
    if (!ListFiles::importInto(m_program, this, m_ListID).isEmpty())
        LoadWords();
}

void frmEditList::PrintList()
{
    emit printRequested(m_ListID);
}

void frmEditList::setListID(qint32 id)
{
    m_ListID = id;
    m_testCount = CountListTests(m_program.store(), id);
    txtListName->setText(ListNames::of(m_program.store(), id));
    txtListName->setModified(false);
    setWindowTitle(ListNames::titled(tr("Edit Word List"), txtListName->text()));
    showListLanguage();
    LoadWords();
}

void frmEditList::showListLanguage()
{
    const QString own = ListLanguage::of(m_program.store(), m_ListID);
    // The engine is asked only when the voice is on: it may start a service.
    const bool voiceOn = m_program.globals.gVoice.enabled;
    const QList<QLocale::Language> voiced
        = voiceOn ? m_program.devices().voice().languages() : QList<QLocale::Language>();
    cmbListLanguage->clear();
    cmbListLanguage->addItem(
        tr("The program's language (%1)").arg(ListLanguage::nameOf(ListLanguage::program())), QString());
    for (const QLocale::Language language :
        ListLanguage::offered(voiced, own.isEmpty() ? QLocale::C : ListLanguage::fromCode(own))) {
        const QString name = ListLanguage::nameOf(language);
        cmbListLanguage->addItem(voiceOn && !voiced.contains(language) ? tr("%1 (no voice)").arg(name) : name,
            ListLanguage::codeOf(language));
    }
    cmbListLanguage->setCurrentIndex(
        own.isEmpty() ? 0 : qMax(0, cmbListLanguage->findData(ListLanguage::codeOf(ListLanguage::fromCode(own)))));
}

void frmEditList::saveListLanguage()
{
    if (m_ListID <= 0)
        return;
    try {
        ListLanguage::set(m_program.store(), m_ListID, cmbListLanguage->currentData().toString());
    } catch (const StoreError &e) {
        MsgBox(tr("The language could not be saved: %1").arg(e.message()), MsgButtons::OK, this);
        showListLanguage();
    }
}

void frmEditList::saveListName()
{
    if (!txtListName->isModified() || m_ListID <= 0)
        return;
    txtListName->setModified(false);
    try {
        ListNames::set(m_program.store(), m_ListID, txtListName->text());
    } catch (const StoreError &e) {
        MsgBox(tr("The name could not be saved: %1").arg(e.message()), MsgButtons::OK, this);
        return;
    }
    txtListName->setText(ListNames::of(m_program.store(), m_ListID));
    setWindowTitle(ListNames::titled(tr("Edit Word List"), txtListName->text()));
}

void frmEditList::ResetGrid()
{
    FlexGrid *g = MSFlexGrid1;
    g->Clear();
    g->setRows(1);
    g->setCols(2);
    g->setTextMatrix(0, ColWord, tr("Word"));
    g->setColWidth(ColWord, 5000);
    g->setColWidth(ColWordId, 1);
}

void frmEditList::LoadWords()
{
    ResetGrid();
    FlexGrid *g = MSFlexGrid1;
    {
        const QSignalBlocker block(g);
        for (const auto &[id, word] : ListWords(m_program.store(), m_ListID)) {
            const int r = g->AddItem();
            g->setTextMatrix(r, ColWord, word);
            g->setTextMatrix(r, ColWordId, QString::number(id));
        }
        g->setRow(g->Rows() > 1 ? 1 : 0);
    }
    rowSelected();
}

void frmEditList::rowSelected()
{
    const int row = MSFlexGrid1->Row();
    if (row >= 1)
        ShowWordDetails(MSFlexGrid1->TextMatrix(row, ColWordId).toInt());
    else
        clearDetails();
    const bool wordRow = row >= 1;
    cmdEditWord->setEnabled(wordRow);
    cmdDeleteWord->setEnabled(wordRow);
}

void frmEditList::clearDetails()
{
    for (QLineEdit *e : {txtWord, txtCaseSensitive, txtTests, txtCorrect, txtIncorrect})
        e->clear();
    txtDefinition->clear();
    txtSentence->clear();
    cmdPronounce->setEnabled(false);
}

void frmEditList::ShowWordDetails(qint32 wordId)
{
    const auto row = ReadWord(m_program.store(), wordId);
    if (!row) {
        clearDetails();
        return;
    }
    txtWord->setText(row->word);
    txtWord->setCursorPosition(0);
    txtDefinition->setPlainText(row->definition);
    txtSentence->setPlainText(row->sentence);
    txtCaseSensitive->setText(row->caseSensitive == QStringLiteral("TRUE") ? tr("YES") : tr("NO"));
    txtTests->setText(QString::number(m_testCount));
    txtCorrect->setText(QString::number(CountCorrectFirstAttempts(m_program.store(), wordId)));
    txtIncorrect->setText(QString::number(CountIncorrectGuesses(m_program.store(), wordId)));
    cmdPronounce->setEnabled(PronunciationFor(HasRecording(RecordingPath(m_program.globals.gWavPath, txtWord->text())),
                                 m_program.globals.gVoice)
        != Pronunciation::None);
}

void frmEditList::AddWord()
{
    emit wordEditorRequested(m_ListID, 0);
}

void frmEditList::EditWord()
{
    const int row = MSFlexGrid1->Row();
    if (row < 1)
        return;
    emit wordEditorRequested(m_ListID, MSFlexGrid1->TextMatrix(row, ColWordId).toInt());
}

void frmEditList::DeleteWord()
{
    const int row = MSFlexGrid1->Row();
    if (row < 1)
        return;
    if (MsgBox(tr("Delete ") + MSFlexGrid1->TextMatrix(row, ColWord) + QStringLiteral("?"), MsgButtons::YesNo, this)
        != MsgAnswer::Yes)
        return;
    ::DeleteWord(m_program.store(), MSFlexGrid1->TextMatrix(row, ColWordId).toInt(), m_program.globals.gWavPath);
    if (MSFlexGrid1->Rows() >= 3) {
        MSFlexGrid1->removeRow(row - 1);
    } else {
        ResetGrid();
        rowSelected();
    }
}

void frmEditList::Pronounce()
{
    if (const QString problem = PronounceWord(m_program.devices(), txtWord->text(), m_program.globals.gWavPath,
            m_program.globals.gVoice, ListLanguage::spoken(m_program.store(), m_ListID));
        !problem.isEmpty())
        MsgBox(problem, MsgButtons::OK, this);
}

void frmEditList::showPopUp(const QPoint &viewportPos)
{
    if (MSFlexGrid1->Rows() < 2)
        return;
    const int row = MSFlexGrid1->MouseRow(viewportPos);
    bool numeric = false;
    MSFlexGrid1->TextMatrix(row, ColWordId).toInt(&numeric);
    if (row < 1 || !numeric)
        return;
    MSFlexGrid1->setRow(row);
    mnuPopUp->popup(MSFlexGrid1->viewport()->mapToGlobal(viewportPos));
}

void frmEditList::TakeInNewWord(qint32 m_NewWordID)
{
    FlexGrid *g = MSFlexGrid1;
    const int r = g->AddItem();
    {
        const QSignalBlocker block(g);
        g->setTextMatrix(r, ColWord, GetWordText(m_program.store(), m_NewWordID));
        g->setTextMatrix(r, ColWordId, QString::number(m_NewWordID));
        g->setRow(r);
    }
    rowSelected();
}

void frmEditList::TakeInUpdatedWord(qint32 m_UpdatedWordID, const QString &word)
{
    Q_UNUSED(m_UpdatedWordID)
    const int row = MSFlexGrid1->Row();
    if (row >= 1)
        MSFlexGrid1->setTextMatrix(row, ColWord, word);
    rowSelected();
}

void frmEditList::SetFoucsHere()
{
    raise();
    activateWindow();
    MSFlexGrid1->setFocus();
}

void frmEditList::Form_Unload()
{
    m_closing = true;
    saveListName(); // a name still being typed is kept too
    emit closed(m_ListID);
}
