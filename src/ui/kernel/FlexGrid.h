#pragma once

#include <QColor>
#include <QTableWidget>

// A grid in the manner of a classic flex grid: row 0 is the fixed header,
// data rows are 1 and up; column widths are in twips (15 to a pixel at the
// usual 96 dots per inch). Built on QTableWidget, whose header row stands in
// for row 0.
class FlexGrid : public QTableWidget
{
    Q_OBJECT

public:
    static constexpr int TwipsPerPixel = 15;

    explicit FlexGrid(QWidget *parent = nullptr);

    // Rows including the header row.
    int Rows() const { return rowCount() + 1; }
    void setRows(int rows);
    void setCols(int cols);

    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);
    // Sets the texts of data rows `first` on, a list of column texts a row.
    void fillRows(int first, const QList<QStringList> &rows);

    // A column narrower than one pixel is out of sight.
    void setColWidth(int col, int twips);
    void setColAlignment(int col, Qt::Alignment alignment);
    void setCellBackColor(int row, int col, const QColor &color);
    QColor CellBackColor(int row, int col) const;

    // The current data row, or 0 when none (the header row).
    int Row() const;
    void setRow(int row);

    // Appends an empty data row and returns its index.
    int AddItem();
    // Removes every data row and header text.
    void Clear();

    // The width that shows columns of these widths (twips) in full, with room
    // for the frame and a vertical scroll bar.
    int widthForColumns(int twips) const;

    // The row at a point of the viewport: 0 for the header or outside rows.
    int MouseRow(const QPoint &viewportPos) const;

signals:
    // The current row changed (by mouse, keyboard or program).
    void SelectionChanged();

private:
    QTableWidgetItem *cell(int row, int col);
    QList<Qt::Alignment> m_alignment;
};
