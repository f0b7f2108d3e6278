#include "ui/lists/ListFiles.h"

#include "core/app/Program.h"
#include "core/data/Options.h"
#include "core/data/Store.h"
#include "core/exchange/ListExport.h"
#include "core/exchange/WordImport.h"
#include "core/lists/ListLanguage.h"
#include "core/lists/WeekDates.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/FileDialogs.h"
#include "ui/kernel/MessageBox.h"
#include "ui/lists/frmPasteWords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace AppFunctions;

namespace ListFiles {

namespace {
QString readFilter()
{
    return QCoreApplication::translate("ListFiles",
        "Word lists (*.csv *.kvtml);;CSV files (*.csv);;KDE vocabulary files "
        "(*.kvtml);;All files (*)");
}

// The file's name for the list: its test date, without characters a file
// name cannot hold.
QString suggestedName(Program &program, qint32 listId)
{
    QString name = ListExport::Title(program.store(), listId);
    for (QChar &c : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            c = u'-';
    }
    return name;
}

// Shows the preview of the file's words; the identifiers added.
QList<qint32> preview(Program &program, QWidget *parent, qint32 listId, const QDate *newListDates)
{
    const QString path
        = FileDialogs::openFile(parent, QCoreApplication::translate("ListFiles", "Import Words"), readFilter());
    if (path.isEmpty())
        return {};
    const ReadResult read = WordImport::ReadFile(path);
    if (!read.problem.isEmpty()) {
        MsgBox(read.problem + QCoreApplication::translate("ListFiles", "\n\nNothing was imported."), MsgButtons::OK,
            parent);
        return {};
    }
    auto *window = makeForm<frmPasteWords>(program);
    window->setParent(parent, Qt::Dialog);
    if (newListDates)
        // The list is named after the file: its own title, else its name.
        window->setNewList(newListDates[0], newListDates[1], newListDates[2],
            read.title.isEmpty() ? QFileInfo(path).completeBaseName() : read.title);
    else
        window->setListID(listId);
    window->setEntries(read.words, QFileInfo(path).fileName());
    QList<qint32> added;
    qint32 madeList = 0;
    QObject::connect(window, &frmPasteWords::wordsAdded, window, [&](qint32 list, const QList<qint32> &ids) {
        madeList = list;
        added = ids;
    });
    window->exec();
    if (madeList > 0) {
        try {
            ListLanguage::adopt(program.store(), madeList, read.language);
        } catch (const StoreError &e) {
            // The words are in; only the voice's language is left as it was.
            MsgBox(
                QCoreApplication::translate("ListFiles", "The list's language could not be saved: %1").arg(e.message()),
                MsgButtons::OK, parent);
        }
    }
    if (newListDates && madeList > 0)
        added.prepend(madeList);
    return added;
}
} // namespace

void exportList(Program &program, QWidget *parent, qint32 listId)
{
    QString path = FileDialogs::saveFile(parent, QCoreApplication::translate("ListFiles", "Export List"),
        suggestedName(program, listId) + QStringLiteral(".csv"),
        QCoreApplication::translate("ListFiles", "CSV files (*.csv);;KDE vocabulary files (*.kvtml)"));
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("csv") && suffix != QLatin1String("kvtml")) {
        path += QStringLiteral(".csv");
        // The file dialog asked about the name as typed, not about this one.
        if (QFileInfo(path).exists()
            && MsgBox(QCoreApplication::translate("ListFiles", "There is already a file %1. Replace it?")
                          .arg(QDir::toNativeSeparators(path)),
                   MsgButtons::YesNo, parent)
                != MsgAnswer::Yes)
            return;
    }
    const QString problem = ListExport::WriteFile(program.store(), listId, path, program.globals.gWavPath);
    MsgBox(problem.isEmpty()
            ? QCoreApplication::translate("ListFiles", "The list was saved as %1.").arg(QDir::toNativeSeparators(path))
            : problem,
        MsgButtons::OK, parent);
}

void exportWithRecordings(Program &program, QWidget *parent, qint32 listId)
{
    const QString parentFolder
        = FileDialogs::folder(parent, QCoreApplication::translate("ListFiles", "Export with Recordings"));
    if (parentFolder.isEmpty())
        return;
    const QString folder = QDir(parentFolder).filePath(suggestedName(program, listId));
    if (ListExport::FolderHoldsExport(folder)
        && MsgBox(QCoreApplication::translate(
                      "ListFiles", "The folder %1 already holds an export of this list. Replace it?")
                      .arg(QDir::toNativeSeparators(folder)),
               MsgButtons::YesNo, parent)
            != MsgAnswer::Yes)
        return;
    const QString problem = ListExport::WriteFolder(program.store(), listId, folder, program.globals.gWavPath);
    MsgBox(problem.isEmpty()
            ? QCoreApplication::translate("ListFiles", "The list and its recordings were saved in the folder %1.")
                  .arg(QDir::toNativeSeparators(folder))
            : problem,
        MsgButtons::OK, parent);
}

QList<qint32> importInto(Program &program, QWidget *parent, qint32 listId)
{
    return preview(program, parent, listId, nullptr);
}

qint32 importAsNewList(Program &program, QWidget *parent)
{
    const WeekDates::Week week = WeekDates::ProposedWeek(StoredTestDay(program.store()), program.clock().today());
    const QDate dates[3] = {week.start, week.end, week.test};
    const QList<qint32> made = preview(program, parent, 0, dates);
    return made.isEmpty() ? 0 : made.first();
}

} // namespace ListFiles
