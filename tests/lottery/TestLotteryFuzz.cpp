// Seeded hostile input for the readers of contest import files, bet files and results files:
// mutations of the real draw history, of the lottery fixtures and of results files the program
// wrote. Every case must end in a result or a clear message (an error text, or an exception of
// the program's kinds with a message), never in a crash or undefined behaviour (the sanitizer
// build runs this too), and what is read must still obey the rules the screens rely on. A failed
// case names its seed and number; NORVADEL_FUZZ_SEED and NORVADEL_FUZZ_CASE replay it alone.

#include "tests/FuzzInput.h"

#include "lottery/BetRules.h"
#include "lottery/CheckRules.h"
#include "lottery/ContestRules.h"
#include "lottery/TCheckEngine.h"
#include "lottery/TContestStore.h"
#include "lottery/TResultsModel.h"
#include "store/TManager.h"
#include "util/Exceptions.h"
#include "util/TextCodec.h"
#include "util/TextUtils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <bit>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define NORVADEL_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define NORVADEL_SANITIZED 1
#endif

#if defined(NORVADEL_SANITIZED)
// A report of undefined behaviour aborts, as the address sanitizer's do in the test script,
// instead of leaving quietly: the abort tells the case under way.
extern "C" const char* __ubsan_default_options()
{
    return "abort_on_error=1";
}
#endif

// QVERIFY2 with a message made only when the check fails: the checks of a run number in the
// hundreds of thousands.
#define FUZZ_VERIFY(aStatement, aMessage)                                                                              \
    do {                                                                                                               \
        if (!(aStatement)) {                                                                                           \
            QTest::qVerify(false, #aStatement, qPrintable(aMessage), __FILE__, __LINE__);                              \
            return;                                                                                                    \
        }                                                                                                              \
    } while (false)

namespace {

using TRows = QList<QStringList>;

QByteArray Read(const QString& aFileName)
{
    QFile file(aFileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TRows Rows(const TResultsModel& aModel)
{
    TRows rows;
    for (int r = 0; r < aModel.RowCount(); ++r) {
        const TResultTexts row = aModel.Row(r);
        rows.append(QStringList(row.begin(), row.end()));
    }
    return rows;
}

// Where two grids first differ, to name in a failure.
QString Difference(const TRows& aGot, const TRows& aExpected)
{
    for (qsizetype r = 0; r < std::max(aGot.size(), aExpected.size()); ++r)
        if (aGot.value(r) != aExpected.value(r))
            return QStringLiteral("row %1: [%2] instead of [%3]")
                .arg(r)
                .arg(aGot.value(r).join(u'|'), aExpected.value(r).join(u'|'));
    return QString();
}

TRows ContestRows(const std::vector<TContestRow>& aRows)
{
    TRows rows;
    for (const TContestRow& row : aRows)
        rows.append({row.Number, row.Numbers, row.Value, row.Winners, row.Sorte});
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The rows as a results file gives them back: "None" cells read empty, and the grid's own
// bottom row was saved as a blank line.
TRows RowsReadBack(TRows aRows)
{
    for (QStringList& row : aRows)
        for (QString& cell : row)
            if (cell == u"None")
                cell.clear();
    aRows.append({"", "", "", "", ""});
    return aRows;
}

// A contest line read the plain way: tab-separated fields, each whole number read by the
// program's integer conversion. The import reads most lines a quicker way, which must agree.
bool PlainContest(const QString& aLine, TContestRow& aRow)
{
    const QStringList fields = aLine.split(u'\t');
    int number = 0;
    if (fields.size() < 7 || !TryStrToInt(fields[0].trimmed(), number) || number < 1)
        return false;
    QStringList drawn;
    for (int i = 1; i <= 6; ++i) {
        int value = 0;
        if (!TryStrToInt(fields[i].trimmed(), value) || value < 1 || value > 60)
            return false;
        const QString text = PadNumber(value, 2);
        if (drawn.contains(text))
            return false;
        drawn.append(text);
    }
    aRow = {PadNumber(number, 5), drawn.join(u';'), fields.value(8), fields.value(7), QString()};
    return true;
}

bool AllDigits(const QString& aText)
{
    return !aText.isEmpty() && std::all_of(aText.begin(), aText.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Six distinct numbers from 01 to 60, two digits each, as the import stores a draw.
bool StoredDraw(const QString& aNumbers)
{
    std::uint64_t mask = 0;
    return aNumbers.size() == 17 && NumberMask(aNumbers, mask) && std::popcount(mask) == 6 &&
           CountTokens(aNumbers, u';') == 6;
}

// Runs one case; an exception of the program's kinds must carry a message, any other fails.
template <class TCase> void Guarded(const QString& aContext, TCase aCase)
{
    try {
        aCase();
    } catch (const Exception& e) {
        QVERIFY2(!e.Message().isEmpty(), qPrintable(aContext + QStringLiteral(": exception without a message")));
    } catch (const std::exception& e) {
        QFAIL(qPrintable(aContext + QStringLiteral(": ") + QString::fromUtf8(e.what())));
    }
}

} // namespace

class TestLotteryFuzz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void contestImport();
    void betFiles();
    void resultsFiles();

private:
    QString Input(const QByteArray& aBytes);
    QByteArray HistorySlice(QRandomGenerator& aRandom) const;
    QByteArray HistoryDraw(QRandomGenerator& aRandom) const;
    void ImportCase(const QByteArray& aBytes, bool aStore, const QString& aContext);
    void BetCase(const QByteArray& aBytes, QRandomGenerator& aRandom, bool aCheck, const QString& aContext);
    void ResultsCase(const QByteArray& aBytes, bool aSaveAgain, const QString& aContext);

    quint32 FSeed = 0;
    // In memory when the system offers it: every case writes and reads files.
    QTemporaryDir FDir{QDir(QStringLiteral("/dev/shm")).exists()
                           ? QStringLiteral("/dev/shm/lottery_fuzz-XXXXXX")
                           : QDir::tempPath() + QStringLiteral("/lottery_fuzz-XXXXXX")};
    QByteArray FHistoryHeading;
    QList<QByteArray> FHistory; // the contest lines of the draw history, oldest first
    QList<QByteArray> FImportFiles;
    QList<QByteArray> FBetFiles;
    QList<QByteArray> FResultsFiles;
};

void TestLotteryFuzz::initTestCase()
{
    FSeed = FuzzSeed(20261211);
    qInfo("seed %u", FSeed);
    QVERIFY(FDir.isValid());

    const QList<QByteArray> history = Read(QStringLiteral(NORVADEL_TEST_DATA "/megasena-history.tsv")).split('\n');
    QVERIFY(history.size() > 3000);
    FHistoryHeading = history.first();
    for (const QByteArray& line : history.mid(1))
        if (!line.isEmpty() && line != "FIM")
            FHistory.append(line);
    const QDir fixtures(QStringLiteral(NORVADEL_TEST_DATA "/lottery"));
    for (const QString& name : fixtures.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name))
        FImportFiles.append(Read(fixtures.filePath(name)));
    for (const QString& name : fixtures.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        FBetFiles.append(Read(fixtures.filePath(name)));
    QVERIFY(FImportFiles.size() >= 3 && FBetFiles.size() >= 2);

    // A bet file of real draws, some with more numbers, one-digit numbers and CR LF.
    QByteArray draws;
    for (int i = 0; i < 40; ++i) {
        QList<QByteArray> numbers = FHistory[i * 71].split('\t').mid(1, 6);
        for (int extra = 0; extra < i % 10; ++extra)
            numbers.append(QByteArray::number(51 + extra));
        if (i % 7 == 0 && numbers.first().startsWith('0'))
            numbers.first().remove(0, 1);
        draws += numbers.join(';') + (i % 3 == 0 ? "\r\n" : "\n");
    }
    FBetFiles.append(draws);

    // Results files as the program writes them: a check of the fixtures' bets against real
    // draws, one typed with one-digit numbers, and text rows; also in Windows-1252.
    std::vector<TBetGroup> groups;
    for (const QString& name : {QStringLiteral("jogos.txt"), QStringLiteral("outros.2014.txt")})
        groups.push_back({GroupNameFromFile(name), BetLinesCheck(BetFileRead(fixtures.filePath(name))).Accepted});
    std::vector<TContestEntry> entries{{"03047", "04;18;22;26;31;58", Qt::Checked},
                                       {"01217", "10;11;29;30;36;47", Qt::Checked},
                                       {"01216", "4;15;23;38;41;60", Qt::Checked}};
    TResultsModel results;
    TCheckEngine engine;
    engine.Start(entries, groups, {false, false, false, true, true, true}, results, nullptr);
    engine.Run();
    results.ResultRowInsert({"01218", "<- Concurso", "Grupo: Ação", "", ""}, true);
    const QString saved = FDir.filePath(QStringLiteral("semente.Result"));
    results.ResultsFileSave(saved);
    FResultsFiles.append(Read(saved));
    FResultsFiles.append(EncodeWin1252(QString::fromUtf8(FResultsFiles.first())));
}

QString TestLotteryFuzz::Input(const QByteArray& aBytes)
{
    const QString fileName = FDir.filePath(QStringLiteral("entrada"));
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(aBytes) != aBytes.size())
        qFatal("cannot write %s", qPrintable(fileName));
    return fileName;
}

// The heading, a run of contest lines and, mostly, the closing line; now and then the whole history.
QByteArray TestLotteryFuzz::HistorySlice(QRandomGenerator& aRandom) const
{
    const int count = aRandom.bounded(200) == 0 ? int(FHistory.size()) : aRandom.bounded(1, 40);
    const int first = aRandom.bounded(int(FHistory.size()) - count + 1);
    QByteArray bytes = FHistoryHeading + '\n' + FHistory.mid(first, count).join('\n') + '\n';
    if (aRandom.bounded(4) != 0)
        bytes += "FIM\n";
    return bytes;
}

// The drawn numbers of a real contest, as a bet or a draw writes them.
QByteArray TestLotteryFuzz::HistoryDraw(QRandomGenerator& aRandom) const
{
    return FHistory[aRandom.bounded(int(FHistory.size()))].split('\t').mid(1, 6).join(';');
}

void TestLotteryFuzz::ImportCase(const QByteArray& aBytes, bool aStore, const QString& aContext)
{
    const QStringList lines = ContestFileRead(Input(aBytes));
    TContestGrid grid;
    bool progressInRange = true;
    const TContestImport import = ContestImportRun(lines, grid, [&](int aLine, int aLast) {
        progressInRange = progressInRange && aLast == lines.size() - 1 && aLine >= 0 && aLine <= aLast;
        return true;
    });
    FUZZ_VERIFY(progressInRange, aContext);

    // Read to the end, or stopped with a message that quotes the line it names and says why.
    if (import.Error.isEmpty()) {
        FUZZ_VERIFY(import.ErrorLine == 0 && !import.Log.isEmpty(), aContext);
    } else if (import.ErrorLine == 0) {
        // No line is a contest, and none is a wrong one either (headings, blank lines).
        FUZZ_VERIFY(import.Log.isEmpty() &&
                        import.Error.startsWith(QStringLiteral("O arquivo não contém nenhum concurso:")),
                    aContext + ": " + import.Error);
    } else {
        FUZZ_VERIFY(import.ErrorLine >= 1 && import.ErrorLine <= lines.size(), aContext + ": " + import.Error);
        // The line is quoted (cut when long); the message says whether contests before it were kept.
        const bool none = import.Log.isEmpty();
        const QString head =
            (none ? QStringLiteral("O arquivo não contém nenhum concurso que se possa importar. Linha %1 (\"")
                  : QStringLiteral("Linha %1 do arquivo (\""))
                .arg(import.ErrorLine);
        const QString end =
            none ? QStringLiteral(".")
                 : QStringLiteral(". A importação parou nesta linha; os concursos lidos antes dela foram mantidos.");
        FUZZ_VERIFY(import.Error.startsWith(head) && import.Error.endsWith(end) && import.Error.contains(u"\"): ") &&
                        import.Error.size() > head.size() + end.size(),
                    aContext + ": " + import.Error);
    }
    FUZZ_VERIFY(import.Added + import.Skipped == import.Log.size() && grid.RowCount() == import.Added, aContext);
    for (int r = 0; r < grid.RowCount(); ++r) {
        const TContestRow& row = grid.Row(r);
        int number = 0;
        FUZZ_VERIFY(row.Number.size() >= 5 && AllDigits(row.Number) && TryStrToInt(row.Number, number) && number >= 1 &&
                        StoredDraw(row.Numbers) && row.Sorte.isEmpty(),
                    aContext + ": " + row.Number + " " + row.Numbers);
    }

    // The quick reading of a line agrees with the plain one.
    for (const QString& line : lines) {
        TContestRow row;
        TContestRow plain;
        const bool read = ContestImportLine(line, row).isEmpty();
        FUZZ_VERIFY(read == PlainContest(line, plain) && (!read || row == plain), aContext + ": " + line);
    }
    grid.NextNumber(); // whatever the top number, without overflow

    // What was read is kept in Concursos.inx and read back the same.
    if (!aStore || grid.RowCount() == 0)
        return;
    const QString storeFile = ContestsFileName(FDir.path());
    QFile::remove(storeFile);
    {
        TManager store(storeFile, true);
        ContestsSave(store, grid);
        store.Save(storeFile);
        FUZZ_VERIFY(store.Status().HasStatus(stFileSaved), aContext);
    }
    TManager store(storeFile, true);
    store.setiSaveOnFree(false);
    TContestGrid loaded;
    ContestsLoad(store, loaded);
    // The file is kept in Windows-1252: a character outside it comes back as "?".
    TRows rows = ContestRows(grid.Rows());
    for (QStringList& row : rows)
        for (QString& cell : row)
            cell = DecodeWin1252(EncodeWin1252(cell));
    const TRows back = ContestRows(loaded.Rows());
    FUZZ_VERIFY(back == rows, aContext + ": " + Difference(back, rows));
}

void TestLotteryFuzz::contestImport()
{
    for (int i = 0; i < 1200; ++i) {
        if (!FuzzCaseWanted(i))
            continue;
        FuzzCaseStart("contestImport", FSeed, i);
        const QString context = QStringLiteral("seed %1, case %2").arg(FSeed).arg(i);
        QRandomGenerator random = FuzzGenerator(FSeed, 1, i);
        const QByteArray source =
            random.bounded(4) == 0 ? FImportFiles[random.bounded(int(FImportFiles.size()))] : HistorySlice(random);
        const bool store = random.bounded(10) == 0;
        const QByteArray bytes = FuzzMutate(source, random);
        Guarded(context, [&] { ImportCase(bytes, store, context); });
        if (QTest::currentTestFailed())
            return;
    }
}

void TestLotteryFuzz::BetCase(const QByteArray& aBytes, QRandomGenerator& aRandom, bool aCheck, const QString& aContext)
{
    const QStringList lines = BetFileRead(Input(aBytes));
    const TBetLines bets = BetLinesCheck(lines);

    // Every line that is not blank is either stored or reported with the reason it is refused.
    qsizetype accepted = 0;
    std::size_t rejected = 0;
    QStringList typed; // the lines as they are, for a check that does not go through the bet rules
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.trimmed().isEmpty())
            continue;
        if (typed.size() < 40)
            typed.append(QString(line).remove(u'\t')); // a results file holds no tab inside a cell
        const QString problem = BetProblem(line);
        if (problem.isEmpty()) {
            FUZZ_VERIFY(accepted < bets.Accepted.size() && bets.Accepted[accepted] == BetStoredForm(line),
                        aContext + ": " + line);
            ++accepted;
            continue;
        }
        FUZZ_VERIFY(rejected < bets.Rejected.size(), aContext + ": " + line);
        const TBetRejection& rejection = bets.Rejected[rejected++];
        FUZZ_VERIFY(rejection.Line == i + 1 && rejection.Text == line && rejection.Reason == problem,
                    aContext + ": " + line);
    }
    FUZZ_VERIFY(accepted == bets.Accepted.size() && rejected == bets.Rejected.size(), aContext);
    FUZZ_VERIFY(BetRejectionLines(bets.Rejected).size() == qsizetype(bets.Rejected.size()), aContext);
    // A stored bet: 6 to 15 distinct two-digit numbers, ascending, that read back as themselves.
    for (const QString& bet : bets.Accepted) {
        std::uint64_t mask = 0;
        const int count = CountTokens(bet, u';');
        FUZZ_VERIFY(count >= 6 && count <= 15 && bet.size() == 3 * count - 1 && NumberMask(bet, mask) &&
                        std::popcount(mask) == count && BetStoredForm(bet) == bet,
                    aContext + ": " + bet);
    }

    // Checked against draws, some of them mangled, as the checking screen and the command line
    // do: each result row reads as CountHits says, the file streamed by the command line equals
    // the grid saved, and the saved file reads back as the grid. (Each results file costs a
    // large buffer, which the sanitizers make slow to get: not every case writes them.)
    if (!aCheck)
        return;
    std::vector<TContestEntry> entries;
    const int draws = aRandom.bounded(1, 4);
    for (int d = 0; d < draws; ++d) {
        QByteArray numbers = HistoryDraw(aRandom);
        if (aRandom.bounded(2) == 0)
            numbers = FuzzMutate(numbers, aRandom);
        QString text = DecodeText(numbers);
        text.remove(u'\t').remove(u'\r').remove(u'\n');
        entries.push_back({PadNumber(d + 1, 5), text, Qt::Checked});
    }
    const std::vector<TBetGroup> groups{{QStringLiteral("aceitas"), bets.Accepted.mid(0, 40)},
                                        {QStringLiteral("digitadas"), typed}};
    std::array<bool, 6> levels{};
    for (bool& level : levels)
        level = aRandom.bounded(2) == 0;
    TResultsModel results;
    TResultsModel summary;
    TCheckEngine engine;
    engine.Start(entries, groups, levels, results, &summary);
    engine.Run();
    for (int r = 0; r < results.RowCount(); ++r) {
        if (results.HitCount(r) < 0)
            continue;
        const TResultTexts row = results.Row(r);
        // The numbers hit may hold "|" themselves: the count and the level are the last two parts.
        const QString hits = CountHits(row[1], row[2]);
        const int count = hits.section(u'|', -2, -2).toInt();
        FUZZ_VERIFY(row[3] == hits.section(u'|', 0, -3) && row[4] == hits.section(u'|', -1) &&
                        results.HitCount(r) == std::min(count, 255),
                    aContext + ": " + row[1] + " / " + row[2]);
    }
    const QString saved = FDir.filePath(QStringLiteral("grade.Result"));
    const QString streamed = FDir.filePath(QStringLiteral("fluxo.Result"));
    results.ResultsFileSave(saved);
    TResultsModel unused;
    TResultsModel streamedSummary;
    std::array<std::int64_t, 7> perLevel{};
    engine.Start(entries, groups, levels, unused, &streamedSummary);
    engine.ResultsFileRun(streamed, perLevel);
    FUZZ_VERIFY(Read(streamed) == Read(saved), aContext);
    FUZZ_VERIFY(Rows(streamedSummary) == Rows(summary), aContext);
    TResultsModel loaded;
    loaded.ResultsFileLoad(saved);
    const TRows expected = RowsReadBack(Rows(results));
    FUZZ_VERIFY(Rows(loaded) == expected, aContext + ": " + Difference(Rows(loaded), expected));
}

void TestLotteryFuzz::betFiles()
{
    for (int i = 0; i < 1000; ++i) {
        if (!FuzzCaseWanted(i))
            continue;
        FuzzCaseStart("betFiles", FSeed, i);
        const QString context = QStringLiteral("seed %1, case %2").arg(FSeed).arg(i);
        QRandomGenerator random = FuzzGenerator(FSeed, 2, i);
        const QByteArray bytes = FuzzMutate(FBetFiles[random.bounded(int(FBetFiles.size()))], random);
        const bool check = random.bounded(8) == 0;
        Guarded(context, [&] { BetCase(bytes, random, check, context); });
        if (QTest::currentTestFailed())
            return;
    }
}

void TestLotteryFuzz::ResultsCase(const QByteArray& aBytes, bool aSaveAgain, const QString& aContext)
{
    TResultsModel model;
    model.ResultsFileLoad(Input(aBytes));

    // A row per line of the file, its cells the line's tab-separated texts; "None" reads empty.
    const QStringList lines = SplitLines(DecodeText(aBytes));
    FUZZ_VERIFY(model.RowCount() == lines.size() + 1, aContext);
    for (int r = 0; r < model.RowCount(); ++r) {
        FUZZ_VERIFY(model.HitCount(r) == -1, aContext);
        for (int c = 0; c < 5; ++c) {
            QString cell = r < lines.size() ? lines[r].section(u'\t', c, c) : QString();
            if (cell == u"None")
                cell.clear();
            FUZZ_VERIFY(model.Cell(r, c) == cell, aContext + QStringLiteral(": row %1, cell %2: [%3] instead of [%4]")
                                                                 .arg(r)
                                                                 .arg(c)
                                                                 .arg(model.Cell(r, c), cell));
        }
    }
    FUZZ_VERIFY(model.Cell(-1, 0).isEmpty() && model.Cell(model.RowCount(), 0).isEmpty() && model.Cell(0, 5).isEmpty(),
                aContext);

    // Saved again, it reads back the same, with the saved bottom row.
    if (!aSaveAgain)
        return;
    const QString again = FDir.filePath(QStringLiteral("de novo.Result"));
    model.ResultsFileSave(again);
    TResultsModel reloaded;
    reloaded.ResultsFileLoad(again);
    TRows expected = Rows(model);
    expected.append({"", "", "", "", ""});
    FUZZ_VERIFY(Rows(reloaded) == expected, aContext + ": " + Difference(Rows(reloaded), expected));
}

void TestLotteryFuzz::resultsFiles()
{
    for (int i = 0; i < 800; ++i) {
        if (!FuzzCaseWanted(i))
            continue;
        FuzzCaseStart("resultsFiles", FSeed, i);
        const QString context = QStringLiteral("seed %1, case %2").arg(FSeed).arg(i);
        QRandomGenerator random = FuzzGenerator(FSeed, 3, i);
        const QByteArray bytes = FuzzMutate(FResultsFiles[random.bounded(int(FResultsFiles.size()))], random);
        const bool saveAgain = random.bounded(4) == 0;
        Guarded(context, [&] { ResultsCase(bytes, saveAgain, context); });
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_GUILESS_MAIN(TestLotteryFuzz)
#include "TestLotteryFuzz.moc"
