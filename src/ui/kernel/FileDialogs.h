#pragma once

#include <QString>

#include <functional>

class QWidget;

// The program's file choices: a file to read, a file to write, a folder.
// Each returns the chosen path, or empty when cancelled. The last folder
// used is offered next time.
namespace FileDialogs {

QString openFile(QWidget *parent, const QString &caption, const QString &filter);
// `suggested` is a file name; the dialog asks before replacing a file.
QString saveFile(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter);
QString folder(QWidget *parent, const QString &caption);

} // namespace FileDialogs

// Tests answer in place of the dialog: the handler gets the caption and
// returns the path (empty: cancelled).
namespace FileDialogsSeam {
using Handler = std::function<QString(const QString &caption)>;
void setHandler(Handler handler);
} // namespace FileDialogsSeam
