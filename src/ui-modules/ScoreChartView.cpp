// The past tests' chart on Qt Charts, in its own module: Qt Charts and the
// OpenGL libraries it brings are mapped only when Past Tests first opens.
#include "ui/kernel/Modules.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

#include <QCoreApplication>
#include <cmath>

namespace {

class ScoreChartView final : public ScoreChart
{
public:
    explicit ScoreChartView(QWidget *parent)
    {
        auto *chart = new QChart;
        chart->setMargins(QMargins(4, 4, 4, 4));
        chart->legend()->setAlignment(Qt::AlignBottom);
        m_score = new QLineSeries(chart);
        m_score->setName(QCoreApplication::translate("ScoreChartView", "Score (%)"));
        m_score->setObjectName(QStringLiteral("seriesScore"));
        m_firstTry = new QLineSeries(chart);
        m_firstTry->setName(QCoreApplication::translate("ScoreChartView", "Right at the first try"));
        m_firstTry->setObjectName(QStringLiteral("seriesFirstTry"));
        m_axisTests = new QValueAxis(chart);
        m_axisTests->setTitleText(QCoreApplication::translate("ScoreChartView", "Test"));
        m_axisTests->setLabelFormat(QStringLiteral("%d"));
        m_axisScore = new QValueAxis(chart);
        m_axisScore->setRange(0, 100);
        m_axisScore->setLabelFormat(QStringLiteral("%d %%"));
        m_axisFirstTry = new QValueAxis(chart);
        m_axisFirstTry->setLabelFormat(QStringLiteral("%d"));
        m_axisFirstTry->setGridLineVisible(false); // the score's lines are the chart's grid
        chart->addAxis(m_axisTests, Qt::AlignBottom);
        chart->addAxis(m_axisScore, Qt::AlignLeft);
        chart->addAxis(m_axisFirstTry, Qt::AlignRight);
        m_view = new QChartView(chart, parent);
        for (QLineSeries *series : {m_score, m_firstTry}) {
            chart->addSeries(series);
            series->attachAxis(m_axisTests);
            series->setPointsVisible(true);
            series->setMarkerSize(8);
            series->setSelectedColor(Qt::red);
            QObject::connect(series, &QXYSeries::clicked, m_view, [this](const QPointF &point) {
                if (chosen)
                    chosen(qRound(point.x()));
            });
            QObject::connect(series, &QXYSeries::hovered, m_view, [this](const QPointF &point, bool hovering) {
                if (hovered)
                    hovered(qRound(point.x()), hovering);
            });
        }
        m_score->attachAxis(m_axisScore);
        m_firstTry->attachAxis(m_axisFirstTry);
        m_view->setRenderHint(QPainter::Antialiasing);
    }

    QWidget *widget() override { return m_view; }

    void setTests(const QList<qint32> &scores, const QList<qint32> &firstTries, const QString &title) override
    {
        QList<QPointF> scorePoints;
        QList<QPointF> firstTryPoints;
        qint32 mostFirstTry = 1;
        for (int i = 0; i < scores.size(); ++i) {
            scorePoints << QPointF(i + 1, scores.at(i));
            firstTryPoints << QPointF(i + 1, firstTries.value(i));
            mostFirstTry = qMax(mostFirstTry, firstTries.value(i));
        }
        // replace() draws once for all points, where append() would for each.
        m_score->replace(scorePoints);
        m_firstTry->replace(firstTryPoints);
        // Hundreds of markers would hide the line and cost a frame each.
        for (QLineSeries *series : {m_score, m_firstTry})
            series->setPointsVisible(scores.size() <= 60);
        // A tick on every test, or on every few when there are many.
        const double tests = double(qMax(qsizetype(1), scores.size()));
        m_axisTests->setRange(0.5, tests + 0.5);
        m_axisTests->setTickType(QValueAxis::TicksDynamic);
        m_axisTests->setTickAnchor(1);
        m_axisTests->setTickInterval(std::ceil(tests / 10.0));
        // Counts are whole numbers: ticks only on whole steps, at most about eight.
        const qint32 step = qMax(1, qint32(std::ceil(mostFirstTry / 8.0)));
        m_axisFirstTry->setRange(0, double((mostFirstTry + step - 1) / step * step));
        m_axisFirstTry->setTickType(QValueAxis::TicksDynamic);
        m_axisFirstTry->setTickAnchor(0);
        m_axisFirstTry->setTickInterval(step);
        m_view->chart()->setTitle(title);
    }

    void select(int test) override
    {
        for (QLineSeries *series : {m_score, m_firstTry}) {
            series->deselectAllPoints();
            if (test >= 1 && test <= series->count())
                series->selectPoint(test - 1);
        }
        // A selected marker is drawn larger than the others; the whole chart
        // is drawn again so the one chosen before loses its mark.
        m_view->scene()->update();
    }

private:
    QChartView *m_view;
    QLineSeries *m_score;
    QLineSeries *m_firstTry;
    QValueAxis *m_axisTests;
    QValueAxis *m_axisScore;
    QValueAxis *m_axisFirstTry;
};

} // namespace

extern "C" Q_DECL_EXPORT ScoreChart *lettermarchCreateScoreChart(QWidget *parent)
{
    return new ScoreChartView(parent);
}
