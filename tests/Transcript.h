#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class Store;

// What a user sees along a whole task, compared with an approved file (tests/transcripts/<name>.txt): at each step
// every shown window with its title and the texts, states and grid cells of its named controls, the message boxes shown
// since the last step, and, when a store is given, every row of every table. A difference fails the test with the first
// lines that differ; LETTERMARCH_APPROVE=1 writes the file anew after a deliberate change (read the diff before
// committing it). While it lives, every temporary message is noted and closed at once, so a test that shows them (a
// message time above 0) does not wait for them.
class Transcript
{
public:
    // `masks`: texts (a temporary folder) written as another wherever they show.
    explicit Transcript(const QString &name, const QList<std::pair<QString, QString>> &masks = {});
    Transcript(const Transcript &) = delete;
    Transcript &operator=(const Transcript &) = delete;
    ~Transcript();
    void snap(const QString &step, Store *store = nullptr);
    void note(const QString &line) { m_lines << line; }
    // Describes controls the transcript does not know (a chart): appends
    // lines starting with `name` and returns true, or returns false.
    using Describer = std::function<bool(QWidget *, const QString &name, QStringList &out)>;
    void describeAlso(Describer more) { m_more = std::move(more); }
    bool matches(); // false (the test failed) when the transcript differs from the file

private:
    QString m_name;
    QStringList m_lines;
    QList<std::pair<QString, QString>> m_masks;
    qsizetype m_messagesSeen = 0;
    QSet<QString> m_seen; // windows and controls whose look was noted

    std::unique_ptr<QObject> m_watcher;
    Describer m_more;
};

// Snaps, then returns from the test function when the transcript differs.
#define VERIFY_TRANSCRIPT(t)                                                                                           \
    do {                                                                                                               \
        if (!(t).matches())                                                                                            \
            return;                                                                                                    \
    } while (false)
