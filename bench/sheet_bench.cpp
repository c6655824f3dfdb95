// sheet_bench: importing the operator's results spreadsheet against importing the same contests
// from the text import file, each into an empty grid and then saved as Concursos.inx.
//
//   sheet_bench [--runs N]
//
// Files: tests/data/xlsx/history.xlsx and tests/data/megasena-history.tsv (the whole history,
// 3,047 contests). Each figure is the median of N runs (default 7), in ms.

#include "lottery/ContestRules.h"
#include "lottery/ContestSheet.h"
#include "lottery/TContestStore.h"
#include "store/TManager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct TTimes
{
    double Read = 0;   // the file into import lines
    double Import = 0; // the lines into the grid
    double Save = 0;   // the grid into Concursos.inx
    int Added = 0;
};

TTimes ImportOnce(const QString& aFile, const QString& aStore)
{
    TTimes times;
    QElapsedTimer timer;
    timer.start();
    const QStringList lines = ContestImportFileRead(aFile);
    times.Read = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    TContestGrid grid;
    times.Added = ContestImportRun(lines, grid).Added;
    times.Import = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    QFile::remove(aStore);
    TManager store(aStore, true);
    store.setiSaveOnFree(false);
    ContestsSave(store, grid);
    store.Save(aStore);
    times.Save = double(timer.nsecsElapsed()) / 1e6;
    return times;
}

double Median(std::vector<double> aValues)
{
    std::sort(aValues.begin(), aValues.end());
    return aValues[aValues.size() / 2];
}

TTimes MedianOf(const QString& aFile, const QString& aStore, int aRuns)
{
    std::vector<double> read, import, save;
    int added = 0;
    for (int r = 0; r < aRuns; ++r) {
        const TTimes t = ImportOnce(aFile, aStore);
        read.push_back(t.Read);
        import.push_back(t.Import);
        save.push_back(t.Save);
        added = t.Added;
    }
    return {Median(read), Median(import), Median(save), added};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int runs = 7;
    const QStringList args = app.arguments();
    if (const qsizetype i = args.indexOf(QStringLiteral("--runs")); i >= 0 && i + 1 < args.size())
        runs = std::max(1, args[i + 1].toInt());
    const QString data = QStringLiteral(NORVADEL_SOURCE_DIR "/tests/data/");
    QTemporaryDir temp;
    const TTimes sheet = MedianOf(data + QStringLiteral("xlsx/history.xlsx"), temp.filePath("sheet.inx"), runs);
    const TTimes text = MedianOf(data + QStringLiteral("megasena-history.tsv"), temp.filePath("text.inx"), runs);
    std::printf("Contest import, whole history, median of %d runs, ms\n", runs);
    std::printf("%-28s %9s %8s %8s %8s %8s\n", "file", "contests", "read", "import", "save", "total");
    for (const auto& [name, t] :
         {std::pair{"history.xlsx (spreadsheet)", sheet}, std::pair{"history.tsv (text)", text}})
        std::printf("%-28s %9d %8.1f %8.1f %8.1f %8.1f\n", name, t.Added, t.Read, t.Import, t.Save,
                    t.Read + t.Import + t.Save);
    const double ratio = (sheet.Read + sheet.Import + sheet.Save) / (text.Read + text.Import + text.Save);
    std::printf("spreadsheet / text: %.2f x (target <= 2 x: %s)\n", ratio, ratio <= 2.0 ? "met" : "NOT met");
    return 0;
}
