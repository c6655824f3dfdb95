// store_bench: how fast the INX store loads, reads, writes and saves files shaped like the
// program's largest ones, beside a plain read and an atomic write of the same bytes.
//
//   store_bench [--dir FOLDER] [--runs N]
//
// Files: Concursos.inx with 3,000 and with 30,000 contests (section "Concursos", one header per
// contest with the string keys Concurso, Aposta, Premio, Ganhadores) and Apostas.inx with 100
// groups of 1,000 bets (section "Grupos de apostas", one header per group, mult "Apostas"
// enciphered with the first word of the login name). Each figure is the median of N runs, in ms;
// "l+r+s" is load, read every key or mult, and save; "all" adds writing every key or mult; the
// ratios divide them by a plain read of the file's bytes plus an atomic write of them.

#include "store/TManager.h"
#include "util/Crypt.h"
#include "util/SafeFile.h"
#include "util/TextUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const QString kContests = QStringLiteral("Concursos");
const QString kGroups = QStringLiteral("Grupos de apostas");
const QString kAddKey = FirstWord(QStringLiteral("Ana Maria"));
const QStringList kContestKeys = {QStringLiteral("Concurso"), QStringLiteral("Aposta"), QStringLiteral("Premio"),
                                  QStringLiteral("Ganhadores")};

QString RandomDraw(QRandomGenerator& aRandom, int aCount)
{
    QList<int> numbers;
    while (numbers.size() < aCount) {
        const int n = aRandom.bounded(1, 61);
        if (!numbers.contains(n))
            numbers.append(n);
    }
    std::sort(numbers.begin(), numbers.end());
    QStringList texts;
    for (const int n : numbers)
        texts.append(PadLike(n, 60));
    return texts.join(u';');
}

void MakeContestFile(const QString& aFileName, int aCount)
{
    QRandomGenerator random(aCount);
    TManager store(aFileName, true);
    for (int i = 1; i <= aCount; ++i) {
        const QString number = PadLike(i, 99999);
        store.WriteStr(kContests, kContestKeys[0], number, ipEnd, number);
        store.WriteStr(kContests, kContestKeys[1], RandomDraw(random, 6), ipEnd, number);
        store.WriteStr(kContests, kContestKeys[2], QStringLiteral("R$%1,%2").arg(random.bounded(1000000)).arg(42),
                       ipEnd, number);
        store.WriteStr(kContests, kContestKeys[3], QString::number(random.bounded(5)), ipEnd, number);
    }
}

void MakeBetFile(const QString& aFileName, int aGroups, int aBets)
{
    QRandomGenerator random(aGroups * aBets);
    TManager store(aFileName, true);
    for (int g = 1; g <= aGroups; ++g) {
        QStringList bets;
        for (int b = 0; b < aBets; ++b)
            bets.append(RandomDraw(random, 6 + random.bounded(3)));
        store.WriteMult(bets, QStringLiteral("Apostas"), kGroups, QStringLiteral("Grupo %1").arg(g, 3, 10, QChar(u'0')),
                        ipEnd, true, kAddKey);
    }
}

struct TTimes
{
    double Load = 0, Read = 0, Write = 0, Save = 0, Plain = 0;
    double RoundTrip() const { return Load + Read + Save; }
    double All() const { return Load + Read + Write + Save; }
};

double Ms(QElapsedTimer& aTimer)
{
    const double ms = aTimer.nsecsElapsed() / 1e6;
    aTimer.restart();
    return ms;
}

TTimes RunOnce(const QString& aFileName, bool aBets)
{
    TTimes t;
    QElapsedTimer timer;
    timer.start();
    {
        TManager store(aFileName, true);
        store.setiSaveOnFree(false);
        t.Load = Ms(timer);
        const QString section = aBets ? kGroups : kContests;
        const QStringList headers = store.GetHeaders(section);
        std::vector<QStringList> values(headers.size());
        for (qsizetype h = 0; h < headers.size(); ++h) {
            if (aBets) {
                store.ReadMult(values[h], QStringLiteral("Apostas"), section, headers[h], ipEnd, true, kAddKey);
            } else {
                for (const QString& key : kContestKeys)
                    values[h].append(store.ReadStr(section, key, QString(), headers[h]));
            }
        }
        t.Read = Ms(timer);
        for (qsizetype h = 0; h < headers.size(); ++h) {
            if (aBets) {
                store.WriteMult(values[h], QStringLiteral("Apostas"), section, headers[h], ipEnd, true, kAddKey);
            } else {
                for (int k = 0; k < kContestKeys.size(); ++k)
                    store.WriteStr(section, kContestKeys[k], values[h][k], ipEnd, headers[h]);
            }
        }
        t.Write = Ms(timer);
        store.Save(store.FileName());
        t.Save = Ms(timer);
        if (!store.Status().HasStatus(stFileSaved))
            std::fprintf(stderr, "store_bench: save failed\n");
    }
    // The same bytes, read plainly and written the way the store writes them.
    timer.restart();
    QFile file(aFileName);
    if (!file.open(QIODevice::ReadOnly))
        std::fprintf(stderr, "store_bench: cannot read %s\n", qPrintable(aFileName));
    const QByteArray bytes = file.readAll();
    file.close();
    WriteFileAtomic(aFileName, bytes);
    t.Plain = Ms(timer);
    return t;
}

double Median(std::vector<double> aValues)
{
    std::sort(aValues.begin(), aValues.end());
    return aValues[aValues.size() / 2];
}

TTimes MedianOf(const QString& aFileName, bool aBets, int aRuns)
{
    std::vector<double> load, read, write, save, plain;
    for (int r = 0; r < aRuns; ++r) {
        const TTimes t = RunOnce(aFileName, aBets);
        load.push_back(t.Load);
        read.push_back(t.Read);
        write.push_back(t.Write);
        save.push_back(t.Save);
        plain.push_back(t.Plain);
    }
    return {Median(load), Median(read), Median(write), Median(save), Median(plain)};
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QString folder;
    int runs = 5;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == u"--dir")
            folder = args[++i];
        else if (args[i] == u"--runs")
            runs = std::max(1, args[++i].toInt());
    }
    QTemporaryDir temp(folder.isEmpty() ? QDir::tempPath() + QStringLiteral("/store_bench-XXXXXX")
                                        : folder + QStringLiteral("/store_bench-XXXXXX"));
    if (!temp.isValid()) {
        std::fprintf(stderr, "store_bench: cannot create a folder for the files\n");
        return 2;
    }
    struct TCase
    {
        const char* Label;
        QString File;
        bool Bets;
    };
    const std::vector<TCase> cases = {
        {"Concursos.inx  3,000 contests", temp.filePath(QStringLiteral("Concursos3000.inx")), false},
        {"Concursos.inx 30,000 contests", temp.filePath(QStringLiteral("Concursos30000.inx")), false},
        {"Apostas.inx 100 x 1,000 bets  ", temp.filePath(QStringLiteral("Apostas.inx")), true},
    };
    MakeContestFile(cases[0].File, 3000);
    MakeContestFile(cases[1].File, 30000);
    MakeBetFile(cases[2].File, 100, 1000);

    std::printf("INX store, median of %d runs, ms (files in %s)\n", runs, qPrintable(temp.path()));
    std::printf("%-30s %9s %7s %7s %7s %7s %9s %7s %7s %7s %7s\n", "file", "bytes", "load", "read", "write", "save",
                "l+r+s", "all", "plain", "ratio", "ratio");
    std::printf("%-30s %9s %7s %7s %7s %7s %9s %7s %7s %7s %7s\n", "", "", "", "", "", "", "", "four", "r+w", "l+r+s",
                "all");
    std::vector<TTimes> results;
    for (const TCase& c : cases) {
        const TTimes t = MedianOf(c.File, c.Bets, runs);
        results.push_back(t);
        std::printf("%-30s %9lld %7.1f %7.1f %7.1f %7.1f %9.1f %7.1f %7.1f %7.1f %7.1f\n", c.Label,
                    static_cast<long long>(QFileInfo(c.File).size()), t.Load, t.Read, t.Write, t.Save, t.RoundTrip(),
                    t.All(), t.Plain, t.RoundTrip() / t.Plain, t.All() / t.Plain);
    }
    std::printf("\n30,000 / 3,000 contests: load+read+save %.1f x, all four %.1f x\n",
                results[1].RoundTrip() / results[0].RoundTrip(), results[1].All() / results[0].All());
    return 0;
}
