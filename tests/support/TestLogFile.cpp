// The log format: date blocks, entry order, details, crossing midnight, reading the newest day.

#include "util/Clock.h"
#include "util/Exceptions.h"
#include "util/LogFile.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestLogFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void entriesOfOneDayStackNewestFirst();
    void nextDayStartsABlockAtTheTop();
    void dateLineAsLastLineGetsTheClosingEmptyLine();
    void dateText_data();
    void dateText();
    void readsWindows1252WritesUtf8();
    void unreadableOrUnwritableFileThrows_data();
    void unreadableOrUnwritableFileThrows();
    void readLastLogBlock();
    void readLastLogBlockOfMissingAndEmptyFiles();

private:
    void SetNow(const QString& aIso) { FNow = QDateTime::fromString(aIso, Qt::ISODateWithMs); }

    std::unique_ptr<QTemporaryDir> FTemp;
    QString FLog;
    QDateTime FNow;
};

void TestLogFile::init()
{
    FTemp = std::make_unique<QTemporaryDir>();
    QVERIFY(FTemp->isValid());
    FLog = FTemp->filePath(QStringLiteral("Log.log"));
    SetClock([this] { return FNow; });
    LogDetails.clear();
}

void TestLogFile::cleanup()
{
    SetClock({});
    LogDetails.clear();
}

void TestLogFile::entriesOfOneDayStackNewestFirst()
{
    SetNow(QStringLiteral("2026-12-09T08:00:02"));
    AddLogDetail(QStringLiteral("Inicialização do procedimento"));
    AddLogDetail(QStringLiteral("Tratamento de Crash"));
    WriteLogEntry(QStringLiteral("Inicialização de aplicativo"), LogDetails, FLog, QStringLiteral("OK"));
    QVERIFY(LogDetails.isEmpty());

    SetNow(QStringLiteral("2026-12-09T14:05:31"));
    AddLogDetail(QStringLiteral("Erro de Conversão de tipos."));
    WriteLogEntry(QStringLiteral("Ocorreu uma exceção"), LogDetails, FLog, QStringLiteral("Exception"));
    QVERIFY(LogDetails.isEmpty());

    QCOMPARE(ReadAll(FLog), QStringLiteral("[9/12/2026]\r\n"
                                           "14:05:31-Exception=Ocorreu uma exceção\r\n"
                                           "Erro de Conversão de tipos.\r\n"
                                           "08:00:02-OK=Inicialização de aplicativo\r\n"
                                           "Inicialização do procedimento\r\n"
                                           "Tratamento de Crash\r\n"
                                           "\r\n")
                                .toUtf8());
}

void TestLogFile::nextDayStartsABlockAtTheTop()
{
    SetNow(QStringLiteral("2026-12-31T23:59:59.999"));
    WriteLogEntry(QStringLiteral("Inicialização de aplicativo"), {}, FLog, QStringLiteral("OK"));
    SetNow(QStringLiteral("2027-01-01T00:00:00"));
    WriteLogEntry(QStringLiteral("Inicialização de aplicativo"), {QStringLiteral("detalhe")}, FLog,
                  QStringLiteral("OK"));
    SetNow(QStringLiteral("2027-01-01T00:00:01"));
    WriteLogEntry(QStringLiteral("Ocorreu uma exceção"), {}, FLog, QStringLiteral("Exception"));
    // Every block started appends one empty line at the end of the file.
    QCOMPARE(ReadAll(FLog), QStringLiteral("[1/1/2027]\r\n"
                                           "00:00:01-Exception=Ocorreu uma exceção\r\n"
                                           "00:00:00-OK=Inicialização de aplicativo\r\n"
                                           "detalhe\r\n"
                                           "[31/12/2026]\r\n"
                                           "23:59:59-OK=Inicialização de aplicativo\r\n"
                                           "\r\n"
                                           "\r\n")
                                .toUtf8());
}

void TestLogFile::dateLineAsLastLineGetsTheClosingEmptyLine()
{
    WriteAll(FLog, "[10/12/2026]\r\n10:00:00-OK=x\r\n[9/12/2026]");
    SetNow(QStringLiteral("2026-12-09T11:00:00"));
    WriteLogEntry(QStringLiteral("y"), {QStringLiteral("d")}, FLog, QStringLiteral("OK"));
    QCOMPARE(ReadAll(FLog), QByteArray("[10/12/2026]\r\n10:00:00-OK=x\r\n[9/12/2026]\r\n11:00:00-OK=y\r\nd\r\n\r\n"));
}

void TestLogFile::dateText_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("no leading zeros") << QDate(2026, 1, 5) << "5/1/2026";
    QTest::newRow("two-digit day and month") << QDate(2026, 12, 31) << "31/12/2026";
    QTest::newRow("day one") << QDate(2027, 10, 1) << "1/10/2027";
}

void TestLogFile::dateText()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(LogDateText(date), text);
    SetNow(date.startOfDay().addSecs(3600 * 7 + 60 * 8 + 9).toString(Qt::ISODate));
    WriteLogEntry(QStringLiteral("v"), {}, FLog, QStringLiteral("OK"));
    QCOMPARE(ReadAll(FLog), ('[' + text + "]\r\n07:08:09-OK=v\r\n\r\n").toUtf8());
}

void TestLogFile::readsWindows1252WritesUtf8()
{
    WriteAll(FLog, "[9/12/2026]\r\n08:00:00-OK=Inicializa\xE7\xE3o de aplicativo\r\n\r\n");
    SetNow(QStringLiteral("2026-12-09T09:00:00"));
    WriteLogEntry(QStringLiteral("Ocorreu uma exceção"), {}, FLog, QStringLiteral("Exception"));
    QCOMPARE(ReadAll(FLog), QStringLiteral("[9/12/2026]\r\n"
                                           "09:00:00-Exception=Ocorreu uma exceção\r\n"
                                           "08:00:00-OK=Inicialização de aplicativo\r\n"
                                           "\r\n")
                                .toUtf8());
}

void TestLogFile::unreadableOrUnwritableFileThrows_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("folder is a file") << "arquivo/Log.log";
    QTest::newRow("log is a folder") << "pasta";
    QTest::newRow("no name") << "";
}

void TestLogFile::unreadableOrUnwritableFileThrows()
{
    QFETCH(QString, relative);
    WriteAll(FTemp->filePath(QStringLiteral("arquivo")), "x");
    QVERIFY(QDir(FTemp->path()).mkdir(QStringLiteral("pasta")));
    const QString name = relative.isEmpty() ? QString() : FTemp->filePath(relative);
    SetNow(QStringLiteral("2026-12-09T09:00:00"));
    AddLogDetail(QStringLiteral("pendente"));
    QVERIFY_THROWS_EXCEPTION(EInOutError, WriteLogEntry(QStringLiteral("v"), LogDetails, name, QStringLiteral("OK")));
    QCOMPARE(LogDetails, QStringList{"pendente"});
}

void TestLogFile::readLastLogBlock()
{
    WriteAll(FLog, "[10/12/2026]\r\n"
                   "10:00:00-Exception=Ocorreu uma exce\xC3\xA7\xC3\xA3o\r\n"
                   "Erro de entrada e sa\xC3\xAD"
                   "da.\r\n"
                   "08:00:00-OK=Inicializa\xC3\xA7\xC3\xA3o de aplicativo\r\n"
                   "[9/12/2026]\r\n"
                   "09:00:00-OK=Inicializa\xC3\xA7\xC3\xA3o de aplicativo\r\n"
                   "\r\n\r\n");
    QStringList lines{QStringLiteral("Log anterior:")};
    ReadLastLogBlock(FLog, lines);
    QCOMPARE(lines, (QStringList{"Log anterior:", "[10/12/2026]", "10:00:00-Exception=Ocorreu uma exceção",
                                 "Erro de entrada e saída.", "08:00:00-OK=Inicialização de aplicativo"}));

    // A single block runs to the end of the file, closing empty lines included.
    WriteAll(FLog, "[9/12/2026]\r\n09:00:00-OK=x\r\n\r\n");
    lines.clear();
    ReadLastLogBlock(FLog, lines);
    QCOMPARE(lines, (QStringList{"[9/12/2026]", "09:00:00-OK=x", ""}));
}

void TestLogFile::readLastLogBlockOfMissingAndEmptyFiles()
{
    QStringList lines{QStringLiteral("Log inexistente.")};
    ReadLastLogBlock(FLog, lines);
    QCOMPARE(lines, QStringList{"Log inexistente."});

    WriteAll(FLog, "");
    QVERIFY_THROWS_EXCEPTION(EListError, ReadLastLogBlock(FLog, lines));
    QCOMPARE(lines, QStringList{"Log inexistente."});
}

QTEST_GUILESS_MAIN(TestLogFile)
#include "TestLogFile.moc"
