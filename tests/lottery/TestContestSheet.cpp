// The operator's results spreadsheet: every way of writing one imports as its text twin does,
// and every fault is a clear message that stores nothing.

#include "lottery/ContestRules.h"
#include "lottery/ContestSheet.h"
#include "lottery/TContestStore.h"
#include "store/TManager.h"
#include "util/Exceptions.h"
#include "tests/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QString Fixture(const QString& aName)
{
    return QStringLiteral(NORVADEL_TEST_DATA "/xlsx/") + aName;
}

// The bytes of the Concursos.inx an import of aFile into an empty data folder writes.
QByteArray ImportedStore(const QString& aFile, const QTemporaryDir& aDir, const QString& aName)
{
    TContestGrid grid;
    const TContestImport import = ContestImportRun(ContestImportFileRead(aFile), grid);
    if (!import.Error.isEmpty())
        return import.Error.toUtf8();
    const QString store = aDir.filePath(aName);
    {
        TManager manager(store, true);
        ContestsSave(manager, grid);
    }
    return ReadAll(store);
}

} // namespace

class TestContestSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sheetImportsAsItsTextTwin_data();
    void sheetImportsAsItsTextTwin();
    void faults_data();
    void faults();
    void badRowIsNamedByItsRow();
};

void TestContestSheet::sheetImportsAsItsTextTwin_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::newRow("the operator's style: prefixed names, no positions, str texts") << "operator";
    QTest::newRow("shared strings, rich text, decimals, positioned cells") << "shared-strings";
    QTest::newRow("inline strings, three-digit balls") << "inline-three-digits";
    QTest::newRow("reordered and wider, a title row above the heading") << "reordered-wide";
}

void TestContestSheet::sheetImportsAsItsTextTwin()
{
    QFETCH(QString, sheet);
    QTemporaryDir dir;
    const QByteArray fromSheet = ImportedStore(Fixture(sheet + ".xlsx"), dir, QStringLiteral("planilha.inx"));
    const QByteArray fromText = ImportedStore(Fixture(sheet + ".tsv"), dir, QStringLiteral("texto.inx"));
    QVERIFY2(fromSheet.contains("<Header=00006>"), fromSheet.constData());
    QCOMPARE(fromSheet, fromText);
}

void TestContestSheet::faults_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a zip") << "not-a-zip.xlsx"
                               << "não é uma planilha do Excel (.xlsx)";
    QTest::newRow("a zip without a workbook") << "no-workbook.xlsx"
                                              << "falta xl/workbook.xml";
    QTest::newRow("a workbook without a sheet") << "no-sheet.xlsx"
                                                << "a pasta de trabalho não tem nenhuma folha";
    QTest::newRow("malformed XML") << "malformed.xlsx"
                                   << "não é um XML válido (linha 1:";
    QTest::newRow("a missing heading") << "missing-heading.xlsx"
                                       << "falta a coluna \"Bola3\" no cabeçalho (linha 1)";
    QTest::newRow("an empty sheet") << "empty.xlsx"
                                    << "a folha está vazia";
    QTest::newRow("a zip bomb") << "bomb.xlsx"
                                << "é grande demais para uma planilha de resultados";
    QTest::newRow("a missing file") << "nada.xlsx"
                                    << "o arquivo não existe";
}

void TestContestSheet::faults()
{
    QFETCH(QString, sheet);
    QFETCH(QString, message);
    try {
        const QStringList lines = ContestImportFileRead(Fixture(sheet));
        QFAIL(qPrintable(QStringLiteral("read %1 lines").arg(lines.size())));
    } catch (const EInOutError& e) {
        QVERIFY2(e.Message().startsWith(QStringLiteral("Não foi possível ler a planilha \"%1\": ").arg(Fixture(sheet))),
                 qPrintable(e.Message()));
        QVERIFY2(e.Message().contains(message), qPrintable(e.Message()));
    }
}

void TestContestSheet::badRowIsNamedByItsRow()
{
    // As the text import names a line: the sheet's row 4 holds 61; the rows above it are kept.
    TContestGrid grid;
    TContestImport import = ContestImportRun(ContestSheetRead(Fixture("bad-row.xlsx")), grid);
    QVERIFY2(import.Error.startsWith(QStringLiteral("Linha 4 do arquivo (\"3\t")), qPrintable(import.Error));
    QVERIFY2(import.Error.contains(QStringLiteral("61 está fora da faixa de 1 a 60")), qPrintable(import.Error));
    QCOMPARE(import.Added, 2);

    // A heading and no contest.
    TContestGrid empty;
    import = ContestImportRun(ContestSheetRead(Fixture("heading-only.xlsx")), empty);
    QVERIFY2(import.Error.startsWith(QStringLiteral("O arquivo não contém nenhum concurso")), qPrintable(import.Error));
    QCOMPARE(empty.RowCount(), 0);
}

QTEST_GUILESS_MAIN(TestContestSheet)
#include "TestContestSheet.moc"
