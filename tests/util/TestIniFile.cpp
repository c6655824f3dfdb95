// The settings files: Windows INI reading rules, file order and the bytes written.

#include "util/Exceptions.h"
#include "util/IniFile.h"
#include "tests/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestIniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void newFileBytes();
    void roundTripOfEveryType();
    void namesIgnoreAsciiCase();
    void fileOrderCommentsAndBlankLinesKept();
    void readBool_data();
    void readBool();
    void readNumbers_data();
    void readNumbers();
    void eraseAndDelete();
    void writeThroughSeesOtherWriters();
    void deferredWritesWaitForUpdateFile();
    void readsWindows1252WritesUtf8();
    void failedWriteThrows();

private:
    std::unique_ptr<QTemporaryDir> FTemp;
    QString FName;
};

void TestIniFile::init()
{
    FTemp = std::make_unique<QTemporaryDir>();
    QVERIFY(FTemp->isValid());
    FName = FTemp->filePath(QStringLiteral("Crash.ini"));
}

void TestIniFile::newFileBytes()
{
    TIniFile ini(FName);
    QCOMPARE(ini.ReadBool(QStringLiteral("Crash"), QStringLiteral("Crashed"), true), true);
    QVERIFY(!QFile::exists(FName)); // reading never creates the file
    ini.WriteBool(QStringLiteral("Crash"), QStringLiteral("First"), true);
    ini.WriteBool(QStringLiteral("Crash"), QStringLiteral("Crashed"), false);
    ini.WriteString(QStringLiteral("Geral"), QStringLiteral("UserName"), QStringLiteral("João Teste"));
    QCOMPARE(ReadAll(FName),
             QByteArray("[Crash]\r\nFirst=1\r\nCrashed=0\r\n\r\n[Geral]\r\nUserName=Jo\xC3\xA3o Teste\r\n"));
}

void TestIniFile::roundTripOfEveryType()
{
    {
        TIniFile ini(FName);
        ini.WriteString(QStringLiteral("Geral"), QStringLiteral("Texto"), QStringLiteral("a=b;c [d]"));
        ini.WriteString(QStringLiteral("Geral"), QStringLiteral("Vazio"), QString());
        ini.WriteInteger(QStringLiteral("Geral"), QStringLiteral("Porta"), -26);
        ini.WriteBool(QStringLiteral("Geral"), QStringLiteral("Avisa"), true);
        ini.WriteFloat(QStringLiteral("Geral"), QStringLiteral("TempoArmaz"), 7.5);
        ini.WriteString(QStringLiteral("Geral"), QStringLiteral("Linhas"), QStringLiteral("um\r\ndois"));
    }
    QVERIFY(ReadAll(FName).contains("TempoArmaz=7,5\r\n"));
    const TIniFile ini(FName);
    QCOMPARE(ini.ReadString(QStringLiteral("Geral"), QStringLiteral("Texto"), QString()), QStringLiteral("a=b;c [d]"));
    QCOMPARE(ini.ReadString(QStringLiteral("Geral"), QStringLiteral("Vazio"), QStringLiteral("padrão")), QString());
    QCOMPARE(ini.ReadString(QStringLiteral("Geral"), QStringLiteral("Falta"), QStringLiteral("padrão")),
             QStringLiteral("padrão"));
    QCOMPARE(ini.ReadInteger(QStringLiteral("Geral"), QStringLiteral("Porta"), 0), -26);
    QCOMPARE(ini.ReadBool(QStringLiteral("Geral"), QStringLiteral("Avisa"), false), true);
    QCOMPARE(ini.ReadFloat(QStringLiteral("Geral"), QStringLiteral("TempoArmaz"), 0), 7.5);
    // A value stays on its line: line breaks become blanks.
    QCOMPARE(ini.ReadString(QStringLiteral("Geral"), QStringLiteral("Linhas"), QString()), QStringLiteral("um  dois"));
    QCOMPARE(ini.SectionKeys(QStringLiteral("Geral")),
             (QStringList{"Texto", "Vazio", "Porta", "Avisa", "TempoArmaz", "Linhas"}));
}

void TestIniFile::namesIgnoreAsciiCase()
{
    WriteAll(FName, "[Crash]\r\nCrashed=1\r\n");
    TIniFile ini(FName);
    QCOMPARE(ini.ReadBool(QStringLiteral("CRASH"), QStringLiteral("crashed"), false), true);
    QVERIFY(ini.SectionExists(QStringLiteral("crash")));
    QVERIFY(ini.ValueExists(QStringLiteral("Crash"), QStringLiteral("CRASHED")));
    QVERIFY(!ini.ValueExists(QStringLiteral("Crash"), QStringLiteral("First")));
    // Only ASCII letters fold: "Ç" and "ç" are different names.
    ini.WriteString(QStringLiteral("Seção"), QStringLiteral("k"), QStringLiteral("1"));
    QVERIFY(!ini.SectionExists(QStringLiteral("SEÇÃO")));
    QVERIFY(ini.SectionExists(QStringLiteral("SEçãO")));
    // A changed key keeps its line and its spelling.
    ini.WriteBool(QStringLiteral("crash"), QStringLiteral("CRASHED"), false);
    QCOMPARE(ReadAll(FName), QByteArray("[Crash]\r\nCrashed=0\r\n\r\n[Se\xC3\xA7\xC3\xA3o]\r\nk=1\r\n"));
}

void TestIniFile::fileOrderCommentsAndBlankLinesKept()
{
    WriteAll(FName, "; Configurações\r\n"
                    "[Geral]\r\n"
                    "Host = smtp.exemplo.com \r\n"
                    "; porta padrão\r\n"
                    "Porta=25\r\n"
                    "\r\n"
                    "[Alerta]\r\n"
                    "Tempo=3000\r\n"
                    "texto sem igual\r\n");
    TIniFile ini(FName);
    QCOMPARE(ini.ReadString(QStringLiteral("Geral"), QStringLiteral("Host"), QString()),
             QStringLiteral("smtp.exemplo.com"));
    QCOMPARE(ini.Sections(), (QStringList{"Geral", "Alerta"}));
    QCOMPARE(ini.SectionKeys(QStringLiteral("Alerta")), QStringList{"Tempo"});
    ini.WriteInteger(QStringLiteral("Geral"), QStringLiteral("Porta"), 26);
    ini.WriteString(QStringLiteral("Geral"), QStringLiteral("Username"), QStringLiteral("ana"));
    ini.WriteString(QStringLiteral("Alerta"), QStringLiteral("Cabecalho"), QStringLiteral("Norvadel"));
    ini.WriteString(QStringLiteral("Novo"), QStringLiteral("Chave"), QStringLiteral("valor"));
    QCOMPARE(ReadAll(FName), QByteArray("; Configura\xC3\xA7\xC3\xB5"
                                        "es\r\n"
                                        "[Geral]\r\n"
                                        "Host = smtp.exemplo.com \r\n"
                                        "; porta padr\xC3\xA3o\r\n"
                                        "Porta=26\r\n"
                                        "Username=ana\r\n"
                                        "\r\n"
                                        "[Alerta]\r\n"
                                        "Tempo=3000\r\n"
                                        "texto sem igual\r\n"
                                        "Cabecalho=Norvadel\r\n"
                                        "\r\n"
                                        "[Novo]\r\n"
                                        "Chave=valor\r\n"));
}

void TestIniFile::readBool_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("fallback");
    QTest::addColumn<bool>("result");
    QTest::newRow("1") << QByteArray("1") << false << true;
    QTest::newRow("0") << QByteArray("0") << true << false;
    QTest::newRow("any non-zero") << QByteArray("2") << false << true;
    QTest::newRow("negative") << QByteArray("-1") << false << true;
    QTest::newRow("hex") << QByteArray("0x10") << false << true;
    QTest::newRow("True") << QByteArray("True") << false << true;
    QTest::newRow("false lower case") << QByteArray("false") << true << false;
    QTest::newRow("text gives the default") << QByteArray("sim") << true << true;
    QTest::newRow("empty gives the default") << QByteArray("") << true << true;
    QTest::newRow("missing gives the default") << QByteArray() << true << true;
}

void TestIniFile::readBool()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, fallback);
    QFETCH(bool, result);
    WriteAll(FName, value.isNull() ? QByteArray("[Crash]\r\n") : "[Crash]\r\nCrashed=" + value + "\r\n");
    QCOMPARE(TIniFile(FName).ReadBool(QStringLiteral("Crash"), QStringLiteral("Crashed"), fallback), result);
}

void TestIniFile::readNumbers_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("integer");
    QTest::addColumn<double>("real");
    // Defaults: -1 and -1.5.
    QTest::newRow("decimal") << QByteArray("42") << 42 << 42.0;
    QTest::newRow("blanks trimmed") << QByteArray("  42  ") << 42 << 42.0;
    QTest::newRow("dollar hex") << QByteArray("$1A") << 26 << -1.5;
    QTest::newRow("0x hex") << QByteArray("0x1A") << 26 << -1.5;
    QTest::newRow("decimal comma") << QByteArray("7,25") << -1 << 7.25;
    QTest::newRow("decimal point") << QByteArray("7.25") << -1 << 7.25;
    QTest::newRow("text") << QByteArray("sete") << -1 << -1.5;
    QTest::newRow("empty") << QByteArray("") << -1 << -1.5;
}

void TestIniFile::readNumbers()
{
    QFETCH(QByteArray, value);
    QFETCH(int, integer);
    QFETCH(double, real);
    WriteAll(FName, "[Geral]\r\nN=" + value + "\r\n");
    const TIniFile ini(FName);
    QCOMPARE(ini.ReadInteger(QStringLiteral("Geral"), QStringLiteral("N"), -1), integer);
    QCOMPARE(ini.ReadFloat(QStringLiteral("Geral"), QStringLiteral("N"), -1.5), real);
}

void TestIniFile::eraseAndDelete()
{
    WriteAll(FName, "[A]\r\nx=1\r\ny=2\r\n; nota\r\n\r\n[B]\r\nz=3\r\n[a]\r\nw=4\r\n");
    TIniFile ini(FName);
    ini.DeleteKey(QStringLiteral("a"), QStringLiteral("X"));
    ini.DeleteKey(QStringLiteral("A"), QStringLiteral("falta"));
    QCOMPARE(ReadAll(FName), QByteArray("[A]\r\ny=2\r\n; nota\r\n\r\n[B]\r\nz=3\r\n[a]\r\nw=4\r\n"));
    // The first section of a name goes, with everything up to the next header.
    ini.EraseSection(QStringLiteral("A"));
    QCOMPARE(ReadAll(FName), QByteArray("[B]\r\nz=3\r\n[a]\r\nw=4\r\n"));
    QCOMPARE(ini.ReadString(QStringLiteral("A"), QStringLiteral("w"), QString()), QStringLiteral("4"));
    ini.EraseSection(QStringLiteral("falta"));
    QCOMPARE(ini.Sections(), (QStringList{"B", "a"}));
}

void TestIniFile::writeThroughSeesOtherWriters()
{
    TIniFile first(FName);
    TIniFile second(FName);
    first.WriteString(QStringLiteral("Geral"), QStringLiteral("A"), QStringLiteral("1"));
    QCOMPARE(second.ReadString(QStringLiteral("Geral"), QStringLiteral("A"), QString()), QStringLiteral("1"));
    second.WriteString(QStringLiteral("Geral"), QStringLiteral("B"), QStringLiteral("2"));
    QCOMPARE(ReadAll(FName), QByteArray("[Geral]\r\nA=1\r\nB=2\r\n"));
}

void TestIniFile::deferredWritesWaitForUpdateFile()
{
    WriteAll(FName, "[Geral]\r\nA=1\r\n");
    TIniFile ini(FName, false);
    ini.WriteString(QStringLiteral("Geral"), QStringLiteral("A"), QStringLiteral("2"));
    QCOMPARE(ini.ReadString(QStringLiteral("Geral"), QStringLiteral("A"), QString()), QStringLiteral("2"));
    QCOMPARE(ReadAll(FName), QByteArray("[Geral]\r\nA=1\r\n"));
    ini.UpdateFile();
    QCOMPARE(ReadAll(FName), QByteArray("[Geral]\r\nA=2\r\n"));
}

void TestIniFile::readsWindows1252WritesUtf8()
{
    WriteAll(FName, "[Geral]\r\nUserName=Jo\xE3o\r\n");
    TIniFile ini(FName);
    QCOMPARE(ini.ReadString(QStringLiteral("Geral"), QStringLiteral("UserName"), QString()), QStringLiteral("João"));
    ini.WriteString(QStringLiteral("Geral"), QStringLiteral("Empresa"), QStringLiteral("Obrix"));
    QCOMPARE(ReadAll(FName), QByteArray("[Geral]\r\nUserName=Jo\xC3\xA3o\r\nEmpresa=Obrix\r\n"));
}

void TestIniFile::failedWriteThrows()
{
    WriteAll(FTemp->filePath(QStringLiteral("arquivo")), "x");
    TIniFile ini(FTemp->filePath(QStringLiteral("arquivo/Crash.ini")));
    QCOMPARE(ini.ReadBool(QStringLiteral("Crash"), QStringLiteral("Crashed"), true), true);
    QVERIFY_THROWS_EXCEPTION(EInOutError, ini.WriteBool(QStringLiteral("Crash"), QStringLiteral("Crashed"), true));

    // A file that exists but cannot be read is not overwritten.
    TIniFile folder(FTemp->path());
    QVERIFY_THROWS_EXCEPTION(EInOutError, folder.WriteString(QStringLiteral("A"), QStringLiteral("b"), QString()));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "TestIniFile.moc"
