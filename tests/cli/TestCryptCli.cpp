// norvadel-cli crypt, run as a process: what it enciphers deciphers back with the same key part,
// and bad input ends with one line on stderr and exit status 2.

#include "util/Crypt.h"
#include "tests/TestFiles.h"

#include <QTest>

class TestCryptCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundTrip();
    void errors_data();
    void errors();
};

void TestCryptCli::roundTrip()
{
    const QString text = QStringLiteral("Tubarão;05;60");
    const TCliRun enciphered = RunCli({QStringLiteral("crypt"), QStringLiteral("c"), QStringLiteral("João "), text});
    QCOMPARE(enciphered.Exit, 0);
    const QString cipher = enciphered.Out.trimmed();
    QCOMPARE(cipher.size(), 2 * (text.size() + 1));
    // The tool's cipher text is the program's: the library reads it back.
    QCOMPARE(Crypt(QStringLiteral("D"), cipher, QStringLiteral("João ")), text);
    const TCliRun deciphered = RunCli({QStringLiteral("crypt"), QStringLiteral("D"), QStringLiteral("João "), cipher});
    QCOMPARE(deciphered.Exit, 0);
    QCOMPARE(deciphered.Out, text + u'\n');
}

void TestCryptCli::errors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("not hexadecimal") << QStringList{"crypt", "d", "", "ZZ12"};
    QTest::newRow("only a start value") << QStringList{"crypt", "d", "", "A0"};
    QTest::newRow("unknown action") << QStringList{"crypt", "x", "", "texto"};
    QTest::newRow("missing text") << QStringList{"crypt", "c", "chave"};
}

void TestCryptCli::errors()
{
    QFETCH(QStringList, args);
    const TCliRun run = RunCli(args);
    QCOMPARE(run.Exit, 2);
    QVERIFY(run.Out.isEmpty());
    QCOMPARE(run.Err.count(u'\n'), 1);
    QVERIFY(run.Err.startsWith(QStringLiteral("norvadel-cli: ")));
}

QTEST_GUILESS_MAIN(TestCryptCli)
#include "TestCryptCli.moc"
