// Tokens, number lists, zero-filled numbers and path helpers.

#include "util/TextUtils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

class TestTextUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void countTokens_data();
    void countTokens();
    void getToken_data();
    void getToken();
    void tryStrToInt_data();
    void tryStrToInt();
    void validNumberList_data();
    void validNumberList();
    void sortTokenList_data();
    void sortTokenList();
    void digitCount_data();
    void digitCount();
    void padNumber_data();
    void padNumber();
    void trailingChar_data();
    void trailingChar();
    void firstWord_data();
    void firstWord();
    void forceDirsCreatesEveryLevel();
    void forceDirsStopsAtALevelThatCannotBeCreated();
};

void TestTextUtils::countTokens_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("delim");
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << "" << QChar(u';') << 0;
    QTest::newRow("three") << "1;2;3" << QChar(u';') << 3;
    QTest::newRow("trailing delimiter") << "1;2;" << QChar(u';') << 3;
    QTest::newRow("lone delimiter") << ";" << QChar(u';') << 2;
    QTest::newRow("no delimiter") << "abc" << QChar(u';') << 1;
    QTest::newRow("other delimiter ignored") << "a;b=c" << QChar(u'=') << 2;
}

void TestTextUtils::countTokens()
{
    QFETCH(QString, text);
    QFETCH(QChar, delim);
    QFETCH(int, count);
    QCOMPARE(CountTokens(text, delim), count);
}

void TestTextUtils::getToken_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<QChar>("delim");
    QTest::addColumn<QString>("token");
    QTest::newRow("middle") << "a=b=c" << 2 << QChar(u'=') << "b";
    QTest::newRow("first") << "a=b=c" << 1 << QChar(u'=') << "a";
    QTest::newRow("last") << "a=b=c" << 3 << QChar(u'=') << "c";
    QTest::newRow("empty inner token") << "a==c" << 2 << QChar(u'=') << "None";
    QTest::newRow("empty last token") << "a=" << 2 << QChar(u'=') << "";
    QTest::newRow("empty first token") << ";x" << 1 << QChar(u';') << "None";
    QTest::newRow("past the end") << "a;b" << 5 << QChar(u';') << "None";
    QTest::newRow("no delimiter, index 1") << "abc" << 1 << QChar(u';') << "abc";
    QTest::newRow("no delimiter, index 3") << "abc" << 3 << QChar(u';') << "abc";
    QTest::newRow("no delimiter, index 7") << "abc" << 7 << QChar(u';') << "abc";
    QTest::newRow("empty text") << "" << 1 << QChar(u';') << "";
    QTest::newRow("bet number") << "01;05;17;33;45;60" << 6 << QChar(u';') << "60";
}

void TestTextUtils::getToken()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(QChar, delim);
    QFETCH(QString, token);
    QCOMPARE(GetToken(text, index, delim), token);
}

void TestTextUtils::tryStrToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << "42" << true << 42;
    QTest::newRow("leading zero") << "07" << true << 7;
    QTest::newRow("negative") << "-5" << true << -5;
    QTest::newRow("plus sign") << "+8" << true << 8;
    QTest::newRow("hex") << "$3C" << true << 60;
    QTest::newRow("hex lower case") << "$ff" << true << 255;
    QTest::newRow("hex all ones is -1") << "$FFFFFFFF" << true << -1;
    QTest::newRow("negative hex") << "-$10" << true << -16;
    QTest::newRow("max") << "2147483647" << true << std::numeric_limits<int>::max();
    QTest::newRow("min") << "-2147483648" << true << std::numeric_limits<int>::min();
    QTest::newRow("above max") << "2147483648" << false << 0;
    QTest::newRow("hex above 32 bits") << "$100000000" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("None") << "None" << false << 0;
    QTest::newRow("lone sign") << "-" << false << 0;
    QTest::newRow("lone dollar") << "$" << false << 0;
    QTest::newRow("blank before") << " 1" << false << 0;
    QTest::newRow("letter after") << "1a" << false << 0;
    QTest::newRow("hex digit without dollar") << "3C" << false << 0;
}

void TestTextUtils::tryStrToInt()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    int result = 12345;
    QCOMPARE(TryStrToInt(text, result), ok);
    if (ok)
        QCOMPARE(result, value);
}

void TestTextUtils::validNumberList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("bet") << "01;05;60" << true;
    QTest::newRow("above the range") << "01;05;61" << false;
    QTest::newRow("below the range") << "00;05;60" << false;
    QTest::newRow("empty inner token") << "01;;05" << false;
    QTest::newRow("trailing delimiter") << "01;05;" << false;
    QTest::newRow("repeated token") << "05;01;05" << false;
    QTest::newRow("empty text") << "" << true;
    QTest::newRow("one number") << "60" << true;
    QTest::newRow("not a number") << "01;x5;60" << false;
    QTest::newRow("hex in range") << "$3C;01" << true;
    // Only token texts are compared: 01 and 1 are different tokens with the same value.
    QTest::newRow("same value, other text") << "01;1" << true;
    QTest::newRow("blank inside") << "01; 05" << false;
}

void TestTextUtils::validNumberList()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(ValidNumberList(text, u';', 1, 60), valid);
}

void TestTextUtils::sortTokenList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("delim");
    QTest::addColumn<QString>("sorted");
    QTest::newRow("padded numbers") << "33;05;17" << QChar(u';') << "05;17;33";
    QTest::newRow("text order, not numeric") << "2;10;1" << QChar(u';') << "1;10;2";
    QTest::newRow("repeats dropped") << "05;05;17" << QChar(u';') << "05;17";
    QTest::newRow("other delimiter joins with ;") << "c,a,b" << QChar(u',') << "a;b;c";
    QTest::newRow("case ignored in order") << "b;A;c" << QChar(u';') << "A;b;c";
    QTest::newRow("one token") << "07" << QChar(u';') << "07";
    QTest::newRow("empty") << "" << QChar(u';') << "";
}

void TestTextUtils::sortTokenList()
{
    QFETCH(QString, text);
    QFETCH(QChar, delim);
    QFETCH(QString, sorted);
    QString result;
    SortTokenList(text, delim, result);
    QCOMPARE(result, sorted);

    QString appended = QStringLiteral("X:");
    SortTokenList(text, delim, appended);
    QCOMPARE(appended, QStringLiteral("X:") + sorted);
}

void TestTextUtils::digitCount_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("digits");
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("negative") << -5 << 1;
    QTest::newRow("large negative") << -1000 << 1;
    QTest::newRow("min") << std::numeric_limits<int>::min() << 1;
    QTest::newRow("9") << 9 << 1;
    QTest::newRow("10") << 10 << 2;
    QTest::newRow("60") << 60 << 2;
    QTest::newRow("99") << 99 << 2;
    QTest::newRow("100") << 100 << 3;
    QTest::newRow("99999") << 99999 << 5;
    QTest::newRow("999999999") << 999999999 << 9;
    QTest::newRow("1000000000") << 1000000000 << 10;
    QTest::newRow("max") << std::numeric_limits<int>::max() << 10;
}

void TestTextUtils::digitCount()
{
    QFETCH(int, value);
    QFETCH(int, digits);
    QCOMPARE(DigitCount(value), digits);
}

void TestTextUtils::padNumber_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("reference");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("padNumber");
    QTest::addColumn<QString>("padLike");
    // padNumber is PadNumber(value, digits); padLike is PadLike(value, reference).
    QTest::newRow("drawn number") << 7 << 60 << 2 << "07"
                                  << "07";
    QTest::newRow("contest number") << 123 << 99999 << 5 << "00123"
                                    << "00123";
    QTest::newRow("longer than the reference") << 123 << 5 << 1 << "123"
                                               << "123";
    QTest::newRow("zero") << 0 << 60 << 2 << "00"
                          << "00";
    QTest::newRow("negative keeps its sign in front") << -7 << 60 << 3 << "-007"
                                                      << "-07";
    QTest::newRow("negative reference") << 7 << -60 << 0 << "7"
                                        << "7";
    QTest::newRow("min") << std::numeric_limits<int>::min() << 0 << 12 << "-002147483648"
                         << "-2147483648";
}

void TestTextUtils::padNumber()
{
    QFETCH(int, value);
    QFETCH(int, reference);
    QFETCH(int, digits);
    QFETCH(QString, padNumber);
    QFETCH(QString, padLike);
    QCOMPARE(PadNumber(value, digits), padNumber);
    QCOMPARE(PadLike(value, reference), padLike);
}

void TestTextUtils::trailingChar_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("add");
    QTest::addColumn<QString>("result");
    QTest::newRow("add once") << "/home/dados" << true << "/home/dados/";
    QTest::newRow("add when present") << "/home/dados/" << true << "/home/dados/";
    QTest::newRow("remove") << "/home/dados/" << false << "/home/dados";
    QTest::newRow("remove only one") << "/home/dados//" << false << "/home/dados/";
    QTest::newRow("remove when absent") << "/home/dados" << false << "/home/dados";
    QTest::newRow("empty stays empty, add") << "" << true << "";
    QTest::newRow("empty stays empty, remove") << "" << false << "";
    QTest::newRow("root removed") << "/" << false << "";
}

void TestTextUtils::trailingChar()
{
    QFETCH(QString, text);
    QFETCH(bool, add);
    QFETCH(QString, result);
    QCOMPARE(TrailingChar(text, u'/', add), result);
}

void TestTextUtils::firstWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::newRow("two words keep the blank") << "João Teste"
                                              << "João ";
    QTest::newRow("one word") << "João"
                              << "João";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("leading blank") << " João"
                                   << " ";
    QTest::newRow("three words") << "Ana Maria Silva"
                                 << "Ana ";
}

void TestTextUtils::firstWord()
{
    QFETCH(QString, text);
    QFETCH(QString, word);
    QCOMPARE(FirstWord(text), word);
}

void TestTextUtils::forceDirsCreatesEveryLevel()
{
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString path = temp.path() + QStringLiteral("/Obrix/Norvadel/joão");
    QVERIFY(ForceDirs(path, u'/'));
    QVERIFY(QFileInfo(path).isDir());
    // Existing levels, and a trailing separator, are fine.
    QVERIFY(ForceDirs(path + u'/', u'/'));
}

void TestTextUtils::forceDirsStopsAtALevelThatCannotBeCreated()
{
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    QFile blocker(temp.filePath(QStringLiteral("arquivo")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // A plain file stands where a folder should be, so neither it nor anything below can be made.
    QVERIFY(!ForceDirs(temp.path() + QStringLiteral("/arquivo/abaixo/mais"), u'/'));
    QVERIFY(!QFileInfo::exists(temp.path() + QStringLiteral("/arquivo/abaixo")));
}

QTEST_GUILESS_MAIN(TestTextUtils)
#include "TestTextUtils.moc"
