// The print preview, in its own module: Qt Print Support is mapped only when
// a family first looks at a page before printing it.
#include "ui/kernel/Page.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT void lettermarchPrintPreview(QWidget *parent, const QString &html, const QString &title)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    Page::setUp(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgPrintPreview"));
    dialog.setWindowTitle(title);
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&html](QPrinter *p) { Page::render(html, *p); });
    dialog.resize(800, 700);
    dialog.exec();
}
