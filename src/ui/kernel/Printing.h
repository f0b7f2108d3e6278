#pragma once

#include <QString>

class QWidget;

// Puts an HTML page on paper: shown in a print preview first (from which
// it is printed), or written straight to a PDF file.
namespace Printing {

void preview(QWidget *parent, const QString &html, const QString &title);
// Returns a message for the user on failure, else empty.
QString savePdf(const QString &html, const QString &path);
// Asks where (suggesting `name`, ".pdf" added when missing), writes the
// PDF there and tells the user when it could not be written.
void askAndSavePdf(QWidget *parent, const QString &caption, const QString &name, const QString &html);

} // namespace Printing
