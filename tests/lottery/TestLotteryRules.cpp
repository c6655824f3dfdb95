// Bet and group name rules, hit counting, the contest list, the contest import and the value box.

#include "lottery/BetRules.h"
#include "lottery/CheckRules.h"
#include "lottery/ContestRules.h"
#include "util/Exceptions.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString Fixture(const QString& aName)
{
    return QStringLiteral(NORVADEL_TEST_DATA "/lottery/") + aName;
}

std::vector<TContestRow> Rows(std::initializer_list<std::pair<const char*, const char*>> aRows)
{
    std::vector<TContestRow> rows;
    for (const auto& [number, sorte] : aRows)
        rows.push_back({QString::fromUtf8(number),
                        QStringLiteral("01;02;03;04;05;") + QString::fromUtf8(number).right(2), QString(), QString(),
                        QString::fromUtf8(sorte)});
    return rows;
}

QStringList Captions(const TContestListFill& aFill)
{
    QStringList captions;
    for (const TContestEntry& entry : aFill.Entries) {
        captions.append(entry.Description);
        if (entry.State != Qt::Checked)
            captions.last() += QStringLiteral(" (não marcado)");
    }
    return captions;
}

} // namespace

class TestLotteryRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contestBoxes_data();
    void contestBoxes();
    void contestCellEdit_data();
    void contestCellEdit();
    void linkFileFallsBackWhenTheProgramFolderIsReadOnly();
    void betRules_data();
    void betRules();
    void betFromBoxes();
    void betLinesReportRejected();
    void groupNames_data();
    void groupNames();
    void groupNameFromFile();
    void countHits_data();
    void countHits();
    void levelNames();
    void numberMask_data();
    void numberMask();
    void groupsReady_data();
    void groupsReady();
    void contestListUltimos();
    void contestListNovos();
    void contestListCancel();
    void importReadsClosingContestAndSkipsClosingLine();
    void importStopsAtBadLine_data();
    void importStopsAtBadLine();
    void importSkipsKnownNumbersAndBlankLines();
    void importFullHistory();
    void nextNumber_data();
    void nextNumber();
    void prizeValue_data();
    void prizeValue();
    void numbersFromBoxes();
    void linkFile();
};

void TestLotteryRules::betRules_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("stored"); // empty: refused

    QTest::newRow("five numbers") << "01;02;03;04;05"
                                  << "";
    QTest::newRow("sixteen numbers") << "01;02;03;04;05;06;07;08;09;10;11;12;13;14;15;16"
                                     << "";
    QTest::newRow("61 out of range") << "01;02;03;04;05;61"
                                     << "";
    QTest::newRow("0 out of range") << "0;02;03;04;05;06"
                                    << "";
    QTest::newRow("repeated text") << "01;01;02;03;04;05"
                                   << "";
    QTest::newRow("same value twice") << "5;05;10;20;30;40"
                                      << "";
    QTest::newRow("empty last token") << "01;02;03;04;05;06;"
                                      << "";
    QTest::newRow("not numbers") << "a;b;c;d;e;f"
                                 << "";
    QTest::newRow("blank inside") << "01; 02;03;04;05;06"
                                  << "";
    QTest::newRow("sorted") << "10;02;33;04;55;06"
                            << "02;04;06;10;33;55";
    QTest::newRow("one digit gets two") << "5;10;20;30;40;50"
                                        << "05;10;20;30;40;50";
    QTest::newRow("fifteen numbers") << "60;59;58;57;56;55;54;53;52;51;50;49;48;47;1"
                                     << "01;47;48;49;50;51;52;53;54;55;56;57;58;59;60";
    // Numbers longer than any int: refused, never read digit by digit into one.
    QTest::newRow("thirty digits") << "123456789012345678901234567890;02;03;04;05;06"
                                   << "";
    QTest::newRow("long text") << "01;02;03;04;05;abcdefghijklmnopqrstuvwxyz"
                               << "";
    QTest::newRow("leading zeros") << "0000000000000000000000000000007;02;03;04;05;06"
                                   << "02;03;04;05;06;07";
}

void TestLotteryRules::betRules()
{
    QFETCH(QString, line);
    QFETCH(QString, stored);
    QCOMPARE(BetStoredForm(line), stored);
    QCOMPARE(BetProblem(line).isEmpty(), !stored.isEmpty());
}

void TestLotteryRules::betFromBoxes()
{
    QCOMPARE(BetFromBoxes({"04", "", "15", "x", "", "60"}), QStringLiteral("04;15;x;60"));
    QCOMPARE(BetFromBoxes({"", "", ""}), QString());
}

void TestLotteryRules::betLinesReportRejected()
{
    const TBetLines lines = BetLinesCheck(BetFileRead(Fixture(QStringLiteral("jogos.txt"))));
    QCOMPARE(lines.Accepted, QStringList({QStringLiteral("02;04;23;33;41;52"), QStringLiteral("05;10;20;30;40;50"),
                                          QStringLiteral("04;07;15;23;38;41;60")}));
    // The blank line 5 is no bet and is not reported.
    QCOMPARE(BetRejectionLines(lines.Rejected),
             QStringList({QStringLiteral("linha 3 (01;02;03;04;05): tem 5 números; uma aposta tem de 6 a 15"),
                          QStringLiteral("linha 4 (01;02;03;04;05;61): 61 está fora da faixa de 1 a 60")}));
}

void TestLotteryRules::groupNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("empty") << "" << false;
    QTest::newRow("None") << "None" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("equals") << "a=b" << false;
    QTest::newRow("less") << "a<b" << false;
    QTest::newRow("greater") << "a>b" << false;
    QTest::newRow("bar") << "a|b" << false;
    QTest::newRow("slash") << "../fora" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("line break") << "a\nb" << false;
    QTest::newRow("outside the file's code page") << QString::fromUtf8("Jogos \u2713") << false;
    QTest::newRow("plain") << "Meus jogos" << true;
    QTest::newRow("none in lower case") << "none" << true;
    QTest::newRow("dots inside") << "jogos.2014" << true;
    QTest::newRow("accents") << "Ação de graças" << true;
}

void TestLotteryRules::groupNames()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    QCOMPARE(GroupNameProblem(name).isEmpty(), accepted);
}

void TestLotteryRules::groupNameFromFile()
{
    QCOMPARE(GroupNameFromFile(QStringLiteral("/home/ana/minhas apostas.2014.txt")), QStringLiteral("minhas apostas"));
    QCOMPARE(GroupNameFromFile(QStringLiteral("jogos.export")), QStringLiteral("jogos"));
    QCOMPARE(GroupNameFromFile(QStringLiteral("/tmp/semponto")), QStringLiteral("semponto"));
}

void TestLotteryRules::countHits_data()
{
    QTest::addColumn<QString>("drawn");
    QTest::addColumn<QString>("bet");
    QTest::addColumn<QString>("hits");

    QTest::newRow("terno") << "04;15;23;38;41;60"
                           << "02;04;23;33;41;52"
                           << "04;23;41|3|Terno";
    QTest::newRow("no hit") << "04;15;23;38;41;60"
                            << "01;02;03;05;06;07"
                            << "None|0|None";
    QTest::newRow("drawn order") << "60;04"
                                 << "04;60"
                                 << "60;04|2|Duque";
    QTest::newRow("sena in fifteen") << "04;15;23;38;41;60"
                                     << "01;04;09;15;20;23;27;33;38;41;44;50;55;59;60"
                                     << "04;15;23;38;41;60|6|Sena";
    QTest::newRow("one-digit bet hits two-digit draw") << "04;15;23;38;41;60"
                                                       << "4;15;20;30;40;50"
                                                       << "04;15|2|Duque";
    QTest::newRow("one-digit draw lists its own text") << "4;15;23;38;41;60"
                                                       << "04;05;06;07;08;09"
                                                       << "4|1|Sol";
    QTest::newRow("empty draw") << ""
                                << "04;15;23;38;41;60"
                                << "None|0|None";
    QTest::newRow("empty bet") << "04;15;23;38;41;60"
                               << ""
                               << "None|0|None";
    QTest::newRow("texts compare as texts") << "ab;15"
                                            << "ab;16"
                                            << "ab|1|Sol";
    QTest::newRow("every equal pair counts") << "04;04;15"
                                             << "4;20"
                                             << "04;04|2|Duque";
    QTest::newRow("empty tokens hit nothing") << "04;;15"
                                              << "04;;16"
                                              << "04|1|Sol";
}

void TestLotteryRules::countHits()
{
    QFETCH(QString, drawn);
    QFETCH(QString, bet);
    QFETCH(QString, hits);
    QCOMPARE(CountHits(drawn, bet), hits);
}

void TestLotteryRules::levelNames()
{
    const QStringList expected{"None", "Sol", "Duque", "Terno", "Quadra", "Quina", "Sena", "None"};
    for (int n = 0; n < expected.size(); ++n)
        QCOMPARE(LevelName(n), expected[n]);
    QCOMPARE(LevelName(-1), QStringLiteral("None"));
}

void TestLotteryRules::numberMask_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QList<int>>("bits"); // empty with a non-empty text: no mask, counted by CountHits

    QTest::newRow("draw") << "04;15;23;38;41;60" << QList<int>{4, 15, 23, 38, 41, 60};
    QTest::newRow("one digit") << "4;15" << QList<int>{4, 15};
    QTest::newRow("sign and hexadecimal") << "+4;$F" << QList<int>{4, 15};
    QTest::newRow("leading zeros") << "0000000000000000000000000000007;60" << QList<int>{7, 60};
    QTest::newRow("empty text") << "" << QList<int>{};
    QTest::newRow("61") << "04;61" << QList<int>{};
    QTest::newRow("4710") << "04;4710" << QList<int>{};
    QTest::newRow("thirty digits") << "04;123456789012345678901234567890" << QList<int>{};
    QTest::newRow("long text") << "abcdefghijklmnopqrstuvwxyz;04" << QList<int>{};
    QTest::newRow("same value twice") << "4;04" << QList<int>{};
    QTest::newRow("empty token") << "04;;15" << QList<int>{};
}

void TestLotteryRules::numberMask()
{
    QFETCH(QString, numbers);
    QFETCH(QList<int>, bits);
    std::uint64_t expected = 0;
    for (const int bit : bits)
        expected |= std::uint64_t(1) << bit;
    std::uint64_t mask = 0;
    QCOMPARE(NumberMask(numbers, mask), numbers.isEmpty() || !bits.isEmpty());
    if (!bits.isEmpty())
        QCOMPARE(mask, expected);
}

void TestLotteryRules::groupsReady_data()
{
    QTest::addColumn<bool>("marcados");
    QTest::addColumn<bool>("manual");
    QTest::addColumn<int>("grupos");
    QTest::addColumn<int>("checkeds");
    QTest::addColumn<bool>("ready");

    QTest::newRow("marked, one checked") << true << false << 3 << 1 << true;
    QTest::newRow("marked, none checked") << true << false << 3 << 0 << false;
    QTest::newRow("marked, no groups") << true << false << 0 << 1 << false;
    QTest::newRow("manual, one checked") << false << true << 0 << 1 << true;
    QTest::newRow("manual, none checked") << false << true << 2 << 0 << false;
    QTest::newRow("neither option") << false << false << 3 << 3 << false;
}

void TestLotteryRules::groupsReady()
{
    QFETCH(bool, marcados);
    QFETCH(bool, manual);
    QFETCH(int, grupos);
    QFETCH(int, checkeds);
    QFETCH(bool, ready);
    QCOMPARE(GroupsReady(marcados, manual, grupos, checkeds), ready);
}

void TestLotteryRules::contestListUltimos()
{
    const auto grid = Rows({{"01233", ""}, {"01232", "Novo"}, {"01231", ""}});
    TContestListFill fill = ContestListFill(grid, false, true, 10);
    QCOMPARE(Captions(fill), QStringList({"01233", "01232", "01231"}));
    QCOMPARE(fill.Entries[1].ShortDescription, QStringLiteral("01;02;03;04;05;32"));
    QVERIFY(fill.Show);
    QVERIFY(fill.Message.isEmpty());

    QCOMPARE(Captions(ContestListFill(grid, false, true, 2)), QStringList({"01233", "01232"}));
    QVERIFY(ContestListFill(grid, false, true, 0).Entries.empty());
    QVERIFY(ContestListFill(grid, false, false, 10).Entries.empty());

    fill = ContestListFill({}, false, true, 10);
    QVERIFY(fill.Entries.empty());
    QCOMPARE(fill.Message, QStringLiteral("Não há concursos lançados"));
    QVERIFY(!fill.Show);
}

void TestLotteryRules::contestListNovos()
{
    const auto grid = Rows({{"01240", "Novo"}, {"01239", ""}, {"01238", "Novo"}, {"01237", ""}});
    TContestListFill fill = ContestListFill(grid, true, false, 1);
    QCOMPARE(Captions(fill), QStringList({"01240", "01238"}));
    QCOMPARE(fill.Log, QStringList({"01;02;03;04;05;40", "01;02;03;04;05;38"}));

    fill = ContestListFill(Rows({{"01239", ""}}), true, false, 10);
    QVERIFY(fill.Entries.empty());
    QCOMPARE(fill.Message, QStringLiteral("Não há novos concursos cadastrados."));
    QVERIFY(!fill.Show);
}

void TestLotteryRules::contestListCancel()
{
    const auto grid = Rows({{"01233", ""}, {"01232", ""}, {"01231", ""}});
    int calls = 0;
    const TContestListFill fill = ContestListFill(grid, false, true, 10, [&](int, int aMax) {
        [&] { QCOMPARE(aMax, 3); }();
        return ++calls <= 2;
    });
    QCOMPARE(Captions(fill), QStringList({"01233", "01232"}));
}

void TestLotteryRules::importReadsClosingContestAndSkipsClosingLine()
{
    TContestGrid grid;
    const TContestImport import = ContestImportRun(ContestFileRead(Fixture("import-closing-line.tsv")), grid);
    QVERIFY2(import.Error.isEmpty(), qPrintable(import.Error));
    QCOMPARE(import.Added, 3);
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(grid.Row(0), (TContestRow{"01218", "01;05;06;27;42;59", "R$2.307.162,23", "1", ""}));
    QCOMPARE(grid.Row(2), (TContestRow{"01216", "04;15;23;38;41;60", "R$1.234,50", "2", ""}));
    QCOMPARE(import.Log.first(), QStringLiteral("01216 - 04;15;23;38;41;60;"));
    QCOMPARE(grid.NextNumber(), 1219);
}

void TestLotteryRules::importStopsAtBadLine_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("drawn number not a number")
        << "import-bad-line.tsv" << 4 << "o número sorteado \"quarenta\" não é um número inteiro"
        << QStringList({"01217", "01216"});
    QTest::newRow("repeated number") << "import-repeated-number.tsv" << 3
                                     << "o número sorteado 10 aparece mais de uma vez" << QStringList({"01216"});
    QTest::newRow("drawn number far out of range")
        << "import-out-of-range.tsv" << 3 << "o número sorteado 4710 está fora da faixa de 1 a 60"
        << QStringList({"01216"});
}

void TestLotteryRules::importStopsAtBadLine()
{
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(QString, reason);
    QFETCH(QStringList, kept);
    TContestGrid grid;
    const TContestImport import = ContestImportRun(ContestFileRead(Fixture(file)), grid);
    QCOMPARE(import.ErrorLine, line);
    QVERIFY2(import.Error.startsWith(QStringLiteral("Linha %1 do arquivo").arg(line)), qPrintable(import.Error));
    QVERIFY2(import.Error.contains(reason), qPrintable(import.Error));
    QStringList numbers;
    for (int r = 0; r < grid.RowCount(); ++r)
        numbers.append(grid.Row(r).Number);
    QCOMPARE(numbers, kept);
}

void TestLotteryRules::importSkipsKnownNumbersAndBlankLines()
{
    TContestGrid grid;
    grid.ContestRowInsert({"01217", "10;11;29;30;36;47", "", "0", "Novo"});
    const QStringList lines{"Concurso\tD1",
                            "",
                            "1216\t4\t15\t23\t38\t41\t60",
                            "   ",
                            "1217\t10\t11\t29\t30\t36\t47",
                            "$4C2\t1\t2\t3\t4\t5\t6\t0",
                            ""};
    const TContestImport import = ContestImportRun(lines, grid);
    QVERIFY2(import.Error.isEmpty(), qPrintable(import.Error));
    QCOMPARE(import.Added, 2);
    QCOMPARE(import.Skipped, 1);
    QCOMPARE(grid.Row(0), (TContestRow{"01218", "01;02;03;04;05;06", "", "0", ""}));
    QCOMPARE(grid.Row(2).Sorte, QStringLiteral("Novo")); // the typed contest stays as it was
    QCOMPARE(grid.iNovos(), 1);
}

void TestLotteryRules::importFullHistory()
{
    TContestGrid grid;
    const TContestImport import =
        ContestImportRun(ContestFileRead(QStringLiteral(NORVADEL_TEST_DATA "/megasena-history.tsv")), grid);
    QVERIFY2(import.Error.isEmpty(), qPrintable(import.Error));
    QCOMPARE(import.Added, 3047);
    QCOMPARE(grid.RowCount(), 3047);
    QCOMPARE(grid.Row(0).Number, QStringLiteral("03047"));
    QCOMPARE(grid.Row(0).Numbers, QStringLiteral("04;18;22;26;31;58"));
    QCOMPARE(grid.Row(3046), (TContestRow{"00001", "04;05;30;33;41;52", "R$0,00", "0", ""}));
    for (int r = 1; r < grid.RowCount(); ++r)
        QVERIFY(grid.Row(r - 1).Number > grid.Row(r).Number);
    QCOMPARE(grid.NextNumber(), 3048);
}

void TestLotteryRules::nextNumber_data()
{
    QTest::addColumn<QString>("top"); // empty: no rows
    QTest::addColumn<int>("next");

    QTest::newRow("empty grid") << "" << 1;
    QTest::newRow("contest") << "01218" << 1219;
    QTest::newRow("text on top") << "abc" << 1217;
    QTest::newRow("older contest on top") << "01000" << 1217;
    QTest::newRow("below the largest integer") << "$7FFFFFFE" << 2147483647;
    QTest::newRow("largest integer") << "2147483647" << 1217;
}

void TestLotteryRules::nextNumber()
{
    QFETCH(QString, top); // put on top of contest 01216
    QFETCH(int, next);
    TContestGrid grid;
    grid.ContestRowInsert({"01216", "04;15;23;38;41;60", "", "", ""});
    if (top.isEmpty())
        grid.Clear();
    else
        grid.ContestRowInsert({top, "01;02;03;04;05;06", "", "", ""});
    QCOMPARE(grid.NextNumber(), next);
}

void TestLotteryRules::prizeValue_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // empty: conversion error

    QTest::newRow("decimal comma") << "1234,5"
                                   << "1.234,50";
    QTest::newRow("below one") << "0,5"
                               << ",50";
    QTest::newRow("already formatted") << "1.234,50"
                                       << "1.234,50";
    QTest::newRow("formatted below one") << ",50"
                                         << ",50";
    QTest::newRow("millions") << "2307162,234"
                              << "2.307.162,23";
    QTest::newRow("whole") << "15"
                           << "15,00";
    QTest::newRow("zero") << "0"
                          << ",00";
    QTest::newRow("negative") << "-2,5"
                              << "-2,50";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("text") << "mil"
                          << "";
    QTest::newRow("two commas") << "1,2,3"
                                << "";
}

void TestLotteryRules::prizeValue()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    if (shown.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(EConvertError, FormatPrizeValue(typed));
        return;
    }
    QCOMPARE(FormatPrizeValue(typed), shown);
    QCOMPARE(FormatPrizeValue(shown), shown); // leaving the box again changes nothing
}

void TestLotteryRules::numbersFromBoxes()
{
    QCOMPARE(NumbersFromBoxes({"4", "15", "23", "38", "41", "60"}), QStringLiteral("04;15;23;38;41;60"));
    QCOMPARE(NumbersFromBoxes({"60", "04", "23", "38", "41", "15"}), QStringLiteral("60;04;23;38;41;15"));
    QCOMPARE(NumbersFromBoxes({"04", "15", "", "38", "41", "60"}), QStringLiteral("None"));
}

void TestLotteryRules::linkFile()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Link.txt"));
    const QStringList defaults = LinkLoad(file);
    QCOMPARE(defaults.size(), 3);
    QCOMPARE(defaults[0], QStringLiteral("Acesse o site clicando no link abaixo"));
    QVERIFY(defaults[2].endsWith(QStringLiteral("/loterias/loterias/megasena/megasena_resultado.asp")));
    LinkSave(file, {QStringLiteral("Resultados"), QStringLiteral("https://exemplo.com.br/ação")});
    QCOMPARE(LinkLoad(file), QStringList({"Resultados", "https://exemplo.com.br/ação"}));
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("Resultados\r\nhttps://exemplo.com.br/a\xc3\xa7\xc3\xa3o\r\n"));
}

QTEST_GUILESS_MAIN(TestLotteryRules)
void TestLotteryRules::contestBoxes_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("problem"); // empty: accepted

    QTest::newRow("draw") << QStringList{"04", "15", "23", "38", "41", "60"} << "";
    QTest::newRow("one digit") << QStringList{"4", "15", "23", "38", "41", "60"} << "";
    QTest::newRow("empty box") << QStringList{"04", "15", "", "38", "41", "60"}
                               << "Resultado, caixa 3: digite o número sorteado.";
    QTest::newRow("zero") << QStringList{"0", "15", "23", "38", "41", "60"}
                          << "Resultado, caixa 1: o número 0 está fora da faixa de 1 a 60.";
    QTest::newRow("above 60") << QStringList{"04", "15", "23", "38", "41", "61"}
                              << "Resultado, caixa 6: o número 61 está fora da faixa de 1 a 60.";
    QTest::newRow("text") << QStringList{"04", "15", "2x", "38", "41", "60"}
                          << "Resultado, caixa 3: \"2x\" não é um número inteiro.";
    QTest::newRow("repeated as typed otherwise")
        << QStringList{"04", "15", "23", "4", "41", "60"} << "Resultado, caixa 4: o número 04 já está na caixa 1.";
}

void TestLotteryRules::contestBoxes()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, problem);
    QCOMPARE(ContestBoxesProblem(boxes), problem);
}

void TestLotteryRules::contestCellEdit_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused
    QTest::addColumn<QString>("problem");

    QTest::newRow("new number") << 0 << 0 << "1300"
                                << "01300"
                                << "";
    QTest::newRow("own number") << 0 << 0 << "01217"
                                << "01217"
                                << "";
    QTest::newRow("number of another row") << 0 << 0 << "1216"
                                           << ""
                                           << "O concurso 01216 já está na lista.";
    QTest::newRow("number zero") << 0 << 0 << "0"
                                 << ""
                                 << "número inteiro de 1 a 99999";
    QTest::newRow("number too large") << 0 << 0 << "100000"
                                      << ""
                                      << "número inteiro de 1 a 99999";
    QTest::newRow("number text") << 1 << 0 << "abc"
                                 << ""
                                 << "número inteiro de 1 a 99999";
    QTest::newRow("drawn numbers") << 1 << 1 << "4;15;23;38;41;60"
                                   << "04;15;23;38;41;60"
                                   << "";
    QTest::newRow("five drawn numbers") << 1 << 1 << "04;15;23;38;41"
                                        << ""
                                        << "tem 5";
    QTest::newRow("drawn number repeated") << 1 << 1 << "04;15;23;38;41;15"
                                           << ""
                                           << "caixa 6";
    QTest::newRow("drawn number out of range") << 1 << 1 << "04;15;23;38;41;99"
                                               << ""
                                               << "fora da faixa";
    QTest::newRow("value as typed") << 1 << 2 << "R$ 10,00"
                                    << "R$ 10,00"
                                    << "";
}

void TestLotteryRules::contestCellEdit()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, problem);
    TContestGrid grid;
    grid.ContestRowInsert({"01216", "04;15;23;38;41;60", "", "", ""});
    grid.ContestRowInsert({"01217", "10;11;29;30;36;47", "", "", ""});
    QString value;
    const QString refused = ContestCellEdit(grid, row, column, typed, value);
    if (stored.isEmpty()) {
        QVERIFY2(refused.contains(problem), qPrintable(refused));
    } else {
        QVERIFY2(refused.isEmpty(), qPrintable(refused));
        QCOMPARE(value, stored);
    }
}

void TestLotteryRules::linkFileFallsBackWhenTheProgramFolderIsReadOnly()
{
    REQUIRE_FILE_MODES();
    QTemporaryDir temp;
    const QString program = temp.filePath(QStringLiteral("program"));
    const QString config = temp.filePath(QStringLiteral("config"));
    QVERIFY(QDir().mkpath(program));
    bool fallback = true;
    QCOMPARE(LinkFileName(program, config, fallback), program + QStringLiteral("/Link.txt"));
    QVERIFY(!fallback);
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    QCOMPARE(LinkFileName(program, config, fallback), config + QStringLiteral("/Link.txt"));
    QVERIFY(fallback);
    LinkSave(LinkFileName(program, config, fallback), {QStringLiteral("a"), QStringLiteral("b")});
    QCOMPARE(LinkLoad(config + QStringLiteral("/Link.txt")), QStringList({"a", "b"}));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

#include "TestLotteryRules.moc"
