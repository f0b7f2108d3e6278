#pragma once

#include <QList>

class Program;
class QWidget;

// A list to and from files, asked from the list editor and the main window
// alike: each asks for the file, tells the user what went wrong, and
// returns what was done.
namespace ListFiles {

// Export to .csv or .kvtml (chosen by the name), or to a folder with the
// recordings.
void exportList(Program &program, QWidget *parent, qint32 listId);
void exportWithRecordings(Program &program, QWidget *parent, qint32 listId);

// Import a file's words into the list (previewed first); the identifiers
// of the words added.
QList<qint32> importInto(Program &program, QWidget *parent, qint32 listId);
// Import a file as a new list with the dates New List proposes; its
// identifier, or 0 when nothing was made.
qint32 importAsNewList(Program &program, QWidget *parent);

} // namespace ListFiles
