#include "ui/results/frmTroubleWords.h"

#include "core/app/Program.h"
#include "core/data/ListNames.h"
#include "core/data/ListStore.h"
#include "core/data/StoreDates.h"
#include "core/results/TroubleWords.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/MessageBox.h"
#include "ui/results/frmChooseWords.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace AppFunctions;
using namespace Controls;

namespace {
// More would be a table nobody reads; the worst come first.
constexpr qint32 Shown = 100;

// A cell that sorts by its number, not by its text.
QTableWidgetItem *numberItem(qint32 value)
{
    auto *item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// A list's test date, shown in the short date form and sorted as a date.
QTableWidgetItem *dateItem(const QDate &date)
{
    auto *item = new QTableWidgetItem;
    if (date.isValid())
        item->setData(Qt::DisplayRole, date);
    else
        item->setText(StoreDates::unreadable());
    return item;
}
} // namespace

frmTroubleWords::frmTroubleWords(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmTroubleWords"));
    Controls::closeOnEscape(this);
    setWindowTitle(tr("Trouble Words"));
    auto *central = new QWidget(this);
    setCentralWidget(central);

    cboList = named<QComboBox>(central, "cboList");
    cboList->setToolTip(tr("The word list whose words are shown"));
    // Whose words, in a family of several children.
    const QString child = program.globals.gChildName;
    lblList = label(central, "lblList", child.isEmpty() ? tr("&Words of:") : tr("%1's &words of:").arg(child), cboList);
    grdWords = named<QTableWidget>(central, "grdWords");
    grdWords->setColumnCount(ColumnCount);
    grdWords->setHorizontalHeaderLabels({tr("Word"), tr("List"), tr("Wrong Answers"), tr("Tests"), tr("First Try"),
        tr("Moved On"), tr("Most Frequent Misspelling")});
    grdWords->horizontalHeaderItem(ColList)->setToolTip(tr("The school test date of the word's list"));
    grdWords->horizontalHeaderItem(ColWrong)->setToolTip(tr("Wrong answers over all tests"));
    grdWords->horizontalHeaderItem(ColTests)->setToolTip(tr("Finished tests that asked the word"));
    grdWords->horizontalHeaderItem(ColFirstTry)->setToolTip(tr("Tests in which it was right at the first try"));
    grdWords->horizontalHeaderItem(ColMovedOn)
        ->setToolTip(tr("Tests in which it was not spelled correctly in the answers allowed"));
    grdWords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdWords->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdWords->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdWords->setSortingEnabled(true);
    grdWords->verticalHeader()->hide();
    grdWords->horizontalHeader()->setStretchLastSection(true);
    grdWords->setAlternatingRowColors(true);
    grdWords->resizeColumnsToContents(); // the headings, before any word is in
    lblNote = label(central, "lblNote", {});

    cmdOpenList
        = button(central, "cmdOpenList", tr("&Open List"), tr("Open the selected word's list in the list editor"));
    cmdPractise = button(central, "cmdPractise", tr("&Practise Missed Words..."),
        tr("A practice test of the selected words of one list"));
    cmdClose = button(central, "cmdClose", tr("Close"));

    auto *top = new QHBoxLayout;
    top->addWidget(lblList);
    top->addWidget(cboList, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdOpenList);
    buttons->addWidget(cmdPractise);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(central);
    layout->addLayout(top);
    layout->addWidget(grdWords, 1);
    layout->addWidget(lblNote);
    layout->addLayout(buttons);

    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuOpenList = action(mnuFile, "mnuOpenList", tr("&Open List"));
    mnuPractise = action(mnuFile, "mnuPractise", tr("&Practise Missed Words..."));
    mnuFile->addSeparator();
    mnuExit = action(mnuFile, "mnuExit", tr("E&xit"));

    connect(cmdOpenList, &QPushButton::clicked, this, &frmTroubleWords::openList);
    connect(mnuOpenList, &QAction::triggered, this, &frmTroubleWords::openList);
    connect(cmdPractise, &QPushButton::clicked, this, &frmTroubleWords::practise);
    connect(mnuPractise, &QAction::triggered, this, &frmTroubleWords::practise);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(grdWords, &QTableWidget::cellActivated, this, &frmTroubleWords::openList);
    connect(grdWords, &QTableWidget::itemSelectionChanged, this, &frmTroubleWords::updateButtons);
    connect(cboList, &QComboBox::activated, this, &frmTroubleWords::fill);

    cboList->addItem(tr("All lists"), 0);
    for (const ListSummary &list : ListSummaries(m_program.store()))
        cboList->addItem(tr("The list for %1").arg(ListNames::titled(list.testDate, list.name)), list.listId);
    resize(780, 440);
}

void frmTroubleWords::setListID(qint32 listId)
{
    const int index = cboList->findData(listId);
    cboList->setCurrentIndex(index < 0 ? 0 : index);
    fill();
}

qint32 frmTroubleWords::ListID() const
{
    return cboList->currentData().toInt();
}

void frmTroubleWords::fill()
{
    const QList<TroubleWord> words = TroubleWords(m_program.store(), ListID(), Shown);
    grdWords->setSortingEnabled(false);
    grdWords->clearContents();
    grdWords->setRowCount(int(words.size()));
    for (int r = 0; r < words.size(); ++r) {
        const TroubleWord &w = words.at(r);
        auto *word = new QTableWidgetItem(w.word);
        word->setData(Qt::UserRole, w.wordId);
        word->setData(Qt::UserRole + 1, w.listId);
        grdWords->setItem(r, ColWord, word);
        grdWords->setItem(r, ColList, dateItem(w.testDate));
        grdWords->setItem(r, ColWrong, numberItem(w.incorrect));
        grdWords->setItem(r, ColTests, numberItem(w.testsTaken));
        grdWords->setItem(r, ColFirstTry, numberItem(w.firstTry));
        grdWords->setItem(r, ColMovedOn, numberItem(w.movedOn));
        grdWords->setItem(r, ColMisspelling, new QTableWidgetItem(w.commonMisspelling));
    }
    // The order the query gave (most wrong answers first) until the parent
    // clicks a heading.
    grdWords->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    grdWords->setSortingEnabled(true);
    grdWords->resizeColumnsToContents();
    grdWords->setColumnHidden(ColList, ListID() != 0);
    if (words.isEmpty())
        lblNote->setText(tr("No word has had a wrong answer yet."));
    else if (words.size() == Shown)
        lblNote->setText(tr("The %1 words with the most wrong answers.").arg(Shown));
    else
        lblNote->clear();
    lblNote->setVisible(!lblNote->text().isEmpty());
    if (!words.isEmpty())
        grdWords->selectRow(0);
    updateButtons();
}

qint32 frmTroubleWords::listOfRow(int row) const
{
    return grdWords->item(row, ColWord)->data(Qt::UserRole + 1).toInt();
}

qint32 frmTroubleWords::wordOfRow(int row) const
{
    return grdWords->item(row, ColWord)->data(Qt::UserRole).toInt();
}

void frmTroubleWords::updateButtons()
{
    const bool any = grdWords->currentRow() >= 0 && grdWords->rowCount() > 0;
    for (QWidget *w : {static_cast<QWidget *>(cmdOpenList), static_cast<QWidget *>(cmdPractise)})
        w->setEnabled(any);
    mnuOpenList->setEnabled(any);
    mnuPractise->setEnabled(any);
}

void frmTroubleWords::openList()
{
    const int row = grdWords->currentRow();
    if (row < 0 || row >= grdWords->rowCount()) {
        MsgBox(tr("Please select a word."), MsgButtons::OK, this);
        return;
    }
    emit openListRequested(listOfRow(row));
}

void frmTroubleWords::practise()
{
    const int current = grdWords->currentRow();
    if (current < 0 || current >= grdWords->rowCount()) {
        MsgBox(tr("Please select a word."), MsgButtons::OK, this);
        return;
    }
    // A test asks the words of one list: the list of the current row.
    const qint32 listId = listOfRow(current);
    QSet<qint32> selected;
    for (const QModelIndex &index : grdWords->selectionModel()->selectedRows())
        if (listOfRow(index.row()) == listId)
            selected.insert(wordOfRow(index.row()));
    // One word selected is where the cursor happens to be: all of the
    // list's trouble words are offered ticked.
    const bool tickAll = selected.size() <= 1;
    QList<frmChooseWords::Word> words;
    for (int r = 0; r < grdWords->rowCount(); ++r) {
        if (listOfRow(r) != listId)
            continue;
        const qint32 id = wordOfRow(r);
        words.append({id, grdWords->item(r, ColWord)->text(), tr("%1 wrong").arg(grdWords->item(r, ColWrong)->text()),
            tickAll || selected.contains(id)});
    }
    const QVariant testDate = grdWords->item(current, ColList)->data(Qt::DisplayRole);
    const QString name = ListNames::of(m_program.store(), listId);
    // Whole sentences, each translated as one.
    const QString hint = testDate.typeId() == QMetaType::QDate
        ? tr("Tick the words of the list for %1 to practise:")
              .arg(ListNames::titled(QLocale().toString(testDate.toDate(), QLocale::ShortFormat), name))
        : name.isEmpty() ? tr("Tick the words of this list to practise:")
                         : tr("Tick the words of %1 to practise:").arg(name);
    const QList<qint32> chosen = frmChooseWords::ask(this, hint, words);
    if (!chosen.isEmpty())
        emit practiseRequested(listId, chosen);
}
