// The check run: grid order, summary copies, pause and stop, the results model and results files.

#include "lottery/CheckRules.h"
#include "lottery/TCheckEngine.h"
#include "lottery/TResultsModel.h"
#include "util/Exceptions.h"
#include "util/TextCodec.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

using TRows = QList<QStringList>;

TRows GridRows(const TResultsModel& aModel)
{
    TRows rows;
    for (int r = 0; r < aModel.RowCount(); ++r) {
        const TResultTexts row = aModel.Row(r);
        rows.append(QStringList(row.begin(), row.end()));
    }
    return rows;
}

QStringList Blank()
{
    return {"", "", "", "", ""};
}

QByteArray FileBytes(const QString& aFileName)
{
    QFile file(aFileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(não lido)");
}

// Two contests, two groups: the example of the grid order.
struct TExample
{
    std::vector<TContestEntry> Entries{{"01230", "04;15;23;38;41;60", Qt::Checked},
                                       {"01231", "01;02;03;04;05;06", Qt::Checked}};
    std::vector<TBetGroup> Groups{{"A", {"04;15;23;38;41;60", "01;02;03;07;08;09"}}, {"B", {"04;15;23;38;50;51"}}};
};

} // namespace

class TestCheckEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gridOrder();
    void summaryCopies_data();
    void summaryCopies();
    void pauseAndStopBetweenContests();
    void uncheckedEntriesAndEmptyGroups();
    void maskCountEqualsCountHits();
    void resultsFileBytes();
    void failedResultsSaveKeepsTheOldFile();
    void resultsFileRoundTrip();
    void resultsFileWindows1252();
    void streamedFileEqualsModelSave();
    void rowsAreCompact();
};

void TestCheckEngine::gridOrder()
{
    TExample example;
    TResultsModel results;
    TCheckEngine engine;
    engine.Start(example.Entries, example.Groups, {}, results, nullptr);
    QCOMPARE(engine.State(), stpPlaying);
    engine.Run();
    QCOMPARE(engine.State(), stpStoped);

    const TRows expected{
        Blank(),
        {"01230", "<- Concurso", "Grupo: B", "", ""},
        {"01230", "04;15;23;38;41;60", "04;15;23;38;50;51", "04;15;23;38", "Quadra"},
        Blank(),
        {"01230", "<- Concurso", "Grupo: A", "", ""},
        {"01230", "04;15;23;38;41;60", "04;15;23;38;41;60", "04;15;23;38;41;60", "Sena"},
        {"01230", "04;15;23;38;41;60", "01;02;03;07;08;09", "None", "None"},
        Blank(),
        {"01231", "<- Concurso", "Grupo: B", "", ""},
        {"01231", "01;02;03;04;05;06", "04;15;23;38;50;51", "04", "Sol"},
        Blank(),
        {"01231", "<- Concurso", "Grupo: A", "", ""},
        {"01231", "01;02;03;04;05;06", "04;15;23;38;41;60", "04", "Sol"},
        {"01231", "01;02;03;04;05;06", "01;02;03;07;08;09", "01;02;03", "Terno"},
        Blank(), // the grid's own empty bottom row
    };
    QCOMPARE(GridRows(results), expected);

    // A second run goes on top; the rows of the first stay below.
    engine.Start({example.Entries[0]}, {example.Groups[1]}, {}, results, nullptr);
    engine.Run();
    QCOMPARE(results.RowCount(), expected.size() + 3);
    QCOMPARE(results.Cell(2, 4), QStringLiteral("Quadra"));
    QCOMPARE(GridRows(results).mid(3), expected);
}

void TestCheckEngine::summaryCopies_data()
{
    QTest::addColumn<QList<int>>("levels");
    QTest::addColumn<QStringList>("summary"); // bet column of each summary row, top first

    QTest::newRow("defaults: Quadra, Quina, Sena")
        << QList<int>{4, 5, 6} << QStringList{"04;15;23;38;50;51", "04;15;23;38;41;60"};
    QTest::newRow("Sol only") << QList<int>{1} << QStringList{"04;15;23;38;50;51", "04;15;23;38;41;60"};
    QTest::newRow("Terno and Sena") << QList<int>{3, 6} << QStringList{"04;15;23;38;41;60", "01;02;03;07;08;09"};
    QTest::newRow("none") << QList<int>{} << QStringList{};
}

void TestCheckEngine::summaryCopies()
{
    QFETCH(QList<int>, levels);
    QFETCH(QStringList, summary);
    std::array<bool, 6> enabled{};
    for (const int level : levels)
        enabled[std::size_t(level - 1)] = true;
    TExample example;
    TResultsModel results;
    TResultsModel summaryModel;
    summaryModel.ResultRowInsert({"00001", "older", "run", "", "Sena"}); // earlier rows stay below
    TCheckEngine engine;
    engine.Start(example.Entries, example.Groups, enabled, results, &summaryModel);
    engine.Run();

    QStringList bets;
    const TRows rows = GridRows(summaryModel);
    for (int r = 0; r < rows.size() - 2; ++r) {
        bets.append(rows[r][2]);
        QVERIFY(levels.contains(summaryModel.HitCount(r)));
        // A copy holds the same five texts as its result row.
        bool found = false;
        for (const QStringList& row : GridRows(results))
            found = found || row == rows[r];
        QVERIFY2(found, qPrintable(rows[r].join(u'|')));
    }
    QCOMPARE(bets, summary);
    QCOMPARE(rows[rows.size() - 2], QStringList({"00001", "older", "run", "", "Sena"}));
}

void TestCheckEngine::pauseAndStopBetweenContests()
{
    std::vector<TContestEntry> entries;
    for (int c = 1; c <= 5; ++c)
        entries.push_back({QStringLiteral("0000%1").arg(c), "01;02;03;04;05;06", Qt::Checked});
    const std::vector<TBetGroup> groups{{"G", {"01;02;03;04;05;06"}}};
    TResultsModel results;
    TCheckEngine engine;
    engine.Start(entries, groups, {}, results, nullptr);

    // Pause after the first entry (the oldest, the last of the list); stop while paused.
    QList<int> processed;
    int waits = 0;
    engine.Run(
        [&] {
            ++waits;
            QCOMPARE(engine.State(), stpPaused);
            engine.Stop();
        },
        [&](int aEntry) {
            processed.append(aEntry);
            if (processed.size() == 1)
                engine.PlayToggle();
        });
    // The entry at which the pause took effect is still processed whole, then the run ends.
    QCOMPARE(processed, QList<int>({4, 3}));
    QCOMPARE(waits, 1);
    QCOMPARE(engine.State(), stpStoped);
    QVERIFY(!engine.HasNext());
    QCOMPARE(results.RowCount(), 2 * 3 + 1);
    QCOMPARE(results.Cell(0, 0), QString());
    QCOMPARE(results.Cell(1, 0), QStringLiteral("00004"));
    QCOMPARE(results.Cell(4, 0), QStringLiteral("00005"));

    // Without a wait, a paused run returns and can be resumed later.
    engine.Start(entries, groups, {}, results, nullptr);
    engine.PlayToggle();
    engine.Run();
    QCOMPARE(engine.State(), stpPaused);
    QVERIFY(engine.HasNext());
    engine.PlayToggle();
    engine.Run();
    QCOMPARE(engine.State(), stpStoped);
    QCOMPARE(results.RowCount(), 7 + 5 * 3);

    // The grid may be cleared while a run is paused; the run then goes on into the empty grid.
    engine.Start(entries, groups, {}, results, nullptr);
    engine.Step();
    engine.PlayToggle();
    engine.Run([&] {
        results.Clear();
        engine.PlayToggle();
    });
    QCOMPARE(results.RowCount(), 4 * 3 + 1);
    QCOMPARE(results.Cell(2, 2), QStringLiteral("01;02;03;04;05;06"));
    QCOMPARE(results.Cell(10, 0), QStringLiteral("00004"));

    // Stop does nothing to a run that is not going.
    engine.Stop();
    engine.PlayToggle();
    QCOMPARE(engine.State(), stpStoped);
}

void TestCheckEngine::uncheckedEntriesAndEmptyGroups()
{
    const std::vector<TContestEntry> entries{{"00003", "01;02;03;04;05;06", Qt::Checked},
                                             {"00002", "01;02;03;04;05;06", Qt::Unchecked},
                                             {"00001", "01;02;03;04;05;06", Qt::PartiallyChecked}};
    const std::vector<TBetGroup> groups{{"Vazio", {}}};
    TResultsModel results;
    TCheckEngine engine;
    engine.Start(entries, groups, {}, results, nullptr);
    engine.Run();
    QCOMPARE(GridRows(results), TRows({Blank(), {"00003", "<- Concurso", "Grupo: Vazio", "", ""}, Blank()}));
}

void TestCheckEngine::maskCountEqualsCountHits()
{
    // The run counts plain numbers with bit masks; whatever the texts, each row must read as
    // CountHits says (one-digit numbers, texts that are no numbers, more than six drawn).
    QRandomGenerator random(42);
    const auto numbers = [&](int aCount, bool aOdd) {
        QStringList list;
        while (list.size() < aCount) {
            const int n = int(random.bounded(1, 61));
            QString text = QString::number(n).rightJustified(2, u'0');
            if (aOdd && random.bounded(4) == 0)
                text = QString::number(n);
            if (!list.contains(text))
                list.append(text);
        }
        return list.join(u';');
    };
    std::vector<TContestEntry> entries;
    for (int c = 0; c < 40; ++c)
        entries.push_back({QString::number(c), numbers(c % 10 == 0 ? 8 : 6, c % 3 == 0), Qt::Checked});
    entries.push_back({"x", "ab;04;15", Qt::Checked});
    entries.push_back({"y", "", Qt::Checked});
    std::vector<TBetGroup> groups{{"G", {}}};
    for (int b = 0; b < 60; ++b)
        groups[0].Bets.append(numbers(6 + b % 10, b % 4 == 0));
    groups[0].Bets.append("ab;cd;04;05;06;07");
    TResultsModel results;
    TCheckEngine engine;
    engine.Start(entries, groups, {}, results, nullptr);
    engine.Run();
    int checked = 0;
    for (int r = 0; r < results.RowCount(); ++r) {
        if (results.HitCount(r) < 0)
            continue;
        const TResultTexts row = results.Row(r);
        const QString hits = CountHits(row[1], row[2]);
        QCOMPARE(row[3] + u'|' + QString::number(results.HitCount(r)) + u'|' + row[4], hits);
        ++checked;
    }
    QCOMPARE(checked, 42 * 61);
}

void TestCheckEngine::resultsFileBytes()
{
    TExample example;
    TResultsModel results;
    TCheckEngine engine;
    engine.Start({example.Entries[1]}, example.Groups, {}, results, nullptr);
    engine.Run();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Resultado concurso xxxx.Result"));
    results.ResultsFileSave(file);
    QCOMPARE(FileBytes(file), QByteArray("\t\t\t\t\r\n"
                                         "01231\t<- Concurso\tGrupo: B\t\t\r\n"
                                         "01231\t01;02;03;04;05;06\t04;15;23;38;50;51\t04\tSol\r\n"
                                         "\t\t\t\t\r\n"
                                         "01231\t<- Concurso\tGrupo: A\t\t\r\n"
                                         "01231\t01;02;03;04;05;06\t04;15;23;38;41;60\t04\tSol\r\n"
                                         "01231\t01;02;03;04;05;06\t01;02;03;07;08;09\t01;02;03\tTerno\r\n"
                                         "\t\t\t\t\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(file).fileName()});

    // A folder that does not exist: an error, and nothing left behind.
    QVERIFY_THROWS_EXCEPTION(EInOutError, results.ResultsFileSave(dir.filePath(QStringLiteral("nao/existe.Result"))));
}

void TestCheckEngine::failedResultsSaveKeepsTheOldFile()
{
    TExample example;
    TResultsModel results;
    TCheckEngine engine;
    engine.Start(example.Entries, example.Groups, {}, results, nullptr);
    engine.Run();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Resultado.Result"));
    WriteAll(file, "resultados de antes\r\n");
    QVERIFY(SetMode(file, 0640));
    const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);

    // The disk fills half way (a file-size limit, for any user): the old file stays whole and no
    // temporary file is left.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString message;
    try {
        results.ResultsFileSave(file);
    } catch (const EInOutError& e) {
        message = e.Message();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    QVERIFY2(message.contains(file) && message.contains(QStringLiteral("File too large")), qPrintable(message));
    QCOMPARE(FileBytes(file), QByteArray("resultados de antes\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);

    // A save that succeeds keeps the mode the user gave the file.
    results.ResultsFileSave(file);
    const QByteArray written = FileBytes(file);
    QVERIFY(written.startsWith("\t\t\t\t\r\n"));
    QCOMPARE(ModeText(file), QStringLiteral("640"));

    // A folder the user may not write into: an error with the system's reason, the file as it was.
    QVERIFY(SetMode(dir.path(), 0500));
    const auto restore = qScopeGuard([&] { SetMode(dir.path(), 0700); });
    REQUIRE_FILE_MODES();
    results.ResultRowInsert({"00001", "01;02;03;04;05;06", "", "", ""});
    message.clear();
    try {
        results.ResultsFileSave(file);
    } catch (const EInOutError& e) {
        message = e.Message();
    }
    QVERIFY2(message.contains(QStringLiteral("Permission denied")), qPrintable(message));
    QCOMPARE(FileBytes(file), written);
}

void TestCheckEngine::resultsFileRoundTrip()
{
    TExample example;
    TResultsModel results;
    TCheckEngine engine;
    engine.Start(example.Entries, example.Groups, {}, results, nullptr);
    engine.Run();
    results.ResultRowInsert({"00009", "Ação", "texto", "None", "None"}, true); // heading kind: blank above
    QCOMPARE(results.Cell(1, 1), QStringLiteral("Ação"));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("r.Result"));
    results.ResultsFileSave(file);
    const TRows saved = GridRows(results);

    TResultsModel loaded;
    loaded.ResultRowInsert({"some", "old", "row", "", ""});
    loaded.ResultsFileLoad(file);
    TRows expected = saved;
    for (QStringList& row : expected)
        for (QString& cell : row)
            if (cell == u"None")
                cell.clear();
    expected.append(Blank()); // the saved bottom row, then the grid's own
    QCOMPARE(GridRows(loaded), expected);
    QCOMPARE(loaded.Cell(1, 3), QString());

    // Saving what was read gives the file again, less its "None" cells.
    loaded.ResultsFileSave(dir.filePath(QStringLiteral("again.Result")));
    QByteArray bytes = FileBytes(file);
    bytes.replace("\tNone", "\t");
    QCOMPARE(FileBytes(dir.filePath(QStringLiteral("again.Result"))), bytes + "\t\t\t\t\r\n");

    // Reading an unreadable file is an error; cancelling leaves an empty grid to the screen.
    QVERIFY_THROWS_EXCEPTION(EInOutError, loaded.ResultsFileLoad(dir.filePath(QStringLiteral("nada.Result"))));
    QCOMPARE(loaded.RowCount(), 1);
}

void TestCheckEngine::resultsFileWindows1252()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("antigo.Result"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(EncodeWin1252(u"00001\t<- Concurso\tGrupo: Ação\t\t\r\n00001\t01;02\t01;03\t01|x\tSol\textra\r\nso um"));
    out.close();
    TResultsModel loaded;
    loaded.ResultsFileLoad(file);
    QCOMPARE(GridRows(loaded), TRows({{"00001", "<- Concurso", "Grupo: Ação", "", ""},
                                      {"00001", "01;02", "01;03", "01|x", "Sol"},
                                      {"so um", "", "", "", ""},
                                      Blank()}));
}

void TestCheckEngine::streamedFileEqualsModelSave()
{
    std::vector<TContestEntry> entries{{"01232", "04;15;23;38;41;60", Qt::Checked},
                                       {"01231", "4;15;23;38;41;60", Qt::Checked}, // typed with one digit
                                       {"01230", "01;02;03;04;05;06;07", Qt::Checked},
                                       {"01229", "01;02;03;04;05;06", Qt::Unchecked}};
    // Texts longer than a row's usual room (odd, but possible in old files) take the slow way.
    const QString longBet = QString(1100, u'0') + QStringLiteral("4;15;23;38;40;50");
    entries.push_back({QString(1100, u'9'), "04;15;23;38;41;60", Qt::Checked});
    std::vector<TBetGroup> groups{{"A", {"04;15;23;38;41;60", "5;10;20;30;40;50"}},
                                  {"Ação", {}},
                                  {"C", {"01;02;03;04;05;06;07;08;09;10;11;12;13;14;15", longBet, "01;02;03;04;44;45"}},
                                  {QString(1100, u'G'), {"04;15;23;38;41;60"}}};
    const std::array<bool, 6> levels{false, false, false, true, true, true};
    TResultsModel results;
    TResultsModel summary;
    TCheckEngine engine;
    engine.Start(entries, groups, levels, results, &summary);
    engine.Run();
    QTemporaryDir dir;
    results.ResultsFileSave(dir.filePath(QStringLiteral("model.Result")));

    TResultsModel unused;
    TResultsModel streamedSummary;
    std::array<std::int64_t, 7> perLevel{};
    engine.Start(entries, groups, levels, unused, &streamedSummary);
    engine.ResultsFileRun(dir.filePath(QStringLiteral("stream.Result")), perLevel);
    QCOMPARE(engine.State(), stpStoped);
    QCOMPARE(unused.RowCount(), 1);
    QCOMPARE(FileBytes(dir.filePath(QStringLiteral("stream.Result"))),
             FileBytes(dir.filePath(QStringLiteral("model.Result"))));
    QCOMPARE(GridRows(streamedSummary), GridRows(summary));

    std::array<std::int64_t, 7> expected{};
    for (int r = 0; r < results.RowCount(); ++r)
        if (results.HitCount(r) >= 0)
            ++expected[std::size_t(results.HitCount(r) <= 6 ? results.HitCount(r) : 0)];
    QCOMPARE(perLevel, expected);
    QCOMPARE(perLevel[6], 6); // 01232, 01231 and the long number against the first bet of A and the long group
    QCOMPARE(results.Cell(6, 2), longBet);
    QCOMPARE(results.Cell(6, 3), QStringLiteral("04;15;23;38"));
}

void TestCheckEngine::rowsAreCompact()
{
    std::vector<TContestEntry> entries;
    for (int c = 0; c < 200; ++c)
        entries.push_back({QString::number(c).rightJustified(5, u'0'), "04;15;23;38;41;60", Qt::Checked});
    std::vector<TBetGroup> groups{{"G", {}}};
    // Enough rows (some 5 MB) for the rows to be kept in a large block of their own.
    for (int b = 0; b < 1000; ++b)
        groups[0].Bets.append("01;02;03;04;05;06;07;08;09;10;11;12;13;14;15");
    TResultsModel results;
    TCheckEngine engine;
    engine.Start(entries, groups, {}, results, nullptr);
    engine.Run();
    QCOMPARE(results.RowCount(), 200 * 1002 + 1);
    QCOMPARE(results.Cell(200 * 1002 - 1, 3), QStringLiteral("04;15"));
    QVERIFY2(results.RowBytes() <= std::size_t(results.RowCount()) * 64,
             qPrintable(QString::number(results.RowBytes())));
}

QTEST_GUILESS_MAIN(TestCheckEngine)
#include "TestCheckEngine.moc"
