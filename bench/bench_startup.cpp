// Start-up time, CPU time and peak memory of Lettermarch on databases of 0,
// 500 and 5,000 lists (20 words and 10 finished tests each), beside a plain
// Qt program that shows the same widgets and reads no data. Each program
// runs in its own process, from start to its main window shown, then ends;
// the two alternate (A B A B ...) so that a busy moment of the machine falls
// on both alike, and the medians of the pairs are compared.
#include "BenchData.h"
#include "core/app/Family.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run
{
    double ms;
    double cpuMs;
    long peakKiB;
};

Run runOnce(const QString &program)
{
    const QByteArray path = QFile::encodeName(program);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("LETTERMARCH_QUIT_WHEN_SHOWN", "1", 1);
        setenv("XDG_RUNTIME_DIR", "/tmp", 0);
        // Qt's notes about the offscreen platform are not figures.
        if (FILE *quiet = std::freopen("/dev/null", "w", stderr); !quiet)
            _exit(126);
        execl(path.constData(), path.constData(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("%s ended with status %d", path.constData(), status);
    auto toMs = [](const timeval &t) { return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0; };
    return {ms, toMs(usage.ru_utime) + toMs(usage.ru_stime), usage.ru_maxrss};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString binDir = QCoreApplication::applicationDirPath();
    const QString lettermarch = QDir(binDir).filePath(QStringLiteral("Lettermarch"));
    const QString same = QDir(binDir).filePath(QStringLiteral("bench_same_widgets"));
    constexpr int Pairs = 21;
    constexpr int CheckedRuns = 7;

    std::printf("Start-up: process start to main window shown (offscreen), median of %d paired runs\n", Pairs);
    std::printf("against a program showing the same widgets; ratio = Lettermarch / same widgets\n");
    std::printf("%6s %9s %9s %6s %9s %9s %6s %9s %9s %8s %10s\n", "lists", "wall ms", "same ms", "ratio", "CPU ms",
        "same CPU", "ratio", "peak KiB", "same KiB", "+MiB", "checked ms");
    std::vector<std::pair<int, double>> times;
    // --children: only the figures of several children.
    const bool childrenOnly = app.arguments().contains(QStringLiteral("--children"));
    for (int lists : {0, 500, 5000}) {
        if (childrenOnly)
            break;
        QTemporaryDir folder;
        // The program keeps its data beside itself: give it a folder of its own.
        const QString copy = folder.filePath(QStringLiteral("Lettermarch"));
        QFile::copy(lettermarch, copy);
        makeDatabase(folder.path(), lists);
        runOnce(copy); // warm the file cache once
        runOnce(same);
        std::vector<double> own, base, ownCpu, baseCpu, checked;
        long ownPeak = 0, basePeak = 0;
        for (int i = 0; i < Pairs; ++i) {
            const Run a = runOnce(copy);
            const Run b = runOnce(same);
            own.push_back(a.ms);
            base.push_back(b.ms);
            ownCpu.push_back(a.cpuMs);
            baseCpu.push_back(b.cpuMs);
            ownPeak = std::max(ownPeak, a.peakKiB);
            basePeak = std::max(basePeak, b.peakKiB);
        }
        // The file changed since the program last closed it: checked in full.
        const QString note = folder.filePath(QStringLiteral("Lettermarch.checked"));
        for (int i = 0; i < CheckedRuns; ++i) {
            QFile::remove(note);
            checked.push_back(runOnce(copy).ms);
        }
        const double m = median(own), mb = median(base), c = median(ownCpu), cb = median(baseCpu);
        times.push_back({lists, m});
        std::printf("%6d %9.1f %9.1f %6.2f %9.1f %9.1f %6.2f %9ld %9ld %8.1f %10.1f\n", lists, m, mb, m / mb, c, cb,
            c / cb, ownPeak, basePeak, double(ownPeak - basePeak) / 1024.0, median(checked));
        std::fflush(stdout);
    }
    // Several children: with one, the family is looked for and nothing else
    // happens; with two, "Who is practising?" comes before any database is
    // opened, so it should come no later than the main window does.
    {
        QTemporaryDir one, two;
        for (const QTemporaryDir *folder : {&one, &two}) {
            QFile::copy(lettermarch, folder->filePath(QStringLiteral("Lettermarch")));
            makeDatabase(folder->path(), 500);
        }
        Family family = Family::read(two.path());
        QString problem;
        family.add(QStringLiteral("Ben"), QStringLiteral("Anna"), &problem);
        family.write(&problem);
        const auto readStart = std::chrono::steady_clock::now();
        constexpr int Reads = 1000;
        for (int i = 0; i < Reads; ++i)
            Family::read(one.path());
        const double readUs
            = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - readStart).count() / Reads;
        const QString oneChild = one.filePath(QStringLiteral("Lettermarch"));
        const QString twoChildren = two.filePath(QStringLiteral("Lettermarch"));
        runOnce(oneChild);
        runOnce(twoChildren);
        std::vector<double> main, chooser;
        for (int i = 0; i < Pairs; ++i) {
            main.push_back(runOnce(oneChild).ms);
            chooser.push_back(runOnce(twoChildren).ms);
        }
        std::printf("Children at 500 lists: one child's main window %.1f ms (looking for the family: %.1f us); "
                    "two children's chooser %.1f ms, ratio %.2f\n",
            median(main), readUs, median(chooser), median(chooser) / median(main));
    }
    if (childrenOnly)
        return 0;
    const double per1000Small = (times[1].second - times[0].second) / 0.5;
    const double per1000Large = (times[2].second - times[1].second) / 4.5;
    std::printf("Growth: %.1f ms per 1,000 lists from 0 to 500, %.1f ms per 1,000 lists from 500 to 5,000\n",
        per1000Small, per1000Large);
    return 0;
}
