// Answer latency of a practice test, and the time to fill the windows that
// show many rows. Runs the real windows in this process (offscreen).
#include "BenchData.h"
#include "audio-device/QtVoice.h"
#include "core/app/Program.h"
#include "core/data/Store.h"
#include "ui/kernel/Form.h"
#include "ui/lists/frmEditList.h"
#include "ui/lists/frmPasteWords.h"
#include "ui/practice/frmTest.h"
#include "ui/results/frmPastTests.h"
#include "ui/results/frmTestResults.h"
#include "ui/results/frmTroubleWords.h"
#include "ui/shell/Shell.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

// Opens the program on a fresh database of one list.
std::unique_ptr<Shell> openProgram(QTemporaryDir &folder, int words, int tests, int lists = 1)
{
    makeDatabase(folder.path(), lists, words, tests);
    auto shell = std::make_unique<Shell>(std::make_unique<Program>(folder.path()));
    if (!shell->Main())
        qFatal("the program did not start");
    shell->program().globals.gMessageTime = 0;
    return shell;
}

template<class Fill>
// The median of seven fills; `first` gets the first one (a module loaded then).
double timeWindow(Fill fill, double *first = nullptr)
{
    std::vector<double> runs;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer t;
        t.start();
        fill();
        QCoreApplication::processEvents();
        runs.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    if (first)
        *first = runs.front();
    return percentile(runs, 0.5);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Without and with the computer voice, which speaks every word of the
    // list (none has a recording) while the test goes on.
    for (bool voice : {false, true}) {
        QTemporaryDir folder;
        constexpr int Words = 400;
        auto shell = openProgram(folder, Words, 0);
        Program &program = shell->program();
        TestOptionsRecord options;
        options.Pronounce = voice;
        options.PlayCorrectSound = false;
        options.PlayIncorrectSound = false;
        options.TestOrder = QStringLiteral("Order Created");
        program.globals.gVoice.enabled = voice;
        program.devices().setVoice(voice ? Audio::makeQtVoice() : nullptr);
        auto *test = shell->forms().get<frmTest>();
        test->Start(1, {}, options);
        test->show();
        std::vector<double> latency;
        for (int i = 0; i < Words; ++i) {
            // Every other word is answered wrongly once first: both paths count.
            if (i % 2 == 0) {
                test->txtWord->setText(QStringLiteral("wrod"));
                QElapsedTimer t;
                t.start();
                QTest::keyClick(test->txtWord, Qt::Key_Return);
                latency.push_back(double(t.nsecsElapsed()) / 1e6);
            }
            test->txtWord->setText(test->session().CurrentWord());
            QElapsedTimer t;
            t.start();
            QTest::keyClick(test->txtWord, Qt::Key_Return);
            latency.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        QSqlQuery q = program.store().select(QStringLiteral("SELECT COUNT(*) FROM WORD_ATTEMPTS"));
        q.next();
        std::printf("Answer latency%s: Enter to next word (attempt row committed), %zu answers, %d rows\n",
            voice ? " with the computer voice" : "", latency.size(), q.value(0).toInt());
        std::printf("  median %.2f ms, 99th percentile %.2f ms, worst %.2f ms\n", percentile(latency, 0.5),
            percentile(latency, 0.99), percentile(latency, 1.0));
        // The voice is let finish before the program goes (see main.cpp).
        program.devices().waitUntilQuiet(10000);
        QTest::qWait(500);
    }

    std::printf("Windows filled from many rows (median of 7):\n");
    {
        QTemporaryDir folder;
        auto shell = openProgram(folder, 200, 1);
        const double ms = timeWindow([&shell] {
            auto *results = shell->forms().get<frmTestResults>();
            results->setTestID(1);
            results->show();
        });
        std::printf("  results window, 200-word list:  %.1f ms\n", ms);
    }
    {
        QTemporaryDir folder;
        auto shell = openProgram(folder, 20, 1000);
        double first = 0;
        const double ms = timeWindow(
            [&shell] {
                auto *past = shell->forms().get<frmPastTests>();
                past->setListID(1);
                past->show();
            },
            &first);
        std::printf("  past tests window, 1,000 tests: %.1f ms (its first opening, charts module loaded: %.1f ms)\n",
            ms, first);
    }
    {
        QTemporaryDir folder;
        auto shell = openProgram(folder, 500, 0);
        const double ms = timeWindow([&shell] {
            auto *editor = shell->forms().get<frmEditList>();
            editor->setListID(1);
            editor->show();
        });
        std::printf("  list editor, 500 words:         %.1f ms\n", ms);
    }
    {
        // Years of use: 500 weekly lists of 20 words, 10 tests each.
        QTemporaryDir folder;
        auto shell = openProgram(folder, 20, 10, 500);
        const double ms = timeWindow([&shell] {
            auto *trouble = shell->forms().get<frmTroubleWords>();
            trouble->setListID(0);
            trouble->show();
        });
        std::printf("  trouble words, 500 lists:       %.1f ms\n", ms);
    }
    {
        // A 1,000-word file imported as a new list: previewed, then added.
        QTemporaryDir folder;
        auto shell = openProgram(folder, 0, 0);
        QList<WordEntry> words;
        for (int i = 0; i < 1000; ++i)
            words.append({QStringLiteral("word%1").arg(i), QStringLiteral("meaning %1").arg(i), {}, false, {}});
        const double ms = timeWindow([&shell, &words] {
            auto *paste = makeForm<frmPasteWords>(shell->program());
            paste->setNewList(QDate(2030, 1, 7), QDate(2030, 1, 11), QDate(2030, 1, 11));
            paste->setEntries(words, QStringLiteral("words.csv"));
            paste->show();
            paste->cmdAdd->click();
        });
        std::printf("  import of 1,000 words, preview and Add: %.1f ms\n", ms);
    }
    // The voice's engine cannot be torn down safely (see main.cpp).
    std::fflush(nullptr);
    std::_Exit(0);
}
