#include "Printing.h"

#include "FileDialogs.h"
#include "MessageBox.h"

#include "data/WholeFile.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

namespace {
// Letter or A4 as the system prefers, with margins a child's pencil needs.
void setPage(QPagedPaintDevice &device)
{
    const QPageSize size(
        QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
    device.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
}

void render(const QString &html, QPagedPaintDevice &device)
{
    QTextDocument document;
    // Laid out on the page itself: points are the page's points, and the
    // text fills the width between the margins (unpaginated, the document
    // would add 2 cm more on every side).
    document.documentLayout()->setPaintDevice(&device);
    document.setPageSize(device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    document.setDocumentMargin(0);
    QFont font = document.defaultFont();
    font.setPointSizeF(14); // large enough for a young writer
    document.setDefaultFont(font);
    document.setHtml(html);
    document.print(&device);
}
} // namespace

namespace Printing {

void preview(QWidget *parent, const QString &html, const QString &title)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    setPage(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgPrintPreview"));
    dialog.setWindowTitle(title);
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&html](QPrinter *p) { render(html, *p); });
    dialog.resize(800, 700);
    dialog.exec();
}

QString savePdf(const QString &html, const QString &path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir() || !folder.isWritable())
        return QStringLiteral("The PDF file cannot be written in the folder %1.")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    // Made in memory first, so a full disk cannot leave half a file, nor
    // take the earlier one with it.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setCreator(QStringLiteral("Lettermarch"));
        pdf.setResolution(300);
        setPage(pdf);
        render(html, pdf);
    }
    if (const QString why = WriteWholeFile(path, bytes.data()); !why.isEmpty() || bytes.data().isEmpty())
        return QStringLiteral("The PDF file %1 could not be written: %2")
            .arg(QDir::toNativeSeparators(path), why.isEmpty() ? QStringLiteral("nothing was made.") : why);
    return {};
}

void askAndSavePdf(QWidget *parent, const QString &caption, const QString &name, const QString &html)
{
    QString path = FileDialogs::saveFile(parent, caption, name, QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (const QString problem = savePdf(html, path); !problem.isEmpty())
        MsgBox(problem, MsgButtons::OK, parent);
}

} // namespace Printing
