#include "core/exchange/Printouts.h"

#include "core/data/ListNames.h"
#include "core/data/Store.h"
#include "core/data/StoreDates.h"
#include "core/lists/Clues.h"
#include "core/results/Scoring.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSqlQuery>

namespace Printouts {

namespace {

QString esc(const QString &text)
{
    return text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
}

QString page(const QString &title, const QString &body)
{
    return QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>"
                          "<h2>%1</h2>%2</body></html>")
        .arg(esc(title), body);
}
} // namespace

QString PaperTest(const QString &title, const QList<WordEntry> &words, const PaperOptions &options)
{
    const QString name = options.child.isEmpty() ? QStringLiteral("______________________")
                                                 : QStringLiteral("<b>%1</b>").arg(esc(options.child));
    QString body
        = QCoreApplication::translate("Printouts", "<p>Name: %1 &nbsp;&nbsp; Date: ______________</p>").arg(name);
    body += QStringLiteral("<table width=\"100%\" cellpadding=\"6\" cellspacing=\"0\">");
    for (qsizetype i = 0; i < words.size(); ++i) {
        const WordEntry &w = words.at(i);
        QStringList clues;
        if (options.definitions && !w.definition.isEmpty())
            clues << QCoreApplication::translate("Printouts", "<i>Meaning:</i> ") + esc(MaskWord(w.definition, w.word));
        if (options.sentences && !w.sentence.isEmpty())
            clues << QCoreApplication::translate("Printouts", "<i>Sentence:</i> ") + esc(MaskWord(w.sentence, w.word));
        if (clues.isEmpty())
            clues << QCoreApplication::translate("Printouts", "<i>Listen to the word.</i>");
        body += QStringLiteral(
            "<tr><td width=\"8%\" valign=\"top\" nowrap><b>%1.</b></td><td>%2"
            "<p style=\"margin-top:16px\">__________________________________________________</p></td></tr>")
                    .arg(i + 1)
                    .arg(clues.join(QStringLiteral("<br>")));
    }
    body += QStringLiteral("</table>");
    return page(title, body);
}

QString AnswerKey(const QString &title, const QList<WordEntry> &words, const QString &child)
{
    QString body = child.isEmpty() ? QString()
                                   : QCoreApplication::translate("Printouts", "<p>For <b>%1</b></p>").arg(esc(child));
    body += QStringLiteral("<table cellpadding=\"4\" cellspacing=\"0\">");
    for (qsizetype i = 0; i < words.size(); ++i) {
        const WordEntry &w = words.at(i);
        body += QStringLiteral("<tr><td><b>%1.</b></td><td>%2%3</td></tr>")
                    .arg(i + 1)
                    .arg(esc(w.word),
                        w.caseSensitive ? QCoreApplication::translate("Printouts", " <i>(capitals count)</i>")
                                        : QString());
    }
    body += QStringLiteral("</table>");
    return page(title + QCoreApplication::translate("Printouts", ": answers"), body);
}

QString TestResults(Store &store, qint32 testId, const QString &child)
{
    const auto test = Scoring::ReadTest(store, testId);
    if (!test)
        return {};
    const qint32 words = Scoring::WordsOnTest(store, testId, test->listId);
    const qint32 first = Scoring::CorrectFirstTry(store, testId);
    const QString time = test->start.isValid()
        ? QLocale().toString(test->start.time(), QCoreApplication::translate("Printouts", "h:mm AP", "time of day"))
        : StoreDates::unknown();
    QString body = QStringLiteral("<table cellpadding=\"3\">");
    if (!child.isEmpty())
        body += QCoreApplication::translate("Printouts", "<tr><td>Child:</td><td><b>%1</b></td></tr>").arg(esc(child));
    if (const QString name = ListNames::of(store, test->listId); !name.isEmpty())
        body += QCoreApplication::translate("Printouts", "<tr><td>List:</td><td><b>%1</b></td></tr>").arg(esc(name));
    for (const auto &[label, value] :
        {std::pair {QCoreApplication::translate("Printouts", "Date:"), StoreDates::shownDate(test->start.date())},
            std::pair {QCoreApplication::translate("Printouts", "Time:"), time},
            std::pair {
                QCoreApplication::translate("Printouts", "Minutes:"), Scoring::MinutesText(test->start, test->end)},
            std::pair {QCoreApplication::translate("Printouts", "Words on Test:"), QString::number(words)},
            std::pair {QCoreApplication::translate("Printouts", "First Try:"), QString::number(first)},
            std::pair {QCoreApplication::translate("Printouts", "Moved on:"),
                QString::number(Scoring::MovedOn(store, testId, test->moveOnAfter))},
            std::pair {QCoreApplication::translate("Printouts", "Score:"),
                Scoring::percentText(Scoring::ScorePercent(first, words))}})
        body += QStringLiteral("<tr><td>%1</td><td><b>%2</b></td></tr>").arg(esc(label), esc(value));
    body += QCoreApplication::translate("Printouts",
        "</table><h3>Words</h3><table width=\"100%\" border=\"1\" cellpadding=\"4\" "
        "cellspacing=\"0\"><tr><th align=\"left\">Word</th><th align=\"left\">Result</th>"
        "<th align=\"left\">Typed</th></tr>");
    for (const Scoring::WordResult &w : Scoring::WordResults(store, testId, test->listId)) {
        QStringList typed;
        QSqlQuery &q = store.prepared(QStringLiteral(
            "SELECT GUESS FROM WORD_ATTEMPTS WHERE TEST_ID = ? AND WORD_ID = ? ORDER BY ATTEMPT_NUMBER"));
        q.bindValue(0, testId);
        q.bindValue(1, w.wordId);
        Store::run(q);
        while (q.next())
            typed << q.value(0).toString();
        body += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                    .arg(esc(w.word), esc(Scoring::ResultText(w.incorrect, test->moveOnAfter)),
                        esc(typed.join(QStringLiteral(", "))));
    }
    body += QStringLiteral("</table>");
    return page(QCoreApplication::translate("Printouts", "Test Results"), body);
}

} // namespace Printouts
