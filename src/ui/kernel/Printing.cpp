#include "ui/kernel/Printing.h"

#include "ui/kernel/FileDialogs.h"
#include "ui/kernel/MessageBox.h"
#include "ui/kernel/Modules.h"
#include "ui/kernel/Page.h"

#include "core/data/WholeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>

namespace Printing {

void preview(QWidget *parent, const QString &html, const QString &title)
{
    if (const QString problem = Modules::printPreview(parent, html, title); !problem.isEmpty())
        MsgBox(problem, MsgButtons::OK, parent);
}

QString savePdf(const QString &html, const QString &path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir() || !folder.isWritable())
        return QCoreApplication::translate("Printing", "The PDF file cannot be written in the folder %1.")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    // Made in memory first, so a full disk cannot leave half a file, nor
    // take the earlier one with it.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setCreator(QStringLiteral("Lettermarch"));
        pdf.setResolution(300);
        Page::setUp(pdf);
        Page::render(html, pdf);
    }
    if (const QString why = WriteWholeFile(path, bytes.data()); !why.isEmpty() || bytes.data().isEmpty())
        return QCoreApplication::translate("Printing", "The PDF file %1 could not be written: %2")
            .arg(QDir::toNativeSeparators(path),
                why.isEmpty() ? QCoreApplication::translate("Printing", "nothing was made.") : why);
    return {};
}

void askAndSavePdf(QWidget *parent, const QString &caption, const QString &name, const QString &html)
{
    QString path
        = FileDialogs::saveFile(parent, caption, name, QCoreApplication::translate("Printing", "PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (const QString problem = savePdf(html, path); !problem.isEmpty())
        MsgBox(problem, MsgButtons::OK, parent);
}

} // namespace Printing
