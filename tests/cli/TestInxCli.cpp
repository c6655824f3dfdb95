// norvadel-cli inx, run as a process: exit codes, the rewritten file's bytes, the tree it shows.

#include "store/InxDocument.h"
#include "store/TManager.h"
#include "util/Crypt.h"
#include "util/TextCodec.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray CrLf(const QStringList& aLines)
{
    QByteArray bytes;
    for (const QString& line : aLines)
        bytes += EncodeWin1252(line) + "\r\n";
    return bytes;
}
} // namespace

class TestInxCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resaveWritesCanonicalForm();
    void resaveErrors_data();
    void resaveErrors();
    void dumpShowsTreeAndDeciphers();

private:
    QTemporaryDir FDir;
};

void TestInxCli::resaveWritesCanonicalForm()
{
    // LF line ends, a lower-case type letter, a duplicate section and a stray line.
    const QString in = FDir.filePath(QStringLiteral("entrada.inx"));
    WriteAll(in, EncodeWin1252(QStringLiteral("lixo\n<Section=Dados>\n<Key=Nome>\ns|Jo\u00e3o\n</Key>\n"
                                              "</Section>\n<Section=DADOS>\n<Key=Total>\nI|7\n</Key>\n"
                                              "</Section>\n")));
    const QString out = FDir.filePath(QStringLiteral("saida.inx"));
    const TCliRun run = RunCli({QStringLiteral("inx"), QStringLiteral("resave"), in, out});
    QCOMPARE(run.Exit, 0);
    QVERIFY(run.Err.isEmpty());

    const QByteArray bytes = ReadAll(out);
    const QByteArray user =
        CrLf({QStringLiteral("<Section=Dados>"), QStringLiteral("<Key=Nome>"), QStringLiteral("S|João"),
              QStringLiteral("</Key>"), QStringLiteral("<Key=Total>"), QStringLiteral("I|7"), QStringLiteral("</Key>"),
              QStringLiteral("</Section>"), InxBannerLine()});
    QVERIFY(bytes.startsWith("<Section=Obrix.Advertise>\r\n<Mult=PT-BR>\r\n"));
    QVERIFY(bytes.endsWith("</Mult>\r\n</Section>\r\n" + user));
    QCOMPARE(bytes.count('\n'), 12 + 9);

    // The canonical form is a fixed point.
    const QString again = FDir.filePath(QStringLiteral("de-novo.inx"));
    QCOMPARE(RunCli({QStringLiteral("inx"), QStringLiteral("resave"), out, again}).Exit, 0);
    QCOMPARE(ReadAll(again), bytes);
}

void TestInxCli::resaveErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QString good = FDir.filePath(QStringLiteral("bom.inx"));
    const QString out = FDir.filePath(QStringLiteral("nunca.inx"));
    QTest::newRow("missing input") << QStringList{QStringLiteral("inx"), QStringLiteral("resave"),
                                                  FDir.filePath(QStringLiteral("faltando.inx")), out}
                                   << "arquivo não encontrado";
    QTest::newRow("input is a folder") << QStringList{QStringLiteral("inx"), QStringLiteral("resave"), FDir.path(), out}
                                       << "não foi possível ler";
    QTest::newRow("output folder missing") << QStringList{QStringLiteral("inx"), QStringLiteral("resave"), good,
                                                          FDir.filePath(QStringLiteral("sem-pasta/saida.inx"))}
                                           << "não foi possível gravar";
    QTest::newRow("missing argument") << QStringList{QStringLiteral("inx"), QStringLiteral("resave"), good}
                                      << "uso: inx resave";
    QTest::newRow("no subcommand") << QStringList{QStringLiteral("inx")} << "falta o subcomando";
    QTest::newRow("dump without file") << QStringList{QStringLiteral("inx"), QStringLiteral("dump")} << "uso: inx dump";
    QTest::newRow("--key without name") << QStringList{QStringLiteral("inx"), QStringLiteral("dump"), good,
                                                       QStringLiteral("--key")}
                                        << "--key precisa";
}

void TestInxCli::resaveErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    WriteAll(FDir.filePath(QStringLiteral("bom.inx")),
             CrLf({QStringLiteral("<Section=A>"), QStringLiteral("</Section>")}));
    const TCliRun run = RunCli(args);
    QCOMPARE(run.Exit, 2);
    QVERIFY2(run.Err.contains(message), qPrintable(run.Err));
    QCOMPARE(run.Err.count(u'\n'), 1);
    QVERIFY(!QFile::exists(FDir.filePath(QStringLiteral("nunca.inx"))));
}

void TestInxCli::dumpShowsTreeAndDeciphers()
{
    const QString file = FDir.filePath(QStringLiteral("apostas.inx"));
    {
        TManager store(file, true);
        store.WriteMult({QStringLiteral("01;05;17;33;42;60")}, QStringLiteral("Apostas"),
                        QStringLiteral("Grupos de apostas"), QStringLiteral("Sorte"), ipEnd, true,
                        QStringLiteral("Ana "));
        store.WriteMult({QStringLiteral("Sorte")}, QStringLiteral("GrupoSel"), QStringLiteral("Grupos de apostasSel"),
                        QStringLiteral("Selecionados"));
        store.WriteBool(QStringLiteral("Grupos de apostas"), QStringLiteral("Marcado"), true, ipEnd,
                        QStringLiteral("Sorte"));
    }
    const QByteArray before = ReadAll(file);

    const TCliRun plain = RunCli({QStringLiteral("inx"), QStringLiteral("dump"), file});
    QCOMPARE(plain.Exit, 0);
    QVERIFY(plain.Out.contains(QStringLiteral("Seção \"Grupos de apostas\"\n  Header \"Sorte\"\n"
                                              "    Chave \"Marcado\" = B|1\n    Mult \"Apostas\" (1 linha)\n")));
    QVERIFY(!plain.Out.contains(QStringLiteral("01;05;17")));

    const TCliRun keyed = RunCli(
        {QStringLiteral("inx"), QStringLiteral("dump"), QStringLiteral("--key"), QStringLiteral("Ana Maria"), file});
    QCOMPARE(keyed.Exit, 0);
    QVERIFY2(keyed.Out.contains(QStringLiteral("    Mult \"Apostas\" (1 linha)\n      > 01;05;17;33;42;60\n")),
             qPrintable(keyed.Out));
    QVERIFY(keyed.Out.contains(QStringLiteral("    Mult \"GrupoSel\" (1 linha)\n      ! Sorte\n")));
    QCOMPARE(ReadAll(file), before); // showing never rewrites
}

QTEST_GUILESS_MAIN(TestInxCli)
#include "TestInxCli.moc"
