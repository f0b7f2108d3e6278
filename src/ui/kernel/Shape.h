#pragma once

#include <QColor>
#include <QWidget>

// A filled circle, such as the blinking light that shows a recording is on.
class Shape : public QWidget
{
    Q_OBJECT

public:
    explicit Shape(QWidget *parent = nullptr);

    QColor FillColor() const { return m_fill; }
    void setFillColor(const QColor &color);

    QSize sizeHint() const override { return {18, 18}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill = Qt::white;
};
