// The text cipher: known cipher texts with a fixed start value, round trips and malformed input.

#include "util/Crypt.h"
#include "util/Exceptions.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

class TestCrypt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SetCryptStartSource({}); }
    void knownCipherTexts_data();
    void knownCipherTexts();
    void roundTripOfEveryCodeFrom1To254();
    void emptyTextGivesEmptyText();
    void eachEncipheringDiffers();
    void wrongUserKeyGivesAnotherText();
    void actions();
    void malformedCipherText_data();
    void malformedCipherText();
};

void TestCrypt::knownCipherTexts_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("userKey");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("cipher");
    // Worked out by hand from the cipher's steps (v = (code + prev) mod 255, xor the key
    // character, start value first), outside this program.
    QTest::newRow("no user key") << "abc"
                                 << "" << 0x2A << "2ADB5BDA";
    QTest::newRow("user key, start 0") << "Senha123"
                                       << "Maria " << 0 << "00030D1FF5362B3414";
    // 17 characters: the key "PedraLisaDoVento" + "João " is 21 long, so ã (227) is used.
    QTest::newRow("bet, start 255") << "01;05;17;33;45;60"
                                    << "João " << 255 << "FF60F454F64DC49CA0BAA9B3B889D078C1BB";
    QTest::newRow("accents") << "Ação"
                             << "" << 0x80 << "80911C64A1";
}

void TestCrypt::knownCipherTexts()
{
    QFETCH(QString, plain);
    QFETCH(QString, userKey);
    QFETCH(int, start);
    QFETCH(QString, cipher);
    SetCryptStartSource([start] { return start; });
    QCOMPARE(Crypt(QStringLiteral("C"), plain, userKey), cipher);
    QCOMPARE(Crypt(QStringLiteral("D"), cipher, userKey), plain);
}

void TestCrypt::roundTripOfEveryCodeFrom1To254()
{
    // Codes 0 and 255 are not guaranteed to come back (a 0 normally returns as 255), so they
    // are left out; the program's texts never hold them.
    QString plain;
    for (char16_t code = 1; code <= 254; ++code)
        plain += QChar(code);
    const QRegularExpression upperHex(QStringLiteral("^[0-9A-F]+$"));
    for (const QString& userKey : {QString(), QStringLiteral("João "), QStringLiteral("Ana ")}) {
        for (int start : {0, 1, 127, 254, 255}) {
            SetCryptStartSource([start] { return start; });
            const QString cipher = Crypt(QStringLiteral("C"), plain, userKey);
            QCOMPARE(cipher.size(), 2 * plain.size() + 2);
            QVERIFY(upperHex.match(cipher).hasMatch());
            QCOMPARE(Crypt(QStringLiteral("D"), cipher, userKey), plain);
        }
    }
}

void TestCrypt::emptyTextGivesEmptyText()
{
    QCOMPARE(Crypt(QStringLiteral("C"), QString(), QStringLiteral("João ")), QString());
    QCOMPARE(Crypt(QStringLiteral("D"), QString(), QStringLiteral("João ")), QString());
}

void TestCrypt::eachEncipheringDiffers()
{
    // The real random source: eight encipherings of one text all alike would mean a fixed start
    // value (chance 256^-7 otherwise). Every one deciphers to the text.
    const QString plain = QStringLiteral("segredo");
    QSet<QString> ciphers;
    for (int i = 0; i < 8; ++i) {
        const QString cipher = Crypt(QStringLiteral("C"), plain, QStringLiteral("João "));
        QCOMPARE(Crypt(QStringLiteral("D"), cipher, QStringLiteral("João ")), plain);
        ciphers.insert(cipher);
    }
    QVERIFY(ciphers.size() > 1);
}

void TestCrypt::wrongUserKeyGivesAnotherText()
{
    SetCryptStartSource([] { return 0x41; });
    const QString cipher =
        Crypt(QStringLiteral("C"), QStringLiteral("senha secreta do usuário"), QStringLiteral("João "));
    // The first 16 characters use the fixed key only; the user part changes what follows.
    const QString other = Crypt(QStringLiteral("D"), cipher, QStringLiteral("Maria "));
    QCOMPARE(other.size(), 24);
    QVERIFY(other != QStringLiteral("senha secreta do usuário"));
    QCOMPARE(other.left(16), QStringLiteral("senha secreta do"));
}

void TestCrypt::actions()
{
    SetCryptStartSource([] { return 0x2A; });
    QCOMPARE(Crypt(QStringLiteral("c"), QStringLiteral("abc"), QString()), QStringLiteral("2ADB5BDA"));
    QCOMPARE(Crypt(QStringLiteral("d"), QStringLiteral("2ADB5BDA"), QString()), QStringLiteral("abc"));
    QCOMPARE(Crypt(QStringLiteral("D"), QStringLiteral("2adb5bda"), QString()), QStringLiteral("abc"));
    QCOMPARE(Crypt(QStringLiteral("X"), QStringLiteral("abc"), QString()), QString());
    QCOMPARE(Crypt(QString(), QStringLiteral("abc"), QString()), QString());
    QCOMPARE(Crypt(QStringLiteral("CD"), QStringLiteral("abc"), QString()), QString());
}

void TestCrypt::malformedCipherText_data()
{
    QTest::addColumn<QString>("cipher");
    QTest::newRow("non-hex group") << "2ADBZZDA";
    QTest::newRow("non-hex start value") << "G1DB5BDA";
    QTest::newRow("blank in a group") << "2AD 5BDA";
    QTest::newRow("only a start value") << "2A";
    QTest::newRow("only one digit") << "2";
}

void TestCrypt::malformedCipherText()
{
    QFETCH(QString, cipher);
    QVERIFY_THROWS_EXCEPTION(EConvertError, Crypt(QStringLiteral("D"), cipher, QString()));
}

QTEST_GUILESS_MAIN(TestCrypt)
#include "TestCrypt.moc"
