#include "ui/kernel/FlexGrid.h"

#include <QHeaderView>
#include <QStyle>

FlexGrid::FlexGrid(QWidget *parent)
    : QTableWidget(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMinimumSectionSize(0);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (row != previousRow)
            emit SelectionChanged();
    });
}

void FlexGrid::setRows(int rows)
{
    setRowCount(qMax(0, rows - 1));
}

void FlexGrid::setCols(int cols)
{
    setColumnCount(cols);
    m_alignment.resize(cols, Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < cols; ++c) {
        if (!horizontalHeaderItem(c))
            setHorizontalHeaderItem(c, new QTableWidgetItem);
        horizontalHeaderItem(c)->setTextAlignment(m_alignment.at(c));
    }
}

QTableWidgetItem *FlexGrid::cell(int row, int col)
{
    if (col < 0 || col >= columnCount() || row < 0 || row > rowCount())
        return nullptr;
    if (row == 0) {
        QTableWidgetItem *h = horizontalHeaderItem(col);
        if (!h) {
            h = new QTableWidgetItem;
            setHorizontalHeaderItem(col, h);
        }
        return h;
    }
    QTableWidgetItem *it = item(row - 1, col);
    if (!it) {
        it = new QTableWidgetItem;
        it->setTextAlignment(m_alignment.value(col, Qt::AlignLeft | Qt::AlignVCenter));
        setItem(row - 1, col, it);
    }
    return it;
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    const QTableWidgetItem *it = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
    return it ? it->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString &text)
{
    // A new cell is made with its text: the model then tells the view once.
    if (row > 0 && row <= rowCount() && col >= 0 && col < columnCount() && !item(row - 1, col)) {
        auto *it = new QTableWidgetItem(text);
        it->setTextAlignment(m_alignment.value(col, Qt::AlignLeft | Qt::AlignVCenter));
        setItem(row - 1, col, it);
    } else if (QTableWidgetItem *it = cell(row, col)) {
        it->setText(text);
    }
}

void FlexGrid::fillRows(int first, const QList<QStringList> &rows)
{
    {
        // Thousands of cells: the model's notice for each is held back, and
        // the grid is drawn once at the end.
        const QSignalBlocker quiet(model());
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows.at(r).size(); ++c)
                setTextMatrix(first + r, c, rows.at(r).at(c));
    }
    viewport()->update();
}

void FlexGrid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= columnCount())
        return;
    const int pixels = twips / TwipsPerPixel;
    setColumnHidden(col, pixels < 1);
    // A heading longer in another language widens its column rather than
    // being cut.
    const bool headed = !TextMatrix(0, col).isEmpty();
    if (pixels >= 1)
        setColumnWidth(col, headed ? qMax(pixels, horizontalHeader()->sectionSizeHint(col)) : pixels);
}

void FlexGrid::setColAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= columnCount())
        return;
    m_alignment[col] = alignment;
    if (QTableWidgetItem *h = horizontalHeaderItem(col))
        h->setTextAlignment(alignment);
    for (int r = 0; r < rowCount(); ++r) {
        if (QTableWidgetItem *it = item(r, col))
            it->setTextAlignment(alignment);
    }
}

void FlexGrid::setCellBackColor(int row, int col, const QColor &color)
{
    if (QTableWidgetItem *it = cell(row, col))
        it->setBackground(color);
}

QColor FlexGrid::CellBackColor(int row, int col) const
{
    // A cell never coloured has no brush: no colour of its own, not black.
    const QTableWidgetItem *it = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
    return it && it->background().style() != Qt::NoBrush ? it->background().color() : QColor();
}

int FlexGrid::Row() const
{
    const int r = currentRow();
    return r < 0 ? 0 : r + 1;
}

void FlexGrid::setRow(int row)
{
    if (row <= 0 || row > rowCount()) {
        setCurrentCell(-1, -1);
        clearSelection();
        return;
    }
    const int col = qMax(0, currentColumn());
    setCurrentCell(row - 1, col);
    scrollToItem(item(row - 1, col));
}

int FlexGrid::AddItem()
{
    const int r = rowCount();
    insertRow(r);
    for (int c = 0; c < columnCount(); ++c)
        cell(r + 1, c);
    return r + 1;
}

void FlexGrid::Clear()
{
    const QSignalBlocker block(this);
    setRowCount(0);
    for (int c = 0; c < columnCount(); ++c) {
        if (QTableWidgetItem *h = horizontalHeaderItem(c))
            h->setText(QString());
    }
}

int FlexGrid::widthForColumns(int twips) const
{
    return twips / TwipsPerPixel + frameWidth() * 2 + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
}

int FlexGrid::MouseRow(const QPoint &viewportPos) const
{
    const int r = rowAt(viewportPos.y());
    return r < 0 ? 0 : r + 1;
}
