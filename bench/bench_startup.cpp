// Start-up time and peak memory of Lettermarch on databases of 0, 500 and
// 5,000 lists (20 words and 10 finished tests each), beside a bare Qt
// program that only shows an empty main window. Each program runs in its
// own process, from start to its main window shown, then ends.
#include "BenchData.h"

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
        execl(path.constData(), path.constData(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("%s ended with status %d", path.constData(), status);
    return {ms, usage.ru_maxrss};
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
    const QString bare = QDir(binDir).filePath(QStringLiteral("bench_bare_window"));
    constexpr int Rounds = 9;

    std::printf("Start-up: process start to main window shown (offscreen), median of %d runs\n", Rounds);
    std::printf("Checked: the file changed since the program last closed it, so it is checked in full\n");
    std::printf("%8s %14s %10s %8s %16s %14s %11s\n", "lists", "Lettermarch ms", "bare ms", "ratio", "Lettermarch KiB",
        "bare KiB", "checked ms");
    std::vector<std::pair<int, double>> times;
    for (int lists : {0, 500, 5000}) {
        QTemporaryDir folder;
        // The program keeps its data beside itself: give it a folder of its own.
        const QString copy = folder.filePath(QStringLiteral("Lettermarch"));
        QFile::copy(lettermarch, copy);
        makeDatabase(folder.path(), lists);
        runOnce(copy); // warm the file cache once
        runOnce(bare);
        std::vector<double> own, base, checked;
        const QString note = folder.filePath(QStringLiteral("Lettermarch.checked"));
        long ownPeak = 0, basePeak = 0;
        for (int i = 0; i < Rounds; ++i) {
            const Run a = runOnce(copy);
            const Run b = runOnce(bare);
            QFile::remove(note);
            checked.push_back(runOnce(copy).ms);
            own.push_back(a.ms);
            base.push_back(b.ms);
            ownPeak = std::max(ownPeak, a.peakKiB);
            basePeak = std::max(basePeak, b.peakKiB);
        }
        const double m = median(own), mb = median(base);
        times.push_back({lists, m});
        std::printf(
            "%8d %14.1f %10.1f %8.2f %16ld %14ld %11.1f\n", lists, m, mb, m / mb, ownPeak, basePeak, median(checked));
        std::fflush(stdout);
    }
    const double per1000Small = (times[1].second - times[0].second) / 0.5;
    const double per1000Large = (times[2].second - times[1].second) / 4.5;
    std::printf("Growth: %.1f ms per 1,000 lists from 0 to 500, %.1f ms per 1,000 lists from 500 to 5,000\n",
        per1000Small, per1000Large);
    return 0;
}
