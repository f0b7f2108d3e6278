#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

// The past tests' chart, made by the charts module: each test a point of its
// score (left axis, per cent) and of its words right at the first try (right
// axis, a count). Tests are numbered from 1, as the grid's rows are.
class ScoreChart
{
public:
    virtual ~ScoreChart() = default;
    // The chart's widget, owned by the parent the chart was made for.
    virtual QWidget *widget() = 0;
    virtual void setTests(const QList<qint32> &scores, const QList<qint32> &firstTries, const QString &title) = 0;
    // Marks one test's points (0: none).
    virtual void select(int test) = 0;

    // A point clicked; a point hovered or left.
    std::function<void(int test)> chosen;
    std::function<void(int test, bool hovering)> hovered;
};

// Windows a family opens once a week bring libraries the first window does
// not need (Qt Charts with OpenGL, Qt Print Support): they live in modules
// beside the program (lib/lettermarch once installed), loaded on first use,
// so that start-up never pays for them.
namespace Modules {
// The full path of a module, or empty when it is not there.
QString path(const QString &fileName);
// Null when the charts module cannot be loaded.
std::unique_ptr<ScoreChart> scoreChart(QWidget *parent);
// Shows an HTML page in a print preview, from which it is printed. Returns a
// message for the user when the printing module cannot be loaded.
QString printPreview(QWidget *parent, const QString &html, const QString &title);
} // namespace Modules
