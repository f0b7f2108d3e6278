#include "ui/shell/frmLists.h"

#include "core/app/Program.h"
#include "core/audio/Sound.h"
#include "core/data/ListNames.h"
#include "core/data/ListStore.h"
#include "core/data/Options.h"
#include "core/data/Store.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/MessageBox.h"
#include "ui/lists/ListFiles.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace AppFunctions;

namespace {
constexpr int ColTestDate = 0;
constexpr int ColWords = 1;
constexpr int ColTests = 2;
constexpr int ColListId = 3;
// The list's own name, after the hidden identifier so the first columns stay
// as they always were.
constexpr int ColName = 4;
constexpr int Cols = 5;

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    QPushButton *b = Controls::button(parent, name, caption, tip);
    b->setMinimumWidth(110);
    return b;
}
} // namespace

frmLists::frmLists(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmLists"));
    setWindowTitle(QStringLiteral("Lettermarch"));

    auto *central = new QWidget(this);
    setCentralWidget(central);

    Label1 = Controls::label(central, "Label1", tr("Existing Word Lists"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    MSFlexGrid1 = Controls::named<FlexGrid>(central, "MSFlexGrid1");
    MSFlexGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    Label1->setBuddy(MSFlexGrid1);

    cmdNewList = makeButton(central, "cmdNewList", tr("New List"), tr("Create a new word list"));
    cmdEditList = makeButton(central, "cmdEditList", tr("Edit List"), tr("Edit an existing word list"));
    cmdTest = makeButton(central, "cmdTest", tr("Test"), tr("Start a practice test"));
    cmdPastTests = makeButton(central, "cmdPastTests", tr("Past Tests"), tr("View details of previous tests"));
    cmdDeleteList = makeButton(central, "cmdDeleteList", tr("Delete List"), tr("Delete the selected word list"));
    cmdOptions = makeButton(central, "cmdOptions", tr("Options"), tr("Change configurations, settings, and defaults"));
    cmdExit = makeButton(central, "cmdExit", tr("Exit"), tr("Exit Lettermarch"));

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {cmdNewList, cmdEditList, cmdTest, cmdPastTests, cmdDeleteList})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdOptions);
    buttons->addWidget(cmdExit);

    auto *left = new QVBoxLayout;
    left->addWidget(Label1);
    left->addWidget(MSFlexGrid1, 1);

    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(12);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuLists = mnuFile->addMenu(tr("&Lists"));
    mnuLists->setObjectName(QStringLiteral("mnuLists"));
    mnuNewList = Controls::action(mnuLists, "mnuNewList", tr("&New List"));
    mnuEditList = Controls::action(mnuLists, "mnuEditList", tr("&Edit List"));
    mnuTest = Controls::action(mnuLists, "mnuTest", tr("&Test"));
    mnuPastTests = Controls::action(mnuLists, "mnuPastTests", tr("&Past Tests"));
    mnuDeleteList = Controls::action(mnuLists, "mnuDeleteList", tr("&Delete List"));
    mnuOptions = Controls::action(mnuLists, "mnuOptions", tr("&Options"));
    mnuTroubleWords = Controls::action(mnuFile, "mnuTroubleWords", tr("&Trouble Words..."));
    mnuFile->addSeparator();
    mnuImportList = Controls::action(mnuFile, "mnuImportList", tr("&Import a List..."));
    mnuExportList = Controls::action(mnuFile, "mnuExportList", tr("&Export the List..."));
    mnuPrintList = Controls::action(mnuFile, "mnuPrintList", tr("&Print a Paper Test..."));
    mnuPrintList->setShortcut(QKeySequence::Print);
    mnuFile->addSeparator();
    mnuRestoreBackup = Controls::action(mnuFile, "mnuRestoreBackup", tr("&Restore a Backup..."));
    mnuFile->addSeparator();
    // Shown by the shell when the program keeps a family's children.
    mnuCopyToChild = Controls::action(mnuFile, "mnuCopyToChild", tr("&Copy the List to Another Child..."));
    mnuSwitchChild = Controls::action(mnuFile, "mnuSwitchChild", tr("S&witch Child..."));
    mnuCopyToChild->setVisible(false);
    mnuAddChild = Controls::action(mnuFile, "mnuAddChild", tr("A&dd a Child..."));
    mnuSwitchChild->setVisible(false);
    mnuAddChild->setVisible(false);
    mnuD3 = mnuFile->addSeparator();
    mnuD3->setVisible(false);
    mnuExit = Controls::action(mnuFile, "mnuExit", tr("E&xit"));
    mnuH = menuBar()->addMenu(tr("Help"));
    mnuH->setObjectName(QStringLiteral("mnuH"));
    mnuHelp = Controls::action(mnuH, "mnuHelp", tr("Show Help"));
    mnuD2 = mnuH->addSeparator();
    mnuD2->setObjectName(QStringLiteral("mnuD2"));
    mnuAbout = Controls::action(mnuH, "mnuAbout", tr("About"));

    connect(cmdNewList, &QPushButton::clicked, this, &frmLists::NewList);
    connect(cmdEditList, &QPushButton::clicked, this, &frmLists::EditList);
    connect(cmdTest, &QPushButton::clicked, this, &frmLists::Test);
    connect(cmdPastTests, &QPushButton::clicked, this, &frmLists::PastTests);
    connect(cmdDeleteList, &QPushButton::clicked, this, &frmLists::DeleteList);
    connect(cmdOptions, &QPushButton::clicked, this, &frmLists::Options);
    connect(cmdExit, &QPushButton::clicked, this, &frmLists::Exit);
    connect(mnuNewList, &QAction::triggered, this, &frmLists::NewList);
    connect(mnuEditList, &QAction::triggered, this, &frmLists::EditList);
    connect(mnuTest, &QAction::triggered, this, &frmLists::Test);
    connect(mnuPastTests, &QAction::triggered, this, &frmLists::PastTests);
    connect(mnuDeleteList, &QAction::triggered, this, &frmLists::DeleteList);
    connect(mnuOptions, &QAction::triggered, this, &frmLists::Options);
    connect(mnuExit, &QAction::triggered, this, &frmLists::Exit);
    connect(mnuRestoreBackup, &QAction::triggered, this, &frmLists::RestoreBackup);
    connect(mnuTroubleWords, &QAction::triggered, this, &frmLists::troubleWordsRequested);
    connect(mnuSwitchChild, &QAction::triggered, this, &frmLists::switchChildRequested);
    connect(mnuAddChild, &QAction::triggered, this, &frmLists::addChildRequested);
    connect(mnuCopyToChild, &QAction::triggered, this,
        [this] { emit copyToChildRequested(m_program.globals.gCurrentListID); });
    connect(mnuImportList, &QAction::triggered, this, &frmLists::ImportList);
    connect(mnuExportList, &QAction::triggered, this, &frmLists::ExportList);
    connect(mnuPrintList, &QAction::triggered, this, &frmLists::PrintList);
    connect(mnuHelp, &QAction::triggered, this, &frmLists::ShowHelp);
    connect(mnuAbout, &QAction::triggered, this, &frmLists::About);

    connect(MSFlexGrid1, &FlexGrid::SelectionChanged, this, &frmLists::SelectionChanged);
    connect(MSFlexGrid1, &QWidget::customContextMenuRequested, this, &frmLists::showListsMenu);
    // Opening a list is what a double click or Enter on it most likely means.
    connect(MSFlexGrid1, &QAbstractItemView::activated, this, [this] { EditList(); });

    ClearGrid();
    setTabOrder(MSFlexGrid1, cmdNewList);
}

void frmLists::Form_Load()
{
    // The window keeps its design size: the grid's columns and the buttons.
    MSFlexGrid1->setMinimumSize(MSFlexGrid1->widthForColumns(2100 + 1800 + 1800 + 2700), 300);
    setFixedSize(sizeHint());
}

void frmLists::ClearGrid()
{
    FlexGrid *g = MSFlexGrid1;
    g->Clear();
    g->setRows(1);
    g->setCols(Cols);
    g->setTextMatrix(0, ColTestDate, tr("School Test Date"));
    g->setTextMatrix(0, ColWords, tr("Words"));
    g->setTextMatrix(0, ColTests, tr("Tests"));
    g->setTextMatrix(0, ColName, tr("Name"));
    const int widths[Cols] = {2100, 1800, 1800, 1, 2700};
    for (int c = 0; c < Cols; ++c) {
        g->setColAlignment(c, Qt::AlignLeft | Qt::AlignVCenter);
        g->setColWidth(c, widths[c]);
    }
}

void frmLists::LoadWordLists()
{
    ClearGrid();
    Store &store = m_program.store();
    FlexGrid *g = MSFlexGrid1;
    {
        const QSignalBlocker block(g);
        g->setUpdatesEnabled(false);
        const QList<ListSummary> lists = ListSummaries(store);
        // All rows at once: growing the grid a row at a time costs far more.
        g->setRows(int(lists.size()) + 1);
        QList<QStringList> rows;
        rows.reserve(lists.size());
        for (const ListSummary &list : lists) {
            QStringList row(Cols);
            row[ColTestDate] = list.testDate;
            row[ColWords] = QString::number(list.words);
            row[ColTests] = QString::number(list.tests);
            row[ColListId] = QString::number(list.listId);
            row[ColName] = list.name;
            rows << row;
        }
        g->fillRows(1, rows);
        g->setRow(g->Rows() > 1 ? 1 : 0);
        g->setUpdatesEnabled(true);
    }
    SelectionChanged();
}

QString frmLists::selectedListId() const
{
    return MSFlexGrid1->TextMatrix(MSFlexGrid1->Row(), ColListId);
}

void frmLists::SelectionChanged()
{
    const QString id = selectedListId();
    const bool selected = !id.isEmpty();
    if (selected)
        m_program.globals.gCurrentListID = id.toInt();
    for (QPushButton *b : {cmdEditList, cmdTest, cmdPastTests, cmdDeleteList})
        b->setEnabled(selected);
    for (QAction *a : {mnuEditList, mnuTest, mnuPastTests, mnuDeleteList})
        a->setEnabled(selected);
}

void frmLists::showListsMenu(const QPoint &viewportPos)
{
    if (MSFlexGrid1->Rows() < 2)
        return;
    const int row = MSFlexGrid1->MouseRow(viewportPos);
    if (row <= 0)
        return;
    if (row != MSFlexGrid1->Row())
        MSFlexGrid1->setRow(row);
    // The new current row is drawn before the menu opens over it.
    DoEvents(4);
    mnuLists->popup(MSFlexGrid1->viewport()->mapToGlobal(viewportPos));
}

bool frmLists::parentAllowed()
{
    return !m_parentCheck || m_parentCheck();
}

void frmLists::NewList()
{
    if (!parentAllowed())
        return;
    hide();
    LaunchNewList();
}

void frmLists::LaunchNewList()
{
    emit newListRequested();
}

void frmLists::TakeInNewList(qint32 listId)
{
    m_program.globals.gCurrentListID = listId;
    FlexGrid *g = MSFlexGrid1;
    const int r = g->AddItem();
    {
        const QSignalBlocker block(g);
        g->setTextMatrix(r, ColTestDate, GetListTestDate(m_program.store(), listId));
        g->setTextMatrix(r, ColWords, QStringLiteral("0"));
        g->setTextMatrix(r, ColTests, QStringLiteral("0"));
        g->setTextMatrix(r, ColListId, QString::number(listId));
        g->setTextMatrix(r, ColName, ListNames::of(m_program.store(), listId));
    }
    if (g->Rows() == 2) {
        g->setRow(1);
        SelectionChanged();
    }
    emit editListRequested(listId);
}

void frmLists::EditList()
{
    if (!parentAllowed())
        return;
    const QString id = selectedListId();
    if (id.isEmpty()) {
        MsgBox(tr("Please select a list to edit."), MsgButtons::OK, this);
        return;
    }
    hide();
    m_program.globals.gCurrentListID = id.toInt();
    emit editListRequested(id.toInt());
}

void frmLists::Test()
{
    if (selectedListId().isEmpty()) {
        MsgBox(tr("Please select a list to test."), MsgButtons::OK, this);
        return;
    }
    hide();
    if (m_program.globals.gSkipTestSetup) {
        emit testRequested(LoadDefaultOptions(m_program.store()));
        return;
    }
    emit testSetupRequested();
}

void frmLists::ImportList()
{
    if (!parentAllowed())
        return;
    const qint32 listId = ListFiles::importAsNewList(m_program, this);
    if (listId <= 0)
        return;
    LoadWordLists();
    for (int r = 1; r < MSFlexGrid1->Rows(); ++r) {
        if (MSFlexGrid1->TextMatrix(r, ColListId).toInt() == listId)
            MSFlexGrid1->setRow(r);
    }
    hide();
    m_program.globals.gCurrentListID = listId;
    emit editListRequested(listId);
}

void frmLists::ExportList()
{
    const QString id = selectedListId();
    if (id.isEmpty()) {
        MsgBox(tr("Please select a list."), MsgButtons::OK, this);
        return;
    }
    ListFiles::exportList(m_program, this, id.toInt());
}

void frmLists::PrintList()
{
    const QString id = selectedListId();
    if (id.isEmpty()) {
        MsgBox(tr("Please select a list."), MsgButtons::OK, this);
        return;
    }
    emit printRequested(id.toInt());
}

void frmLists::PastTests()
{
    const QString id = selectedListId();
    if (id.isEmpty()) {
        MsgBox(tr("Please select a list."), MsgButtons::OK, this);
        return;
    }
    hide();
    emit pastTestsRequested(id.toInt());
}

void frmLists::DeleteList()
{
    if (!parentAllowed())
        return;
    const QString id = selectedListId();
    if (id.isEmpty()) {
        MsgBox(tr("Please select a list to delete."), MsgButtons::OK, this);
        return;
    }
    if (MsgBox(tr("Do you want to delete this list and all of it's words?"), MsgButtons::YesNo, this) != MsgAnswer::Yes)
        return;
    ::DeleteList(m_program.store(), id.toInt(), m_program.globals.gWavPath);
    LoadWordLists();
}

void frmLists::Options()
{
    if (!parentAllowed())
        return;
    emit optionsRequested();
}

void frmLists::RestoreBackup()
{
    if (!parentAllowed())
        return;
    emit restoreRequested();
}

void frmLists::ShowHelp()
{
    emit helpRequested();
}

void frmLists::About()
{
    emit aboutRequested();
}

void frmLists::Exit()
{
    close();
}

void frmLists::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        m_hiddenAt = pos();
    Form<QMainWindow>::hideEvent(event);
}

void frmLists::SetFocusHere()
{
    if (isHidden()) {
        show();
        // Back where it was, and wholly on the screen (a window manager may
        // place a window shown again anywhere, at a large scale partly off it).
        if (m_hiddenAt)
            Controls::placeOnScreen(this, *m_hiddenAt);
    }
    // The window is shown and active before it takes the focus.
    DoEvents(5);
    MSFlexGrid1->setFocus();
}

void frmLists::UpdateList(const QVariant &m_ListID)
{
    const QString key = m_ListID.toString();
    for (int r = 1; r < MSFlexGrid1->Rows(); ++r) {
        if (MSFlexGrid1->TextMatrix(r, ColListId) == key) {
            MSFlexGrid1->setTextMatrix(r, ColWords, QString::number(CountListWords(m_program.store(), key.toInt())));
            MSFlexGrid1->setTextMatrix(r, ColTests, QString::number(CountListTests(m_program.store(), key.toInt())));
            MSFlexGrid1->setTextMatrix(
                r, ColName, ListNames::of(m_program.store(), key.toInt())); // renamed in the editor
        }
    }
}

void frmLists::IncrementListTests(const QVariant &m_ListID)
{
    const QString key = m_ListID.toString();
    for (int r = 1; r < MSFlexGrid1->Rows(); ++r) {
        if (MSFlexGrid1->TextMatrix(r, ColListId) == key)
            MSFlexGrid1->setTextMatrix(r, ColTests, QString::number(MSFlexGrid1->TextMatrix(r, ColTests).toInt() + 1));
    }
}

void frmLists::Form_Unload()
{
    // Shut-down: nothing here may stop the program from ending.
    try {
        m_program.devices().CloseRecording();
    } catch (...) { }
    emit closing();
}
