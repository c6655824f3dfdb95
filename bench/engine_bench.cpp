// engine_bench: the checking engine on the full draw history against 1,000 seeded random bets
// (6 to 15 numbers) in 10 groups.
//   (a) the run into the results model, in process;
//   (b) norvadel-cli check end to end (read, run, write the .Result), as a child process;
//   (c) bench/reference_check.py under /usr/bin/python3 on the same input, whose .Result must
//       be byte for byte the same as (b)'s.
// Prints a table: time, rows per second, peak memory, and the ratio (c)/(b).
//
// Usage: engine_bench [--runs N]   (N repetitions of (a) and (b), the best is shown; default 5;
// (c) runs twice). Each child starts with its output file removed and no file data waiting to
// be written.

#include "lottery/BetRules.h"
#include "lottery/CheckRules.h"
#include "lottery/ContestRules.h"
#include "lottery/TCheckEngine.h"
#include "lottery/TResultsModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct TChild
{
    double Ms = 0;
    double CpuMs = 0; // user and system time of the child, all its threads
    long PeakKb = 0;
    int Status = -1;
};

// Runs a program to its end; wall time and the child's own peak resident memory.
TChild ChildRun(const QStringList& aArgs, const QString& aStdout)
{
    std::vector<QByteArray> bytes;
    for (const QString& arg : aArgs)
        bytes.push_back(arg.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray out = aStdout.toLocal8Bit();
    posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    // Every run starts with no file data waiting to be written, so that one run's output does
    // not slow the next (the kernel throttles writers when much data is waiting).
    sync();
    TChild child;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return child;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    child.Ms = double(timer.nsecsElapsed()) / 1e6;
    child.PeakKb = usage.ru_maxrss;
    child.CpuMs = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                  double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    child.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

bool SameBytes(const QString& aFirst, const QString& aSecond, qint64& aSize)
{
    QFile a(aFirst);
    QFile b(aSecond);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.size() != b.size())
        return false;
    aSize = a.size();
    while (!a.atEnd())
        if (a.read(1 << 22) != b.read(1 << 22))
            return false;
    return true;
}

long SelfPeakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    int runs = 5;
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == u"--runs")
        runs = std::max(1, args[2].toInt());

    const QString history = QStringLiteral(NORVADEL_SOURCE_DIR "/tests/data/megasena-history.tsv");
    const QString cli = QStringLiteral(NORVADEL_CLI);
    const QString reference = QStringLiteral(NORVADEL_SOURCE_DIR "/bench/reference_check.py");
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "engine_bench: no temporary folder\n");
        return 2;
    }

    // 1,000 seeded random bets of 6 to 15 numbers, 100 per group, written as bet files.
    std::mt19937 random(20260311);
    QStringList betFiles;
    for (int g = 1; g <= 10; ++g) {
        QByteArray text;
        for (int b = 0; b < 100; ++b) {
            std::vector<int> numbers(60);
            for (int n = 0; n < 60; ++n)
                numbers[n] = n + 1;
            std::shuffle(numbers.begin(), numbers.end(), random);
            const int count = std::uniform_int_distribution<int>(6, 15)(random);
            for (int i = 0; i < count; ++i) {
                if (i > 0)
                    text += ';';
                text += QByteArray::number(numbers[i]).rightJustified(2, '0');
            }
            text += "\n";
        }
        const QString name = dir.filePath(QStringLiteral("grupo%1.txt").arg(g, 2, 10, QChar(u'0')));
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return 2;
        betFiles.append(name);
    }

    // (b) norvadel-cli check, end to end
    const QString outB = dir.filePath(QStringLiteral("cli.Result"));
    QStringList cliArgs{cli, QStringLiteral("check"), QStringLiteral("--contests"), history};
    for (const QString& file : betFiles)
        cliArgs << QStringLiteral("--bets") << file;
    cliArgs << QStringLiteral("--out") << outB;
    TChild bestB;
    bestB.Ms = 1e300;
    for (int i = 0; i < runs; ++i) {
        QFile::remove(outB); // each run writes a new file, as (c) does
        const TChild child = ChildRun(cliArgs, dir.filePath(QStringLiteral("cli.out")));
        if (child.Status != 0) {
            std::fprintf(stderr, "engine_bench: norvadel-cli check failed (%d)\n", child.Status);
            return 1;
        }
        if (child.Ms < bestB.Ms) {
            bestB.Ms = child.Ms;
            bestB.CpuMs = child.CpuMs;
        }
        bestB.PeakKb = std::max(bestB.PeakKb, child.PeakKb);
    }

    // (c) the Python reference, best of two
    const QString outC = dir.filePath(QStringLiteral("python.Result"));
    QStringList pyArgs{QStringLiteral("/usr/bin/python3"), reference, QStringLiteral("--contests"), history};
    for (const QString& file : betFiles)
        pyArgs << QStringLiteral("--bets") << file;
    pyArgs << QStringLiteral("--out") << outC;
    TChild c;
    c.Ms = 1e300;
    for (int i = 0; i < 2; ++i) {
        QFile::remove(outC);
        const TChild child = ChildRun(pyArgs, dir.filePath(QStringLiteral("python.out")));
        if (child.Status != 0) {
            std::fprintf(stderr, "engine_bench: reference_check.py failed (%d)\n", child.Status);
            return 1;
        }
        if (child.Ms < c.Ms) {
            c.Ms = child.Ms;
            c.CpuMs = child.CpuMs;
        }
        c.PeakKb = std::max(c.PeakKb, child.PeakKb);
    }
    qint64 size = 0;
    const bool same = SameBytes(outB, outC, size);

    // (a) the run into the results model
    TContestGrid grid;
    ContestImportRun(ContestFileRead(history), grid);
    const TContestListFill list = ContestListFill(grid.Rows(), false, true, grid.RowCount());
    std::vector<TBetGroup> groups;
    for (const QString& file : betFiles)
        groups.push_back({GroupNameFromFile(file), BetLinesCheck(BetFileRead(file)).Accepted});
    double bestA = 1e300;
    bool sameA = false;
    qint64 rowsA = 0;
    std::size_t bytesA = 0;
    for (int i = 0; i < runs; ++i) {
        TResultsModel results;
        TResultsModel summary;
        TCheckEngine engine;
        QElapsedTimer timer;
        timer.start();
        engine.Start(list.Entries, groups, {false, false, false, true, true, true}, results, &summary);
        engine.Run();
        bestA = std::min(bestA, double(timer.nsecsElapsed()) / 1e6);
        rowsA = results.RowCount();
        bytesA = results.RowBytes();
        if (i == runs - 1) {
            // The screen's "Salvar .Result" of the same run must give the command's bytes.
            const QString outA = dir.filePath(QStringLiteral("model.Result"));
            results.ResultsFileSave(outA);
            qint64 sizeA = 0;
            sameA = SameBytes(outA, outB, sizeA);
            QFile::remove(outA);
        }
    }
    const long peakA = SelfPeakKb();

    const double rows = double(rowsA);
    qint64 bets = 0;
    for (const TBetGroup& group : groups)
        bets += group.Bets.size();
    std::printf("engine_bench: %d contests x %lld bets in %d groups: %lld result rows, %lld grid rows with headings "
                "and blanks (rows/s counts these), .Result %.1f MB\n",
                int(list.Entries.size()), bets, int(groups.size()), qint64(list.Entries.size()) * bets, rowsA,
                double(size) / 1048576.0);
    std::printf("%-44s %10s %14s %12s\n", "case", "time ms", "rows/s", "peak MB");
    std::printf("%-44s %10.1f %14.0f %12.1f\n", "(a) run into the results model (best of N)", bestA,
                rows / (bestA / 1000), double(peakA) / 1024);
    std::printf("%-44s %10.1f %14.0f %12.1f\n", "(b) norvadel-cli check end to end (best of N)", bestB.Ms,
                rows / (bestB.Ms / 1000), double(bestB.PeakKb) / 1024);
    std::printf("%-44s %10.1f %14.0f %12.1f\n", "(c) reference_check.py, python3 (best of 2)", c.Ms,
                rows / (c.Ms / 1000), double(c.PeakKb) / 1024);
    std::printf("model rows: %.1f bytes per row (shared texts apart)\n", double(bytesA) / rows);
    std::printf("ratio (c)/(b): %.1fx (processor time: (b) %.1f ms, (c) %.1f ms, %.1fx)\n", c.Ms / bestB.Ms,
                bestB.CpuMs, c.CpuMs, c.CpuMs / bestB.CpuMs);
    std::printf(".Result of (b) and (c): %s; the results model's save after (a): %s\n",
                same ? "identical" : "DIFFERENT", sameA ? "identical" : "DIFFERENT");
    std::printf("targets: (a) <= 100 ms: %s; (b) >= 30x faster than (c): %s; (b) peak <= 250 MB: %s\n",
                bestA <= 100 ? "met" : "MISSED", c.Ms / bestB.Ms >= 30 ? "met" : "MISSED",
                bestB.PeakKb <= 250 * 1024 ? "met" : "MISSED");
    return same && sameA ? 0 : 1;
}
