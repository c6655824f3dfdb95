// screens_bench: the contest results screen driven offscreen over the full history, beside the
// core code it drives.
//
//   screens_bench [--runs N]
//
// (a) creating TfrmLancaRes over a Concursos.inx of the 3,047 contests of
//     tests/data/megasena-history.tsv, against TManager + ContestsLoad of the same file;
// (b) "Carregar do arquivo" of the 3,047-line file into an empty screen (grid filled, file saved),
//     against `norvadel-cli import` of the same file (the process, and the same steps in process);
// (c) the longest time between two turns of the event loop during (b);
// (d) (b) with the history doubled (6,094 synthetic contests), against (b).
// Every figure is the median of N runs (5 by default), in ms.

#include "app/Dialogs.h"
#include "lottery/ContestRules.h"
#include "lottery/TContestStore.h"
#include "lottery/TfrmLancaRes.h"
#include "store/TManager.h"
#include "util/Globals.h"
#include "util/TextUtils.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

double Median(std::vector<double> aTimes)
{
    std::sort(aTimes.begin(), aTimes.end());
    return aTimes[aTimes.size() / 2];
}

double Ms(const QElapsedTimer& aTimer)
{
    return double(aTimer.nsecsElapsed()) / 1e6;
}

// A fresh data folder for one run.
QString DataFolderFresh(const QTemporaryDir& aDir, const QString& aName)
{
    const QString folder = aDir.filePath(aName);
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
}

struct TImportTimes
{
    double Total = 0;
    double LongestGap = 0;
};

// Imports aFile into an empty screen over a fresh data folder: the click, with the file saved.
TImportTimes ScreenImport(const QTemporaryDir& aDir, const QString& aFile,
                          const std::shared_ptr<Dialogs::TScriptedHandler>& aAnswers)
{
    DataFolder = DataFolderFresh(aDir, QStringLiteral("screen"));
    auto screen = std::make_unique<TfrmLancaRes>();
    screen->show();
    QApplication::processEvents();
    aAnswers->PathAnswers = {aFile};

    // A timer of no interval runs at every turn of the loop.
    QElapsedTimer clock;
    double last = 0;
    double longest = 0;
    QTimer turn;
    turn.setInterval(0);
    QObject::connect(&turn, &QTimer::timeout, [&] {
        const double now = Ms(clock);
        longest = std::max(longest, now - last);
        last = now;
    });
    turn.start();
    clock.start();
    screen->btnLoadFromFile->click();
    const double total = Ms(clock);
    longest = std::max(longest, total - last);
    turn.stop();
    if (screen->iGrid().RowCount() == 0 || !QFile::exists(ContestsFileName(DataFolder)))
        std::fprintf(stderr, "screens_bench: the import did not fill the screen\n");
    return {total, longest};
}

// What `norvadel-cli import` does, in this process.
double CoreImport(const QTemporaryDir& aDir, const QString& aFile)
{
    const QString folder = DataFolderFresh(aDir, QStringLiteral("core"));
    QElapsedTimer clock;
    clock.start();
    const QStringList lines = ContestFileRead(aFile);
    TManager store(ContestsFileName(folder), true);
    store.setiSaveOnFree(false);
    TContestGrid grid;
    ContestsLoad(store, grid);
    ContestImportRun(lines, grid);
    ContestsSave(store, grid);
    store.Save(store.FileName());
    return Ms(clock);
}

double CliImport(const QTemporaryDir& aDir, const QString& aFile)
{
    const QString folder = DataFolderFresh(aDir, QStringLiteral("cli"));
    QElapsedTimer clock;
    clock.start();
    QProcess cli;
    cli.start(QStringLiteral(NORVADEL_CLI), {QStringLiteral("import"), aFile, QStringLiteral("--data-folder"), folder});
    cli.waitForFinished(-1);
    const double time = Ms(clock);
    if (cli.exitCode() != 0)
        std::fprintf(stderr, "screens_bench: norvadel-cli import failed: %s\n", cli.readAllStandardError().constData());
    return time;
}

} // namespace

int main(int aArgc, char** aArgv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(aArgc, aArgv);
    int runs = 5;
    const QStringList args = QCoreApplication::arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--runs"));
    if (at > 0 && at + 1 < args.size())
        runs = std::max(1, args[at + 1].toInt());

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "screens_bench: no temporary folder\n");
        return 2;
    }
    ExeFolder = dir.filePath(QStringLiteral("program/"));
    QDir().mkpath(ExeFolder);
    AppName = QStringLiteral("Norvadel");
    auto answers = std::make_shared<Dialogs::TScriptedHandler>();
    Dialogs::SetHandler(answers);

    const QString history = QStringLiteral(NORVADEL_SOURCE_DIR "/tests/data/megasena-history.tsv");
    // The doubled history: every contest again, numbered after the last one.
    const QString doubled = dir.filePath(QStringLiteral("doubled.tsv"));
    {
        const QStringList lines = ContestFileRead(history);
        QStringList out{lines.first()};
        const QStringList contests = lines.mid(1, lines.size() - 2);
        out += contests;
        for (const QString& line : contests) {
            QStringList fields = line.split(u'\t');
            fields[0] = QString::number(fields[0].toInt() + int(contests.size()));
            out.append(fields.join(u'\t'));
        }
        out.append(lines.last());
        QFile file(doubled);
        if (!file.open(QIODevice::WriteOnly))
            return 2;
        file.write(out.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    }

    // (a) Concursos.inx of the full history, made by the core.
    const QString stored = DataFolderFresh(dir, QStringLiteral("stored"));
    {
        TManager store(ContestsFileName(stored), true);
        TContestGrid grid;
        ContestImportRun(ContestFileRead(history), grid);
        ContestsSave(store, grid);
    }
    // The first screen of a process also sets up fonts and styles, which the program has done
    // long before its first screen opens.
    DataFolder = DataFolderFresh(dir, QStringLiteral("warm-up"));
    std::make_unique<TfrmLancaRes>()->show();
    QApplication::processEvents();

    std::vector<double> createScreen, createCore;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer clock;
        clock.start();
        {
            TManager store(ContestsFileName(stored), true);
            store.setiSaveOnFree(false);
            TContestGrid grid;
            ContestsLoad(store, grid);
        }
        createCore.push_back(Ms(clock));
        DataFolder = stored;
        clock.start();
        auto screen = std::make_unique<TfrmLancaRes>();
        createScreen.push_back(Ms(clock));
        if (screen->iGrid().RowCount() != 3047)
            std::fprintf(stderr, "screens_bench: the screen lists %d contests\n", screen->iGrid().RowCount());
    }

    std::vector<double> importScreen, importCore, importCli, gaps, importDoubled, gapsDoubled;
    for (int r = 0; r < runs; ++r) {
        const TImportTimes times = ScreenImport(dir, history, answers);
        importScreen.push_back(times.Total);
        gaps.push_back(times.LongestGap);
        importCore.push_back(CoreImport(dir, history));
        importCli.push_back(CliImport(dir, history));
        const TImportTimes twice = ScreenImport(dir, doubled, answers);
        importDoubled.push_back(twice.Total);
        gapsDoubled.push_back(twice.LongestGap);
    }

    const double a = Median(createScreen), aCore = Median(createCore);
    const double b = Median(importScreen), bCli = Median(importCli), bCore = Median(importCore);
    const double c = Median(gaps), d = Median(importDoubled);
    std::printf("screens_bench: median of %d runs, ms\n", runs);
    std::printf("%-58s %10s %10s %7s %8s\n", "measure", "screen", "core", "ratio", "target");
    std::printf("%-58s %10.1f %10.1f %6.2fx %8s\n", "(a) TfrmLancaRes over 3,047 contests vs TContestStore load", a,
                aCore, a / aCore, "<= 2x");
    std::printf("%-58s %10.1f %10.1f %6.2fx %8s\n", "(b) import 3,047 lines vs norvadel-cli import", b, bCli, b / bCli,
                "<= 2x");
    std::printf("%-58s %10.1f %10.1f %6.2fx %8s\n", "    (b) vs the cli's steps in this process", b, bCore, b / bCore,
                "-");
    std::printf("%-58s %10.1f %10s %7s %8s\n", "(c) longest time between event loop turns during (b)", c, "-", "-",
                "<= 50ms");
    std::printf("%-58s %10.1f %10.1f %6.2fx %8s\n", "(d) import 6,094 lines vs (b)", d, b, d / b, "<= 2.3x");
    std::printf("%-58s %10.1f %10s %7s %8s\n", "    (c) during (d)", Median(gapsDoubled), "-", "-", "<= 50ms");
    Dialogs::SetHandler(nullptr);
    return 0;
}
