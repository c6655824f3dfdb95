// Text encodings, line splitting and the atomic file writer.

#include "util/SafeFile.h"
#include "util/TextCodec.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

class TestTextFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void win1252RoundTripOfEveryByte();
    void win1252HighRange_data();
    void win1252HighRange();
    void win1252UnrepresentableBecomesQuestionMark();
    void decodeText_data();
    void decodeText();
    void splitLines_data();
    void splitLines();
    void writeFileAtomicReplacesTheFile();
    void writeFileAtomicFailsWithoutAFolder();
    void writeFileAtomicIntoReadOnlyFolderKeepsTheOldFile();
    void interruptedWriteKeepsTheOldFile();
    void writeFileAtomicModes_data();
    void writeFileAtomicModes();
    void ownerOnlyFolder();
};

void TestTextFiles::win1252RoundTripOfEveryByte()
{
    QByteArray bytes;
    for (int code = 0; code < 256; ++code)
        bytes.append(static_cast<char>(code));
    const QString text = DecodeWin1252(bytes);
    QCOMPARE(text.size(), 256);
    QCOMPARE(EncodeWin1252(text), bytes);
}

void TestTextFiles::win1252HighRange_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("undefined 0x81 maps to itself") << 0x81 << 0x81;
    QTest::newRow("low quote") << 0x82 << 0x201A;
    QTest::newRow("ellipsis") << 0x85 << 0x2026;
    QTest::newRow("S caron") << 0x8A << 0x0160;
    QTest::newRow("undefined 0x8D") << 0x8D << 0x8D;
    QTest::newRow("Z caron") << 0x8E << 0x017D;
    QTest::newRow("undefined 0x8F") << 0x8F << 0x8F;
    QTest::newRow("undefined 0x90") << 0x90 << 0x90;
    QTest::newRow("left single quote") << 0x91 << 0x2018;
    QTest::newRow("en dash") << 0x96 << 0x2013;
    QTest::newRow("trade mark") << 0x99 << 0x2122;
    QTest::newRow("undefined 0x9D") << 0x9D << 0x9D;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("no-break space") << 0xA0 << 0xA0;
    QTest::newRow("a tilde") << 0xE3 << 0xE3;
}

void TestTextFiles::win1252HighRange()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    const QByteArray bytes(1, static_cast<char>(byte));
    QCOMPARE(DecodeWin1252(bytes), QString(QChar(static_cast<char16_t>(unicode))));
    QCOMPARE(EncodeWin1252(QString(QChar(static_cast<char16_t>(unicode)))), bytes);
}

void TestTextFiles::win1252UnrepresentableBecomesQuestionMark()
{
    QCOMPARE(EncodeWin1252(u"Ação ✓ €ž Ω"), QByteArray("A\xE7\xE3o ? \x80\x9E ?"));
    // A character outside the basic plane is one character, so one "?".
    QCOMPARE(EncodeWin1252(u"a\U0001F600b"), QByteArray("a?b"));
}

void TestTextFiles::decodeText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8") << QByteArray("Implementa\xC3\xA7\xC3\xA3o") << "Implementação";
    QTest::newRow("Windows-1252") << QByteArray("Implementa\xE7\xE3o") << "Implementação";
    QTest::newRow("Windows-1252 quotes") << QByteArray("\x93sim\x94") << "“sim”";
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF\xC3\xA7") << "ç";
    QTest::newRow("UTF-16LE with BOM") << QByteArray("\xFF\xFE\xE7\x00\x41\x00", 6) << "çA";
    QTest::newRow("UTF-16BE with BOM") << QByteArray("\xFE\xFF\x00\xE7\xD8\x3D\xDE\x00", 8) << "ç\U0001F600";
    QTest::newRow("UTF-16 unpaired surrogates") << QByteArray("\xFF\xFE\x00\xD8\x41\x00\x00\xDC", 8) << "\uFFFDA\uFFFD";
    QTest::newRow("UTF-16 odd last byte") << QByteArray("\xFF\xFE\x41\x00\x42", 5) << "A\uFFFD";
    QTest::newRow("UTF-8 cut in a character") << QByteArray("abc\xC3") << "abcÃ";
    QTest::newRow("ASCII") << QByteArray("abc\r\n") << "abc\r\n";
    QTest::newRow("empty") << QByteArray() << "";
}

void TestTextFiles::decodeText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeText(bytes), text);
}

void TestTextFiles::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("final break adds no line") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("lone LF and CR") << "a\nb\rc" << QStringList{"a", "b", "c"};
    QTest::newRow("empty line kept") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("empty last line") << "a\r\n\r\n" << QStringList{"a", ""};
    QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("only a break") << "\r\n" << QStringList{""};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("no break") << "abc" << QStringList{"abc"};
}

void TestTextFiles::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(SplitLines(text), lines);
}

void TestTextFiles::writeFileAtomicReplacesTheFile()
{
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString name = temp.filePath(QStringLiteral("Log.log"));
    QVERIFY(WriteFileAtomic(name, "primeiro\r\n"));
    QVERIFY(WriteFileAtomic(name, "segundo"));
    QCOMPARE(ReadAll(name), QByteArray("segundo"));
    QCOMPARE(QDir(temp.path()).entryList(QDir::Files), QStringList{"Log.log"});
}

void TestTextFiles::writeFileAtomicFailsWithoutAFolder()
{
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    QString error;
    QVERIFY(!WriteFileAtomic(temp.filePath(QStringLiteral("falta/Log.log")), "x", &error));
    QVERIFY(!error.isEmpty());
}

void TestTextFiles::writeFileAtomicIntoReadOnlyFolderKeepsTheOldFile()
{
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString folder = temp.filePath(QStringLiteral("somente-leitura"));
    QVERIFY(QDir().mkdir(folder));
    const QString name = folder + QStringLiteral("/Crash.ini");
    QVERIFY(WriteFileAtomic(name, "antigo"));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const auto restore =
        qScopeGuard([&] { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    REQUIRE_FILE_MODES();

    QString error;
    QVERIFY(!WriteFileAtomic(name, "novo", &error));
    QCOMPARE(error, QStringLiteral("Permission denied"));
    QCOMPARE(ReadAll(name), QByteArray("antigo"));

    // A file the user made read-only is not replaced either, though its folder may be written.
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(SetMode(name, 0444));
    QVERIFY(!WriteFileAtomic(name, "novo", &error));
    QCOMPARE(error, QStringLiteral("Permission denied"));
    QCOMPARE(ReadAll(name), QByteArray("antigo"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"Crash.ini"});
}

void TestTextFiles::interruptedWriteKeepsTheOldFile()
{
#ifdef Q_OS_UNIX
    // A file-size limit makes the write fail half-way, for any user: the disk-full case.
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString name = temp.filePath(QStringLiteral("Concursos.inx"));
    QVERIFY(WriteFileAtomic(name, "antigo"));

    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit limited = saved;
    limited.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    QString error;
    const bool written = WriteFileAtomic(name, QByteArray(256 * 1024, 'x'), &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!written);
    QCOMPARE(error, QStringLiteral("File too large")); // the system's reason, not "Unknown error"
    QCOMPARE(ReadAll(name), QByteArray("antigo"));
    QCOMPARE(QDir(temp.path()).entryList(QDir::Files), QStringList{"Concursos.inx"});
#else
    QSKIP("Needs a POSIX file-size limit");
#endif
}

void TestTextFiles::writeFileAtomicModes_data()
{
    QTest::addColumn<int>("before"); // -1: no file yet
    QTest::addColumn<bool>("ownerOnly");
    QTest::addColumn<int>("after");
    QTest::newRow("new secret file") << -1 << true << 0600;
    QTest::newRow("replaced file keeps a narrow mode") << 0640 << false << 0640;
    QTest::newRow("replaced file keeps an odd mode") << 0604 << false << 0604;
    QTest::newRow("secret file left readable is closed") << 0644 << true << 0600;
    QTest::newRow("secret file stays closed") << 0600 << true << 0600;
}

void TestTextFiles::writeFileAtomicModes()
{
    QFETCH(int, before);
    QFETCH(bool, ownerOnly);
    QFETCH(int, after);
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString name = temp.filePath(QStringLiteral("Logins.inx"));
    if (before >= 0) {
        WriteAll(name, "antigo");
        QVERIFY(SetMode(name, before));
    }
    QString error;
    QVERIFY2(WriteFileAtomic(name, "novo", &error, ownerOnly ? TFileAccess::OwnerOnly : TFileAccess::Kept),
             qPrintable(error));
    QCOMPARE(ReadAll(name), QByteArray("novo"));
    QCOMPARE(ModeText(name), QString::number(after, 8));
}

void TestTextFiles::ownerOnlyFolder()
{
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    // Created with its parents: the last folder is the owner's alone.
    const QString data = temp.filePath(QStringLiteral("Documentos/Obrix/Norvadel"));
    bool tightened = true;
    QString error;
    QVERIFY2(OwnerOnlyFolder(data, &error, &tightened), qPrintable(error));
    QCOMPARE(ModeText(data), QStringLiteral("700"));
    QVERIFY(!tightened);

    // A folder others may enter is closed, and the caller is told so, once.
    QVERIFY(SetMode(data, 0755));
    QVERIFY(OwnerOnlyFolder(data, &error, &tightened));
    QCOMPARE(ModeText(data), QStringLiteral("700"));
    QVERIFY(tightened);
    QVERIFY(OwnerOnlyFolder(data, &error, &tightened));
    QVERIFY(!tightened);

    // A file where a folder should be.
    WriteAll(temp.filePath(QStringLiteral("arquivo")), "x");
    QVERIFY(!OwnerOnlyFolder(temp.filePath(QStringLiteral("arquivo/Norvadel")), &error));
    QVERIFY(error.contains(QStringLiteral("arquivo")));
}

QTEST_GUILESS_MAIN(TestTextFiles)
#include "TestTextFiles.moc"
