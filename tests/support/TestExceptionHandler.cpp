// The exception handler's sentences and log entries, and the log retention.

#include "support/LogRetention.h"
#include "support/TMyException.h"
#include "util/Clock.h"
#include "util/Exceptions.h"
#include "util/LogFile.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <new>
#include <stdexcept>
#include <typeinfo>

Q_DECLARE_METATYPE(std::exception_ptr)

namespace {
template <typename T> std::exception_ptr Raised(const T& aException)
{
    return std::make_exception_ptr(aException);
}

// A kind of this program's own, derived from a listed kind but without a row of its own.
class EBetConvertError : public EConvertError
{
public:
    using EConvertError::EConvertError;
};

class ESilentStop : public EAbort
{
public:
    using EAbort::EAbort;
};
} // namespace

class TestExceptionHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void sentenceOfEachKind_data();
    void sentenceOfEachKind();
    void appExceptionWritesAnEntryAtTheTop();
    void pendingDetailsGoFirst();
    void silentAbort();
    void unwritableLogIsAbsorbed_data();
    void unwritableLogIsAbsorbed();
    void logErrorMessageUsesTheKeptHandler();
    void retention_data();
    void retention();
    void blockDates_data();
    void blockDates();
    void unreadableHeaderLogsAndStops();
    void nothingRemovedLeavesTheFileUntouched();

private:
    void SetNow(const QString& aIso) { FNow = QDateTime::fromString(aIso, Qt::ISODateWithMs); }

    std::unique_ptr<QTemporaryDir> FTemp;
    QDateTime FNow;
};

void TestExceptionHandler::init()
{
    FTemp = std::make_unique<QTemporaryDir>();
    QVERIFY(FTemp->isValid());
    LogFileName = FTemp->filePath(QStringLiteral("Log.log"));
    SetNow(QStringLiteral("2026-12-09T14:05:31"));
    SetClock([this] { return FNow; });
    LogDetails.clear();
}

void TestExceptionHandler::cleanup()
{
    SetClock({});
    LogDetails.clear();
    LogFileName.clear();
    MyException.reset();
}

void TestExceptionHandler::sentenceOfEachKind_data()
{
    QTest::addColumn<std::exception_ptr>("raised");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("EInvalidPointer") << Raised(EInvalidPointer()) << "Erro de Ponteiro.";
    QTest::newRow("EConvertError") << Raised(EConvertError(QStringLiteral("'x' não é")))
                                   << "Erro de Conversão de tipos.";
    QTest::newRow("EInOutError") << Raised(EInOutError()) << "Erro de entrada e saída.";
    QTest::newRow("EFileNotFoundException, own row below its base")
        << Raised(EFileNotFoundException()) << "Arquivo não encontrado";
    QTest::newRow("EArgumentNilException") << Raised(EArgumentNilException()) << "Argumento nulo não permitido";
    QTest::newRow("ERangeError") << Raised(ERangeError())
                                 << "Valor excede o limite do tipo inteiro ao qual foi atribuída";
    QTest::newRow("EMathError keeps its odd sentence") << Raised(EMathError()) << "Erro de comparação.";
    QTest::newRow("EPropReadOnly") << Raised(EPropReadOnly()) << "Erro de leitura de propriedade.";
    QTest::newRow("EPropWriteOnly") << Raised(EPropWriteOnly()) << "Erro de escrita em propiedade.";
    QTest::newRow("EExternalException") << Raised(EExternalException()) << "Erro externo.";
    QTest::newRow("EOSError") << Raised(EOSError()) << "Erro do Sistem Operacional.";
    QTest::newRow("EWin32Error") << Raised(EWin32Error()) << "Erro em Win32.";
    QTest::newRow("ENotImplemented, the last row") << Raised(ENotImplemented()) << "Não implementado.";
    QTest::newRow("derived kind without a row")
        << Raised(EBetConvertError(QStringLiteral("aposta inválida"))) << "Exceção desconhecida.aposta inválida";
    QTest::newRow("base kind without a row")
        << Raised(EIntError(QStringLiteral("inteiro"))) << "Exceção desconhecida.inteiro";
    QTest::newRow("Exception itself") << Raised(Exception(QStringLiteral("falha"))) << "Exceção desconhecida.falha";
    QTest::newRow("unknown without a message") << Raised(EPropertyError()) << "Exceção desconhecida.";
    QTest::newRow("std::bad_alloc") << Raised(std::bad_alloc()) << "Memória insuficiente.";
    QTest::newRow("std::bad_cast") << Raised(std::bad_cast()) << "TypeCast inválido.";
    QTest::newRow("std::out_of_range") << Raised(std::out_of_range("at")) << "Erro de listagem.";
    QTest::newRow("std::invalid_argument") << Raised(std::invalid_argument("stoi")) << "Erro de argumento.";
    QTest::newRow("std::overflow_error") << Raised(std::overflow_error("x")) << "Overflow em inteiro.";
    QTest::newRow("std::runtime_error, message as UTF-8")
        << Raised(std::runtime_error("falha na conexão")) << "Exceção desconhecida.falha na conexão";
}

void TestExceptionHandler::sentenceOfEachKind()
{
    QFETCH(std::exception_ptr, raised);
    QFETCH(QString, sentence);
    try {
        std::rethrow_exception(raised);
    } catch (const std::exception& e) {
        QCOMPARE(TMyException::ExceptionText(e), sentence);
        TMyException handler;
        handler.AppException(nullptr, e);
        QCOMPARE(handler.LogString(), sentence);
    }
    QCOMPARE(ReadAll(LogFileName),
             ("[9/12/2026]\r\n14:05:31-Exception=Ocorreu uma exceção\r\n" + sentence + "\r\n\r\n").toUtf8());
}

void TestExceptionHandler::appExceptionWritesAnEntryAtTheTop()
{
    WriteAll(LogFileName, "[8/12/2026]\r\n23:00:00-OK=Inicializa\xC3\xA7\xC3\xA3o de aplicativo\r\n\r\n");
    TMyException handler;
    handler.AppException(nullptr, EDivByZero());
    SetNow(QStringLiteral("2026-12-09T14:06:00"));
    handler.AppException(nullptr, EZeroDivide());
    QCOMPARE(ReadAll(LogFileName), QStringLiteral("[9/12/2026]\r\n"
                                                  "14:06:00-Exception=Ocorreu uma exceção\r\n"
                                                  "Divisão de real por zero\r\n"
                                                  "14:05:31-Exception=Ocorreu uma exceção\r\n"
                                                  "Divisão por zero.\r\n"
                                                  "[8/12/2026]\r\n"
                                                  "23:00:00-OK=Inicialização de aplicativo\r\n"
                                                  "\r\n"
                                                  "\r\n")
                                       .toUtf8());
    QVERIFY(LogDetails.isEmpty());
}

void TestExceptionHandler::pendingDetailsGoFirst()
{
    AddLogDetail(QStringLiteral("Inicialização do procedimento"));
    TMyException handler;
    handler.SetiLogString(QStringLiteral("Erro ao enviar"));
    QCOMPARE(ReadAll(LogFileName), QStringLiteral("[9/12/2026]\r\n"
                                                  "14:05:31-Exception=Ocorreu uma exceção\r\n"
                                                  "Inicialização do procedimento\r\n"
                                                  "Erro ao enviar\r\n"
                                                  "\r\n")
                                       .toUtf8());
    QVERIFY(LogDetails.isEmpty());
}

void TestExceptionHandler::silentAbort()
{
    QVERIFY(IsSilentAbort(EAbort()));
    QVERIFY(IsSilentAbort(ESilentStop()));
    QVERIFY(!IsSilentAbort(EConvertError()));
    QVERIFY(!IsSilentAbort(Exception()));
    QVERIFY(!IsSilentAbort(std::runtime_error("x")));
}

void TestExceptionHandler::unwritableLogIsAbsorbed_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("log path not known yet") << "";
    QTest::newRow("folder is a file") << "arquivo/Log.log";
    QTest::newRow("log is a folder") << "pasta";
    QTest::newRow("read-only folder") << "somente-leitura/Log.log";
}

void TestExceptionHandler::unwritableLogIsAbsorbed()
{
    QFETCH(QString, relative);
    WriteAll(FTemp->filePath(QStringLiteral("arquivo")), "x");
    QVERIFY(QDir(FTemp->path()).mkdir(QStringLiteral("pasta")));
    const QString readOnly = FTemp->filePath(QStringLiteral("somente-leitura"));
    QVERIFY(QDir(FTemp->path()).mkdir(QStringLiteral("somente-leitura")));
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
    const auto restore =
        qScopeGuard([&] { QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    if (relative.startsWith(QStringLiteral("somente-leitura")))
        REQUIRE_FILE_MODES();
    LogFileName = relative.isEmpty() ? QString() : FTemp->filePath(relative);
    const QStringList before = QDir(FTemp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    AddLogDetail(QStringLiteral("pendente"));
    TMyException handler;
    handler.AppException(nullptr, EInOutError());
    handler.SetiLogString(QStringLiteral("mensagem"));
    LogErrorMessage(QStringLiteral("outra"));

    QCOMPARE(handler.LogString(), QStringLiteral("mensagem"));
    QCOMPARE(LogDetails, QStringList{"pendente"});
    QCOMPARE(QDir(FTemp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void TestExceptionHandler::logErrorMessageUsesTheKeptHandler()
{
    LogErrorMessage(QStringLiteral("sem handler"));
    MyException = std::make_unique<TMyException>();
    SetNow(QStringLiteral("2026-12-09T14:06:00"));
    LogErrorMessage(QStringLiteral("com handler"));
    QCOMPARE(MyException->LogString(), QStringLiteral("com handler"));
    QCOMPARE(ReadAll(LogFileName), QStringLiteral("[9/12/2026]\r\n"
                                                  "14:06:00-Exception=Ocorreu uma exceção\r\n"
                                                  "com handler\r\n"
                                                  "14:05:31-Exception=Ocorreu uma exceção\r\n"
                                                  "sem handler\r\n"
                                                  "\r\n")
                                       .toUtf8());
}

void TestExceptionHandler::retention_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("header");
    QTest::addColumn<bool>("removed");
    // Retention 7 days; the block under test is the oldest, below a block of today.
    QTest::newRow("8 days ago") << "2026-12-09T10:00:00"
                                << "1/12/2026" << true;
    QTest::newRow("today") << "2026-12-09T10:00:00"
                           << "9/12/2026" << false;
    QTest::newRow("6 days ago, late") << "2026-12-09T23:59:59"
                                      << "3/12/2026" << false;
    QTest::newRow("7 days ago, at midnight") << "2026-12-09T00:00:00"
                                             << "2/12/2026" << false;
    QTest::newRow("7 days ago, past midnight") << "2026-12-09T00:00:00.001"
                                               << "2/12/2026" << true;
    QTest::newRow("across the year") << "2027-01-03T08:00:00"
                                     << "26/12/2026" << true;
    QTest::newRow("leading zeros") << "2026-12-09T10:00:00"
                                   << "01/12/2026" << true;
    QTest::newRow("month/day/year when day/month fails") << "2026-12-15T10:00:00"
                                                         << "12/14/2026" << false;
    QTest::newRow("5/13/2014 is the 13th of May") << "2026-12-09T10:00:00"
                                                  << "5/13/2014" << true;
}

void TestExceptionHandler::retention()
{
    QFETCH(QString, now);
    QFETCH(QString, header);
    QFETCH(bool, removed);
    const QDateTime at = QDateTime::fromString(now, Qt::ISODateWithMs);
    const QByteArray today = "[" + LogDateText(at.date()).toUtf8() + "]\r\n10:00:00-OK=hoje\r\n";
    const QByteArray kept = "Linha antes do primeiro bloco\r\n" + today;
    const QByteArray old = "[" + header.toUtf8() + "]\r\n09:00:00-Exception=antigo\r\ndetalhe\r\n";
    WriteAll(LogFileName, kept + old + "\r\n\r\n");

    QCOMPARE(CheckLog(LogFileName, 7, at), removed ? 1 : 0);
    // The file keeps one closing empty line when its last block goes.
    QCOMPARE(ReadAll(LogFileName), removed ? kept + "\r\n" : kept + old + "\r\n\r\n");
}

void TestExceptionHandler::blockDates_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("date");
    QTest::newRow("day/month/year") << "9/12/2026" << QDate(2026, 12, 9);
    QTest::newRow("zero-filled") << "09/02/2026" << QDate(2026, 2, 9);
    // Two-digit years: the clock says 9 December 2026, so they run from 1976 to 2075.
    QTest::newRow("two-digit year") << "9/12/26" << QDate(2026, 12, 9);
    QTest::newRow("two-digit year, window start") << "9/12/76" << QDate(1976, 12, 9);
    QTest::newRow("two-digit year, window end") << "9/12/75" << QDate(2075, 12, 9);
    QTest::newRow("month/day/year") << "5/13/2014" << QDate(2014, 5, 13);
    QTest::newRow("ambiguous reads as day/month") << "5/12/2014" << QDate(2014, 12, 5);
}

void TestExceptionHandler::blockDates()
{
    QFETCH(QString, name);
    QFETCH(QDate, date);
    QCOMPARE(LogBlockDate(name), date);
}

void TestExceptionHandler::unreadableHeaderLogsAndStops()
{
    QVERIFY_THROWS_EXCEPTION(EConvertError, LogBlockDate(QStringLiteral("lixo")));
    QVERIFY_THROWS_EXCEPTION(EConvertError, LogBlockDate(QStringLiteral("13/13/2026")));

    // From the last block up: 1/1/2020 goes, "lixo" stops the purge, 1/1/2019 above it stays.
    WriteAll(LogFileName, "[9/12/2026]\r\n10:00:00-OK=hoje\r\n"
                          "[1/1/2019]\r\n10:00:00-OK=acima\r\n"
                          "[lixo]\r\n10:00:00-OK=lixo\r\n"
                          "[1/1/2020]\r\n10:00:00-OK=antigo\r\n"
                          "\r\n");
    QCOMPARE(CheckLog(LogFileName, 7, FNow), 1);
    QCOMPARE(ReadAll(LogFileName), QStringLiteral("[9/12/2026]\r\n"
                                                  "14:05:31-Exception=Ocorreu uma exceção\r\n"
                                                  "Exceção no tratamento de data para arquivo de log.\r\n"
                                                  "10:00:00-OK=hoje\r\n"
                                                  "[1/1/2019]\r\n10:00:00-OK=acima\r\n"
                                                  "[lixo]\r\n10:00:00-OK=lixo\r\n"
                                                  "\r\n")
                                       .toUtf8());
}

void TestExceptionHandler::nothingRemovedLeavesTheFileUntouched()
{
    // Windows-1252 bytes would come back as UTF-8 if the file were rewritten.
    const QByteArray log = "[9/12/2026]\r\n10:00:00-OK=Inicializa\xE7\xE3o\r\n[8/12/2026]\r\nx\r\n\r\n\r\n";
    WriteAll(LogFileName, log);
    QCOMPARE(CheckLog(LogFileName, 7, FNow), 0);
    QCOMPARE(ReadAll(LogFileName), log);

    const QString missing = FTemp->filePath(QStringLiteral("Outro.log"));
    QCOMPARE(CheckLog(missing, 7, FNow), 0);
    QVERIFY(!QFile::exists(missing));
}

QTEST_GUILESS_MAIN(TestExceptionHandler)
#include "TestExceptionHandler.moc"
