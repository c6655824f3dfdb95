// The version table: the program's own items, the not-found case and the look-up.

#include "util/VersionInfo.h"

#include <QCoreApplication>
#include <QTest>

class TestVersionInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programFileHasTheVersionItems();
    void otherFileHasNoVersion_data();
    void otherFileHasNoVersion();
    void lookUpIgnoresAsciiCase_data();
    void lookUpIgnoresAsciiCase();
};

void TestVersionInfo::programFileHasTheVersionItems()
{
    TVersionInfo info;
    info.fill(QStringLiteral("old"));
    ReadVersionInfo(QCoreApplication::applicationFilePath(), info);

    QCOMPARE(info[0], QStringLiteral("VersionInfoSize = "));
    bool ok = false;
    QVERIFY(info[20].toInt(&ok) > 0 && ok);
    // Cell 1 + k holds the k-th looked-up name, cell 21 + k its value; missing names stay empty.
    const QStringList names = {
        "CompanyName = ",    "", "FileVersion = ", "InternalName = ", "", "", "", "ProductName = ",
        "ProductVersion = ", ""};
    const QStringList values = {"Obrix System BR", "", "1.0.0.4", "Norvadel", "", "", "", "Norvadel", "1.0.0.0", ""};
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(info[1 + k], names[k]);
        QCOMPARE(info[21 + k], values[k]);
    }
    for (int i = 11; i < 20; ++i) {
        QVERIFY(info[i].isEmpty());
        QVERIFY(info[20 + i].isEmpty());
    }
    // The resource spells it "Comments", the looked-up list "Coments": neither is found.
    QCOMPARE(GetVersionValue(QStringLiteral("Comments"), info), QStringLiteral("None"));
    QCOMPARE(GetVersionValue(QStringLiteral("Coments"), info), QStringLiteral("None"));
    QCOMPARE(GetVersionValue(QStringLiteral("VersionInfoSize"), info), info[20]);
}

void TestVersionInfo::otherFileHasNoVersion_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("empty name") << QString();
    QTest::newRow("missing file") << QStringLiteral("/nao/existe/Norvadel");
    QTest::newRow("another program") << QStringLiteral("/bin/sh");
}

void TestVersionInfo::otherFileHasNoVersion()
{
    QFETCH(QString, fileName);
    TVersionInfo info;
    ReadVersionInfo(QCoreApplication::applicationFilePath(), info);
    ReadVersionInfo(fileName, info);
    QCOMPARE(info[0], QStringLiteral("Versão não encontrada"));
    for (int i = 1; i < 40; ++i)
        QVERIFY2(info[i].isEmpty(), qPrintable(QString::number(i)));
    QCOMPARE(GetVersionValue(QStringLiteral("FileVersion"), info), QStringLiteral("None"));

    TVersionInfo fromNoItems;
    ReadVersionInfo(std::span<const TVersionItem>(), fromNoItems);
    QCOMPARE(fromNoItems, info);
}

void TestVersionInfo::lookUpIgnoresAsciiCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("as written") << "FileVersion"
                                << "1.0.0.4";
    QTest::newRow("lower case") << "fileversion"
                                << "1.0.0.4";
    QTest::newRow("upper case") << "PRODUCTVERSION"
                                << "1.0.0.0";
    QTest::newRow("blank after the name") << "FileVersion "
                                          << "None";
    QTest::newRow("empty name") << ""
                                << "None";
    QTest::newRow("name with its separator") << "FileVersion = "
                                             << "None";
}

void TestVersionInfo::lookUpIgnoresAsciiCase()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    const TVersionItem items[] = {{"FileVersion", "1.0.0.4"}, {"ProductVersion", "1.0.0.0"}};
    TVersionInfo info;
    ReadVersionInfo(items, info);
    QCOMPARE(GetVersionValue(name, info), value);
}

QTEST_GUILESS_MAIN(TestVersionInfo)
#include "TestVersionInfo.moc"
