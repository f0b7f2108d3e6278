#pragma once

#include <QString>

class QPagedPaintDevice;

// How an HTML page goes on paper, alike for a PDF file and for the printer.
namespace Page {
// Letter or A4 as the system prefers, with margins a child's pencil needs.
void setUp(QPagedPaintDevice &device);
void render(const QString &html, QPagedPaintDevice &device);
} // namespace Page
