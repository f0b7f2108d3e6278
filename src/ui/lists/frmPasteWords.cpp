#include "ui/lists/frmPasteWords.h"

#include "core/app/Program.h"
#include "core/audio/RecordingFiles.h"
#include "core/data/ListNames.h"
#include "core/data/Store.h"
#include "core/data/StoreDates.h"
#include "core/lists/WordStore.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace AppFunctions;
using namespace Controls;

frmPasteWords::frmPasteWords(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmPasteWords"));
    setWindowTitle(tr("Paste Words"));
    setModal(true);

    txtPaste = named<QPlainTextEdit>(this, "txtPaste");
    txtPaste->setPlaceholderText(tr("because\tfor the reason that\tI stayed in because it rained."));
    txtPaste->setTabChangesFocus(false);
    lblHint = label(this, "lblHint",
        tr("&Paste or type one word a line. After the word, a definition and a sentence may follow, "
           "separated by tabs (as a spreadsheet copies them), \" - \" or \";\". Ctrl+Tab leaves the box."),
        txtPaste);
    lblHint->setWordWrap(true);
    grdPreview = named<QTableWidget>(this, "grdPreview");
    grdPreview->setColumnCount(ColumnCount);
    grdPreview->setHorizontalHeaderLabels(
        {tr("Word"), tr("Definition"), tr("Sentence"), tr("Case Sensitive"), tr("Skipped Because")});
    grdPreview->horizontalHeaderItem(ColCase)->setToolTip(tr("Tick the words that must be typed in the "
                                                             "right case"));
    grdPreview->verticalHeader()->hide();
    grdPreview->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdPreview->setWordWrap(false);
    // The clues share the width; the word, the tick and the reason take what they need.
    for (int c : {int(ColWord), int(ColCase), int(ColSkipped)})
        grdPreview->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    for (int c : {int(ColDefinition), int(ColSentence)})
        grdPreview->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
    lblSummary = label(this, "lblSummary", {});
    lblSummary->setWordWrap(true);
    cmdAdd = button(this, "cmdAdd", tr("&Add"), tr("Add the words not skipped to the list"));
    cmdAdd->setDefault(false);
    cmdCancel = button(this, "cmdCancel", tr("Cancel"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblSummary, 1);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblHint);
    layout->addWidget(txtPaste, 2);
    layout->addWidget(grdPreview, 3);
    layout->addLayout(buttons);

    // The preview follows the text once typing pauses: a long paste is read once.
    m_typing = new QTimer(this);
    m_typing->setSingleShot(true);
    m_typing->setInterval(250);
    connect(m_typing, &QTimer::timeout, this, &frmPasteWords::refresh);
    connect(txtPaste, &QPlainTextEdit::textChanged, m_typing, qOverload<>(&QTimer::start));
    connect(grdPreview, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (item->column() == ColCase && item->row() < m_rows.size())
            m_ticked.insert(m_rows.at(item->row()).entry.word, item->checkState() == Qt::Checked);
    });
    connect(cmdAdd, &QPushButton::clicked, this, &frmPasteWords::add);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 520);
    refresh();
}

void frmPasteWords::setListID(qint32 listId)
{
    m_listId = listId;
    refresh();
}

void frmPasteWords::setNewList(const QDate &weekStart, const QDate &weekEnd, const QDate &testDate, const QString &name)
{
    m_listId = 0;
    m_weekStart = weekStart;
    m_weekEnd = weekEnd;
    m_testDate = testDate;
    m_listName = name;
    refresh();
}

void frmPasteWords::setEntries(const QList<WordEntry> &words, const QString &fileName)
{
    m_imported = true;
    m_entries = words;
    setWindowTitle(tr("Import Words"));
    txtPaste->hide();
    lblHint->setText(m_listId > 0
            ? tr("The words of %1, to be added to this list:").arg(fileName)
            : tr("The words of %1, to make a new list for the test on %2:")
                  .arg(fileName, ListNames::titled(StoreDates::numericDate(m_testDate), m_listName)));
    refresh();
}

void frmPasteWords::refresh()
{
    if (!m_imported)
        m_entries = WordImport::ParsePasted(txtPaste->toPlainText());
    if (m_entries.size() > WordImport::MaxWords) {
        m_rows.clear();
        showRows();
        lblSummary->setText(
            tr("That is %1 lines; a list holds at most %2 words.").arg(m_entries.size()).arg(WordImport::MaxWords));
        cmdAdd->setEnabled(false);
        return;
    }
    m_rows = WordImport::Preview(
        m_program.store(), m_listId, m_entries, m_program.globals.gWavPath, m_program.globals.gVoice.enabled);
    showRows();
}

void frmPasteWords::showRows()
{
    const QSignalBlocker block(grdPreview);
    // Filled in one pass: columns sized to their contents would be measured
    // again for every cell set (a thousand rows took seconds).
    QHeaderView *header = grdPreview->horizontalHeader();
    grdPreview->setUpdatesEnabled(false);
    for (int c : {int(ColWord), int(ColCase), int(ColSkipped)})
        header->setSectionResizeMode(c, QHeaderView::Interactive);
    for (WordImport::PreviewRow &row : m_rows)
        row.entry.caseSensitive = m_ticked.value(row.entry.word, row.entry.caseSensitive);
    grdPreview->setRowCount(int(m_rows.size()));
    qsizetype added = 0;
    for (int r = 0; r < m_rows.size(); ++r) {
        const WordImport::PreviewRow &row = m_rows.at(r);
        const bool skipped = !row.skipReason.isEmpty();
        added += skipped ? 0 : 1;
        const QStringList texts {row.entry.word, row.entry.definition, row.entry.sentence};
        for (int c = ColWord; c <= ColSentence; ++c) {
            auto *item = new QTableWidgetItem(texts.at(c));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (skipped)
                item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            grdPreview->setItem(r, c, item);
        }
        auto *check = new QTableWidgetItem;
        check->setFlags(
            skipped ? Qt::ItemIsSelectable : Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        check->setCheckState(row.entry.caseSensitive ? Qt::Checked : Qt::Unchecked);
        grdPreview->setItem(r, ColCase, check);
        auto *reason = new QTableWidgetItem(row.note.isEmpty() ? row.skipReason
                : row.skipReason.isEmpty()                     ? row.note
                                                               : row.skipReason + QStringLiteral("; ") + row.note);
        reason->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        grdPreview->setItem(r, ColSkipped, reason);
    }
    for (int c : {int(ColWord), int(ColCase), int(ColSkipped)})
        header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    grdPreview->setUpdatesEnabled(true);
    const qsizetype skipped = m_rows.size() - added;
    QString summary = m_rows.isEmpty() ? tr("No words yet.") : tr("%1 to add, %2 skipped.").arg(added).arg(skipped);
    // Most school lists are bare words: say how to take them.
    if (std::any_of(m_rows.cbegin(), m_rows.cend(),
            [](const WordImport::PreviewRow &r) { return r.skipReason == WordImport::NeedsClue; }))
        summary += tr(" Words without a clue are added when the computer voice is on (Options, "
                      "Voice tab): it then says them in the test.");
    lblSummary->setText(summary);
    cmdAdd->setEnabled(added > 0);
}

void frmPasteWords::add()
{
    m_typing->stop();
    refresh(); // what is stored is what the preview shows now, ticks included
    QList<qint32> ids;
    qint32 listId = m_listId;
    try {
        if (listId <= 0) {
            ids = WordImport::AddNewList(
                m_program.store(), m_weekStart, m_weekEnd, m_testDate, m_program.clock().now(), m_rows, m_listName);
            listId = ids.takeFirst();
        } else {
            ids = WordImport::AddWords(m_program.store(), listId, m_rows);
        }
    } catch (const StoreError &e) {
        MsgBox(tr("Nothing was added: %1").arg(e.message()), MsgButtons::OK, this);
        return;
    }
    m_listId = listId;
    copyRecordings();
    emit wordsAdded(listId, ids);
    accept();
}

void frmPasteWords::copyRecordings()
{
    QList<std::pair<QString, QString>> recordings;
    for (const WordImport::PreviewRow &row : std::as_const(m_rows)) {
        if (row.skipReason.isEmpty() && !row.entry.recording.isEmpty())
            recordings.append({row.entry.word, row.entry.recording});
    }
    const QStringList failed = PutRecordings(recordings, m_program.globals.gWavPath, [this](const QString &word) {
        return MsgBox(tr("There is already a recording of \"%1\". Replace it with the one from the "
                         "imported file?")
                          .arg(word),
                   MsgButtons::YesNo, this)
            == MsgAnswer::Yes;
    });
    if (!failed.isEmpty())
        MsgBox(tr("The words were added, but the recordings of these could not be copied: %1")
                   .arg(failed.join(QStringLiteral(", "))),
            MsgButtons::OK, this);
}
