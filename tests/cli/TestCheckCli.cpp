// norvadel-cli check and import, run as processes: exit codes, messages, the .Result bytes.

#include "tests/FuzzInput.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Fixture(const QString& aName)
{
    return QStringLiteral(NORVADEL_TEST_DATA "/lottery/") + aName;
}

const QString kHistory = QStringLiteral(NORVADEL_TEST_DATA "/megasena-history.tsv");

// The heading and the first aCount contest lines of the draw history.
QByteArray HistoryHead(int aCount)
{
    const QList<QByteArray> lines = ReadAll(kHistory).split('\n');
    return lines.mid(0, aCount + 1).join('\n') + '\n';
}

} // namespace

class TestCheckCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkSmallCase();
    void checkErrors_data();
    void checkErrors();
    void importThenCheckFromStore();
    void importStopsAtBadLine();
    void importFullHistory();
    void importOfAFileWithoutContests_data();
    void importOfAFileWithoutContests();
    void unreadableContestsFileSaysWhy();
    void importOfTheOperatorsSpreadsheet();
    void hostileFiles_data();
    void hostileFiles();
};

void TestCheckCli::checkSmallCase()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("Resultado concurso xxxx.Result"));
    const TCliRun run = RunCli({"check", "--contests", Fixture("import-closing-line.tsv"), "--last", "2", "--bets",
                                Fixture("jogos.txt"), "--bets", Fixture("outros.2014.txt"), "--out", out});
    QCOMPARE(run.Exit, 0);
    QCOMPARE(ReadAll(out), QByteArray("\t\t\t\t\r\n"
                                      "01218\t<- Concurso\tGrupo: outros\t\t\r\n"
                                      "01218\t01;05;06;27;42;59\t10;11;29;30;36;47\tNone\tNone\r\n"
                                      "\t\t\t\t\r\n"
                                      "01218\t<- Concurso\tGrupo: jogos\t\t\r\n"
                                      "01218\t01;05;06;27;42;59\t02;04;23;33;41;52\tNone\tNone\r\n"
                                      "01218\t01;05;06;27;42;59\t05;10;20;30;40;50\t05\tSol\r\n"
                                      "01218\t01;05;06;27;42;59\t04;07;15;23;38;41;60\tNone\tNone\r\n"
                                      "\t\t\t\t\r\n"
                                      "01217\t<- Concurso\tGrupo: outros\t\t\r\n"
                                      "01217\t10;11;29;30;36;47\t10;11;29;30;36;47\t10;11;29;30;36;47\tSena\r\n"
                                      "\t\t\t\t\r\n"
                                      "01217\t<- Concurso\tGrupo: jogos\t\t\r\n"
                                      "01217\t10;11;29;30;36;47\t02;04;23;33;41;52\tNone\tNone\r\n"
                                      "01217\t10;11;29;30;36;47\t05;10;20;30;40;50\t10;30\tDuque\r\n"
                                      "01217\t10;11;29;30;36;47\t04;07;15;23;38;41;60\tNone\tNone\r\n"
                                      "\t\t\t\t\r\n"));
    QCOMPARE(run.Out, QStringLiteral("Linhas de resultado por nível:\n"
                                     "None\t5\nSol\t1\nDuque\t1\nTerno\t0\nQuadra\t0\nQuina\t0\nSena\t1\n"
                                     "Resumo (Quadra, Quina, Sena): 1 linhas\n"
                                     "01217\t10;11;29;30;36;47\t10;11;29;30;36;47\t10;11;29;30;36;47\tSena\n"));
    const QStringList errors = run.Err.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(errors.size(), 3);
    QVERIFY2(errors[0].contains(QStringLiteral("jogos.txt: linha 3 (01;02;03;04;05)")), qPrintable(run.Err));
    QVERIFY2(errors[1].contains(QStringLiteral("jogos.txt: linha 4 (01;02;03;04;05;61)")), qPrintable(run.Err));
    QVERIFY2(errors[2].contains(QStringLiteral("outros.2014.txt: linha 2")), qPrintable(run.Err));

    // --levels chooses the summary; all contests without --last.
    const TCliRun all = RunCli({"check", "--contests", Fixture("import-closing-line.tsv"), "--bets",
                                Fixture("jogos.txt"), "--out", out, "--levels", "1,2"});
    QCOMPARE(all.Exit, 0);
    QVERIFY2(all.Out.endsWith(QStringLiteral("Sena\t1\nResumo (Sol, Duque): 2 linhas\n"
                                             "01218\t01;05;06;27;42;59\t05;10;20;30;40;50\t05\tSol\n"
                                             "01217\t10;11;29;30;36;47\t05;10;20;30;40;50\t10;30\tDuque\n")),
             qPrintable(all.Out));
    QCOMPARE(ReadAll(out).count("<- Concurso"), 3);
}

void TestCheckCli::checkErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");

    const QString jogos = Fixture("jogos.txt");
    const QString contests = Fixture("import-closing-line.tsv");
    QTest::newRow("nothing") << QStringList{"check"} << "uso: norvadel-cli check";
    QTest::newRow("no output") << QStringList{"check", "--contests", contests, "--bets", jogos} << "uso:";
    QTest::newRow("option without value") << QStringList{"check", "--contests"} << "falta o valor de --contests";
    QTest::newRow("unknown option") << QStringList{"check", "--contest", contests} << "argumento desconhecido";
    QTest::newRow("missing contests") << QStringList{"check", "--contests", "/nao/existe.tsv", "--bets", jogos,
                                                     "--out", "@OUT"}
                                      << "arquivo de concursos não encontrado: /nao/existe.tsv";
    QTest::newRow("missing bets") << QStringList{"check",           "--contests", contests, "--bets",
                                                 "/nao/existe.txt", "--out",      "@OUT"}
                                  << "arquivo de apostas não encontrado";
    QTest::newRow("bad level") << QStringList{"check", "--contests", contests,   "--bets", jogos,
                                              "--out", "@OUT",       "--levels", "4,7"}
                               << "nível inválido em --levels: \"7\"";
    QTest::newRow("bad last") << QStringList{"check", "--contests", contests, "--bets", jogos,
                                             "--out", "@OUT",       "--last", "dez"}
                              << "valor inválido em --last";
    QTest::newRow("group name refused") << QStringList{"check",     "--contests", contests, "--bets",
                                                       "@DIR/.txt", "--out",      "@OUT"}
                                        << "reservado";
    QTest::newRow("same group twice") << QStringList{"check",  "--contests", contests, "--bets", jogos,
                                                     "--bets", jogos,        "--out",  "@OUT"}
                                      << "já foi dado por outro arquivo";
    QTest::newRow("bad contest line") << QStringList{"check",  "--contests", Fixture("import-bad-line.tsv"),
                                                     "--bets", jogos,        "--out",
                                                     "@OUT"}
                                      << "Linha 4 do arquivo";
    QTest::newRow("output folder missing")
        << QStringList{"check", "--contests", contests, "--bets", jogos, "--out", "@DIR/nao/existe.Result"}
        << "Não foi possível gravar o arquivo";
}

void TestCheckCli::checkErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QFile empty(dir.filePath(QStringLiteral(".txt")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    const QString out = dir.filePath(QStringLiteral("r.Result"));
    for (QString& arg : args)
        arg.replace(QStringLiteral("@OUT"), out).replace(QStringLiteral("@DIR"), dir.path());
    const TCliRun run = RunCli(args);
    QCOMPARE(run.Exit, 2);
    // One line says what is wrong; before it may only come the bet lines refused on the way.
    const QStringList lines = run.Err.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(!lines.isEmpty() && lines.last().startsWith(QStringLiteral("norvadel-cli: ")), qPrintable(run.Err));
    QVERIFY2(lines.last().contains(message), qPrintable(run.Err));
    for (const QString& line : lines.mid(0, lines.size() - 1))
        QVERIFY2(line.endsWith(QStringLiteral("(recusada)")), qPrintable(run.Err));
    QVERIFY(!QFile::exists(out));
}

void TestCheckCli::importThenCheckFromStore()
{
    QTemporaryDir dir;
    TCliRun run = RunCli({"import", Fixture("import-closing-line.tsv"), "--data-folder", dir.path()});
    QCOMPARE(run.Exit, 0);
    QCOMPARE(run.Out, QStringLiteral("3 concursos adicionados, 0 ignorados (já existiam). Próximo concurso: 01219\n"));
    const QString store = dir.filePath(QStringLiteral("Concursos.inx"));
    QVERIFY(QFile::exists(store));
    run = RunCli({"import", Fixture("import-closing-line.tsv"), "--data-folder", dir.path()});
    QCOMPARE(run.Out, QStringLiteral("0 concursos adicionados, 3 ignorados (já existiam). Próximo concurso: 01219\n"));

    // The store and the import file give the same check; reading the store leaves it as it was.
    const QByteArray stored = ReadAll(store);
    const QString fromStore = dir.filePath(QStringLiteral("store.Result"));
    const QString fromFile = dir.filePath(QStringLiteral("file.Result"));
    QCOMPARE(RunCli({"check", "--contests", store, "--bets", Fixture("jogos.txt"), "--out", fromStore}).Exit, 0);
    QCOMPARE(RunCli({"check", "--contests", Fixture("import-closing-line.tsv"), "--bets", Fixture("jogos.txt"), "--out",
                     fromFile})
                 .Exit,
             0);
    QCOMPARE(ReadAll(fromStore), ReadAll(fromFile));
    QCOMPARE(ReadAll(store), stored);

    QCOMPARE(RunCli({"import", Fixture("jogos.txt")}).Exit, 2);
    QCOMPARE(RunCli({"import", Fixture("jogos.txt"), "--data-folder", dir.filePath("nada")}).Exit, 2);
    QCOMPARE(RunCli({"import", dir.filePath("nada.tsv"), "--data-folder", dir.path()}).Exit, 2);
}

void TestCheckCli::importStopsAtBadLine()
{
    QTemporaryDir dir;
    const TCliRun run = RunCli({"import", Fixture("import-bad-line.tsv"), "--data-folder", dir.path()});
    QCOMPARE(run.Exit, 2);
    QCOMPARE(run.Out, QStringLiteral("2 concursos adicionados, 0 ignorados (já existiam). Próximo concurso: 01218\n"));
    QVERIFY2(run.Err.contains(QStringLiteral("Linha 4 do arquivo (\"1218")), qPrintable(run.Err));
    // The contests before the bad line were stored.
    const QString out = dir.filePath(QStringLiteral("r.Result"));
    QCOMPARE(
        RunCli({"check", "--contests", dir.filePath("Concursos.inx"), "--bets", Fixture("jogos.txt"), "--out", out})
            .Exit,
        0);
    QCOMPARE(ReadAll(out).count("<- Concurso"), 2);
}

void TestCheckCli::importFullHistory()
{
    QTemporaryDir dir;
    const TCliRun run = RunCli({"import", kHistory, "--data-folder", dir.path()});
    QCOMPARE(run.Exit, 0);
    QCOMPARE(run.Out,
             QStringLiteral("3047 concursos adicionados, 0 ignorados (já existiam). Próximo concurso: 03048\n"));
    const QString out = dir.filePath(QStringLiteral("r.Result"));
    const TCliRun check = RunCli({"check", "--contests", dir.filePath("Concursos.inx"), "--last", "1", "--bets",
                                  Fixture("jogos.txt"), "--out", out});
    QCOMPARE(check.Exit, 0);
    QVERIFY(ReadAll(out).startsWith("\t\t\t\t\r\n03047\t<- Concurso\tGrupo: jogos\t\t\r\n"
                                    "03047\t04;18;22;26;31;58\t02;04;23;33;41;52\t04\tSol\r\n"));
}

void TestCheckCli::importOfAFileWithoutContests_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("detail"); // what the message adds after saying there is no contest
    QTest::newRow("heading alone") << QByteArray("Concurso\tBola1\tBola2\tBola3\tBola4\tBola5\tBola6\r\n")
                                   << "cada concurso é uma linha";
    QTest::newRow("empty file") << QByteArray() << "cada concurso é uma linha";
    QByteArray zip("PK\x03\x04\x14\x00\x06\x00\x08\x00\x00\x00!\x00", 14);
    for (int i = 0; i < 600; ++i)
        zip += char((i * 37 + 11) % 256);
    QTest::newRow("spreadsheet (binary)") << zip << "Linha";
    QTest::newRow("first contest wrong") << QByteArray("Concurso\r\n1216\t04\t15\t23\t38\t41\t61\r\n1217\tx\r\n")
                                         << "Linha 2 (\"1216";
}

void TestCheckCli::importOfAFileWithoutContests()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, detail);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("resultados.tsv"));
    WriteAll(file, bytes);
    const QString store = dir.filePath(QStringLiteral("Concursos.inx"));

    // Into an empty data folder: no contests file appears.
    TCliRun run = RunCli({"import", file, "--data-folder", dir.path()});
    QCOMPARE(run.Exit, 2);
    QCOMPARE(run.Out, QString());
    QCOMPARE(run.Err.count(u'\n'), 1);
    QVERIFY2(run.Err.startsWith(QStringLiteral("norvadel-cli: %1: O arquivo não contém nenhum concurso").arg(file)),
             qPrintable(run.Err));
    QVERIFY2(run.Err.contains(detail), qPrintable(run.Err));
    QVERIFY(!QFile::exists(store));

    // Beside contests already stored: the file is left as it was.
    QCOMPARE(RunCli({"import", Fixture("import-closing-line.tsv"), "--data-folder", dir.path()}).Exit, 0);
    const QByteArray stored = ReadAll(store);
    run = RunCli({"import", file, "--data-folder", dir.path()});
    QCOMPARE(run.Exit, 2);
    QVERIFY2(run.Err.contains(QStringLiteral("não contém nenhum concurso")), qPrintable(run.Err));
    QCOMPARE(ReadAll(store), stored);
}

void TestCheckCli::unreadableContestsFileSaysWhy()
{
    QTemporaryDir dir;
    QCOMPARE(RunCli({"import", Fixture("import-closing-line.tsv"), "--data-folder", dir.path()}).Exit, 0);
    const QString store = dir.filePath(QStringLiteral("Concursos.inx"));
    const QByteArray stored = ReadAll(store);
    QVERIFY(SetMode(store, 0200));
    REQUIRE_FILE_MODES();
    const QString out = dir.filePath(QStringLiteral("r.Result"));
    const TCliRun check = RunCli({"check", "--contests", store, "--bets", Fixture("jogos.txt"), "--out", out});
    QCOMPARE(check.Exit, 2);
    // Refused bets of jogos.txt come first; the last line says why the check stopped.
    QVERIFY2(check.Err.endsWith(
                 QStringLiteral("norvadel-cli: não foi possível ler o arquivo de concursos: %1: Permission denied\n")
                     .arg(store)),
             qPrintable(check.Err));
    QVERIFY(!QFile::exists(out));

    const TCliRun import = RunCli({"import", kHistory, "--data-folder", dir.path()});
    QCOMPARE(import.Exit, 2);
    QVERIFY2(import.Err.contains(QStringLiteral("Permission denied")), qPrintable(import.Err));
    QVERIFY(SetMode(store, 0600));
    QCOMPARE(ReadAll(store), stored);
}

void TestCheckCli::importOfTheOperatorsSpreadsheet()
{
    // The whole history as the operator's spreadsheet stores exactly what its text import stores.
    const QString sheet = QStringLiteral(NORVADEL_TEST_DATA "/xlsx/history.xlsx");
    QTemporaryDir fromSheet;
    QTemporaryDir fromText;
    TCliRun run = RunCli({"import", sheet, "--data-folder", fromSheet.path()});
    QCOMPARE(run.Exit, 0);
    QCOMPARE(run.Out,
             QStringLiteral("3047 concursos adicionados, 0 ignorados (já existiam). Próximo concurso: 03048\n"));
    QCOMPARE(RunCli({"import", kHistory, "--data-folder", fromText.path()}).Exit, 0);
    const QString store = QStringLiteral("/Concursos.inx");
    QCOMPARE(ReadAll(fromSheet.path() + store), ReadAll(fromText.path() + store));

    // A check takes the spreadsheet as its contests too.
    const QString out = fromSheet.filePath(QStringLiteral("r.Result"));
    QCOMPARE(RunCli({"check", "--contests", sheet, "--last", "1", "--bets", Fixture("jogos.txt"), "--out", out}).Exit,
             0);
    QVERIFY(ReadAll(out).startsWith("\t\t\t\t\r\n03047\t<- Concurso\tGrupo: jogos\t\t\r\n"));

    // A file that is not a spreadsheet: one line, nothing stored.
    const QString bad = QStringLiteral(NORVADEL_TEST_DATA "/xlsx/not-a-zip.xlsx");
    QTemporaryDir empty;
    run = RunCli({"import", bad, "--data-folder", empty.path()});
    QCOMPARE(run.Exit, 2);
    QCOMPARE(run.Err, QStringLiteral("norvadel-cli: Não foi possível ler a planilha \"%1\": não é uma planilha do "
                                     "Excel (.xlsx).\n")
                          .arg(bad));
    QVERIFY(!QFile::exists(empty.path() + store));
}

void TestCheckCli::hostileFiles_data()
{
    QTest::addColumn<QString>("command"); // import; check-bets: a bet file; check-contests: a contests file
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("exit");        // -1: 0 or 2
    QTest::addColumn<QString>("message"); // in the error line (exit 2) or in a refused line (exit 0)
    QTest::addColumn<QString>("out");

    QTest::newRow("drawn number 4710") << "import" << HistoryHead(3) + "4\t01\t4710\t06\t27\t42\t59\t0\tR$0,00\n"
                                       << 2 << "o número sorteado 4710 está fora da faixa de 1 a 60"
                                       << "3 concursos adicionados";
    QTest::newRow("contest number beyond any integer")
        << "import" << HistoryHead(2) + "99999999999999999999\t01\t05\t06\t27\t42\t59\n" + "4\t01\t05\t06\t27\t42\t59\n"
        << 2 << "o número do concurso \"99999999999999999999\" não é um número inteiro positivo"
        << "2 concursos adicionados";
    // The message quotes the line whole, its NUL included.
    QTest::newRow("NUL and bytes that are no UTF-8")
        << "import" << HistoryHead(1) + "2\t09\t37" + '\0' + "\xff\t39\t41\t43\t49\n"
        << 2 << "A importação parou nesta linha; os concursos lidos antes dela foram mantidos."
        << "1 concursos adicionados";
    QTest::newRow("largest contest number")
        << "import" << HistoryHead(2) + "2147483647\t01\t05\t06\t27\t42\t59\n"
        << 0 << ""
        << "3 concursos adicionados, 0 ignorados (já existiam). Próximo concurso: 00003";
    QTest::newRow("thirty-digit bet number")
        << "check-bets" << QByteArray("123456789012345678901234567890;02;03;04;05;06\r\n04;05;30;33;41;52\r\n") << 0
        << "linha 1 (123456789012345678901234567890;02;03;04;05;06): \"123456789012345678901234567890\" não é um "
           "número inteiro (recusada)"
        << "Sena\t1\n";
    // A last odd byte of UTF-16 is a character that cannot be read, not nothing.
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray oddUtf16 = QByteArray(utf16(u"04;05;30;33;41;52\r\n")) + '4';
    QTest::newRow("UTF-16 bet file with an odd byte")
        << "check-bets" << oddUtf16 << 0 << "linha 2 (\uFFFD): tem 1 número; uma aposta tem de 6 a 15 (recusada)"
        << "Sena\t1\n";

    // Seeded mutations of the real files, as the readers' own mutation test makes them.
    const quint32 seed = FuzzSeed(20261211);
    const QString sources[] = {QStringLiteral("import"), QStringLiteral("check-bets"),
                               QStringLiteral("check-contests")};
    for (int i = 0; i < 6; ++i) {
        QRandomGenerator random = FuzzGenerator(seed, 10, i);
        const QString& command = sources[i % 3];
        const QByteArray source = command == u"check-bets" ? ReadAll(Fixture("jogos.txt")) : HistoryHead(30);
        QTest::addRow("seed %u, case %d, %s", seed, i, qPrintable(command))
            << command << FuzzMutate(source, random) << -1 << ""
            << "";
    }
}

void TestCheckCli::hostileFiles()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, bytes);
    QFETCH(int, exit);
    QFETCH(QString, message);
    QFETCH(QString, out);
    QTemporaryDir dir;
    const QString file =
        dir.filePath(command == u"check-bets" ? QStringLiteral("apostas.txt") : QStringLiteral("concursos.tsv"));
    WriteAll(file, bytes);
    TCliRun run;
    if (command == u"import") {
        run = RunCli({"import", file, "--data-folder", dir.path()});
    } else {
        const QString contests = command == u"check-contests" ? file : kHistory;
        const QString bets = command == u"check-bets" ? file : Fixture("jogos.txt");
        run = RunCli(
            {"check", "--contests", contests, "--last", "3047", "--bets", bets, "--out", dir.filePath("r.Result")});
    }
    const QString report = QStringLiteral("exit %1\nstdout: %2\nstderr: %3").arg(run.Exit).arg(run.Out, run.Err);
    QVERIFY2(exit < 0 ? run.Exit == 0 || run.Exit == 2 : run.Exit == exit, qPrintable(report));
    // Each refused bet line on a line of its own; an error ends the run with one more line.
    const QStringList lines = run.Err.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(run.Err.isEmpty() || run.Err.endsWith(u'\n'), qPrintable(report));
    for (const QString& line : lines)
        QVERIFY2(line.startsWith(QStringLiteral("norvadel-cli: ")), qPrintable(report));
    const qsizetype refused = run.Exit == 2 ? lines.size() - 1 : lines.size();
    QVERIFY2(refused >= 0, qPrintable(report));
    for (const QString& line : lines.mid(0, refused))
        QVERIFY2(line.endsWith(QStringLiteral("(recusada)")), qPrintable(report));
    if (run.Exit == 2)
        QVERIFY2(!lines.last().endsWith(QStringLiteral("(recusada)")), qPrintable(report));
    QVERIFY2(run.Err.contains(message) && run.Out.contains(out), qPrintable(report));
}

QTEST_GUILESS_MAIN(TestCheckCli)
#include "TestCheckCli.moc"
