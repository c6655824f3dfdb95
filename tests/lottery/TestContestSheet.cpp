// The operator's results spreadsheet: every way of writing one imports as its text twin does,
// and every fault is a clear message that stores nothing.

#include "lottery/ContestRules.h"
#include "lottery/ContestSheet.h"
#include "lottery/TContestStore.h"
#include "store/TManager.h"
#include "util/Exceptions.h"
#include "tests/FuzzInput.h"
#include "tests/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <zip.h>

#include <utility>
#include <vector>

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

using TParts = std::vector<std::pair<QByteArray, QByteArray>>;

// The parts of a spreadsheet, by name, in the order the zip holds them.
TParts ZipParts(const QString& aFile)
{
    TParts parts;
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(aFile).constData(), ZIP_RDONLY, &error);
    if (!zip)
        return parts;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(zip, zip_uint64_t(i), 0, &stat);
        QByteArray bytes(qsizetype(stat.size), '\0');
        zip_file_t* file = zip_fopen_index(zip, zip_uint64_t(i), 0);
        zip_fread(file, bytes.data(), stat.size);
        zip_fclose(file);
        parts.emplace_back(stat.name, bytes);
    }
    zip_discard(zip);
    return parts;
}

bool ZipWrite(const QString& aFile, const TParts& aParts)
{
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(aFile).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return false;
    for (const auto& [name, bytes] : aParts) {
        zip_source_t* source = zip_source_buffer(zip, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        if (!source || zip_file_add(zip, name.constData(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(zip);
            return false;
        }
    }
    return zip_close(zip) == 0;
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
    void hostileSheets();
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

void TestContestSheet::hostileSheets()
{
    // Seeded mutations of the good sheets: of one XML part (mostly the sheet itself), or of the
    // zip's own bytes. Every case ends in import lines or in a message about the file; the lines
    // then import as any text file would, or stop with a message.
    const quint32 seed = FuzzSeed(20261211);
    const QStringList sheets = {"operator", "shared-strings", "inline-three-digits", "reordered-wide"};
    std::vector<TParts> originals;
    for (const QString& sheet : sheets) {
        originals.push_back(ZipParts(Fixture(sheet + ".xlsx")));
        QVERIFY(!originals.back().empty());
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("mutante.xlsx"));
    for (int c = 0; c < 400; ++c) {
        if (!FuzzCaseWanted(c))
            continue;
        FuzzCaseStart("spreadsheet", seed, c);
        QRandomGenerator random = FuzzGenerator(seed, 4, c);
        const std::size_t which = std::size_t(random.bounded(int(originals.size())));
        TParts parts = originals[which];
        if (random.bounded(8) == 0) {
            QVERIFY(ZipWrite(file, parts));
            WriteAll(file, FuzzMutate(ReadAll(file), random));
        } else {
            std::size_t part = 0;
            while (part < parts.size() && !parts[part].first.contains("worksheets/"))
                ++part;
            if (part == parts.size() || random.bounded(4) == 0)
                part = std::size_t(random.bounded(int(parts.size())));
            parts[part].second = FuzzMutate(parts[part].second, random);
            QVERIFY(ZipWrite(file, parts));
        }
        const QString context = QStringLiteral("seed %1, case %2 (%3)").arg(seed).arg(c).arg(sheets[int(which)]);
        try {
            const QStringList lines = ContestSheetRead(file);
            QVERIFY2(lines.size() <= 1048576, qPrintable(context));
            TContestGrid grid;
            const TContestImport import = ContestImportRun(lines, grid);
            QVERIFY2(import.Error.isEmpty() == (import.ErrorLine == 0 && !import.Log.isEmpty()) ||
                         import.Error.startsWith(QStringLiteral("O arquivo não contém nenhum concurso")),
                     qPrintable(context + ": " + import.Error));
            QCOMPARE(grid.RowCount(), import.Added);
        } catch (const EInOutError& e) {
            QVERIFY2(e.Message().startsWith(QStringLiteral("Não foi possível ler a planilha \"%1\": ").arg(file)),
                     qPrintable(context + ": " + e.Message()));
        }
    }
}

QTEST_GUILESS_MAIN(TestContestSheet)
#include "TestContestSheet.moc"
