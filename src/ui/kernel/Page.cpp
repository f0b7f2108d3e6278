#include "ui/kernel/Page.h"

#include <QAbstractTextDocumentLayout>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QTextDocument>

namespace Page {

void setUp(QPagedPaintDevice &device)
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

} // namespace Page
