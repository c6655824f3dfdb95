// The INX store: reading malformed files, the exact bytes it writes, name rules, typed values,
// headers, mults and comments, status flags and progress reports.

#include "InxDescribe.h"

#include "store/InxDocument.h"
#include "store/TManager.h"
#include "util/Crypt.h"
#include "util/Exceptions.h"
#include "util/TextCodec.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {
const QStringList kNotice = {
    QStringLiteral("<Section=Obrix.Advertise>"),
    QStringLiteral("<Mult=PT-BR>"),
    QStringLiteral("   Não edite este arquivo diretamente, salvo se você seguir o padrão de"),
    QStringLiteral("armazenamento. Entenda, este arquivo armazena informações sobre objetos."),
    QStringLiteral("   É um script criado pela Obrix para utilização interna."),
    QStringLiteral("   A edição direta neste documento é de inteira responsabilidade do usuário."),
    QStringLiteral("   Não nos responsabilizamos por perda de informação decorrente desta ação."),
    QStringLiteral("."),
    QStringLiteral("."),
    QStringLiteral("Obrigado!"),
    QStringLiteral("</Mult>"),
    QStringLiteral("</Section>"),
};

// Lines as the store writes them: Windows-1252, CR LF after every line.
QByteArray FileBytes(const QStringList& aLines)
{
    QByteArray bytes;
    for (const QString& line : aLines)
        bytes += EncodeWin1252(line) + "\r\n";
    return bytes;
}

QByteArray ReadBytes(const QString& aFileName)
{
    QFile file(aFileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void WriteBytes(const QString& aFileName, const QByteArray& aBytes)
{
    QFile file(aFileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(aBytes), aBytes.size());
}

QString Fixture(const QString& aName)
{
    return QStringLiteral(NORVADEL_TEST_DATA "/store/") + aName;
}

// The example file of the format's documentation, without its banner line.
QStringList ExampleLines()
{
    return kNotice + QStringList{
                         QStringLiteral("<Section=Exemplo>"),
                         QStringLiteral("<Comment=Nota>"),
                         QStringLiteral("uma linha de comentário"),
                         QStringLiteral("</Comment>"),
                         QStringLiteral("<Key=Nome>"),
                         QStringLiteral("S|Maria"),
                         QStringLiteral("</Key>"),
                         QStringLiteral("<Key=Ativo>"),
                         QStringLiteral("B|1"),
                         QStringLiteral("</Key>"),
                         QStringLiteral("<Key=Total>"),
                         QStringLiteral("I|42"),
                         QStringLiteral("</Key>"),
                         QStringLiteral("<Key=Valor>"),
                         QStringLiteral("R|1234,5"),
                         QStringLiteral("</Key>"),
                         QStringLiteral("<Mult=Lista>"),
                         QStringLiteral("primeira linha"),
                         QString(),
                         QStringLiteral("terceira linha"),
                         QStringLiteral("</Mult>"),
                         QStringLiteral("<Header=maria>"),
                         QStringLiteral("<Key=Email>"),
                         QStringLiteral("S|maria.exemplo"),
                         QStringLiteral("</Key>"),
                         QStringLiteral("<Mult=Numeros>"),
                         QStringLiteral("01;05;17;33;42;60"),
                         QStringLiteral("</Mult>"),
                         QStringLiteral("</Header>"),
                         QStringLiteral("</Section>"),
                     };
}

struct TProgressLog
{
    QStringList Texts;
    TProgressEvent Callback()
    {
        return [this](int aProgress, int aMax, const QString& aID) {
            Texts.append(QStringLiteral("%1/%2 %3").arg(aProgress).arg(aMax).arg(aID));
        };
    }
};
} // namespace

class TestStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void malformedInput_data();
    void malformedInput();
    void encodings_data();
    void encodings();

    void newFileIsByteExact();
    void exampleFileResavesIdentically();
    void notOnlyFileLoadsNoticeSection();

    void namesFoldAsciiOnly();
    void headersListedCaseSensitive();
    void readsCreateWhatTheyAddress();
    void keyValueLines_data();
    void keyValueLines();
    void existingKeysKeepTheirType();
    void readConversionErrors();
    void equalsAndBarsInValues();

    void removedHeaders();
    void removedSections();
    void multsAppendAndCreate();
    void encipheredMultRoundTrip();
    void commentsAtMostOne();
    void addInMult();

    void statusContradictions_data();
    void statusContradictions();
    void storeWithoutDocument();
    void statusAfterLoadAndSave();
    void failedSaveKeepsOldFile();
    void saveIntoReadOnlyFolderKeepsOldFile();
    void secretStoreIsSavedOwnerOnly();
    void unreadableFileIsNeverOverwritten();
    void freeingSavesUnlessTold();
    void loadingAnotherFileSavesFirst();
    void progressReports();

private:
    std::unique_ptr<QTemporaryDir> FDir;
    QString Path(const QString& aName) const { return FDir->filePath(aName); }
};

void TestStore::init()
{
    FDir = std::make_unique<QTemporaryDir>();
    QVERIFY(FDir->isValid());
    SetCryptStartSource({});
}

void TestStore::cleanup()
{
    SetCryptStartSource({});
    FDir.reset();
}

void TestStore::malformedInput_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("expected");

    QTest::newRow("unclosed mult drops the mult, keeps what came before") << "unclosed-mult.inx"
                                                                          << "[Dados] Antes=S|1";
    QTest::newRow("key start on the last line is left out") << "key-last-line.inx"
                                                            << "[Dados] Primeira=S|1";
    QTest::newRow("bad integers between good keys") << "bad-integer.inx"
                                                    << "[Dados] A=I|1 C=I|31";
    QTest::newRow("type letter in any case; unknown or missing type has no value")
        << "lower-case-type.inx"
        << "[Dados] Sim=B|1 Nao=B|0 Nome=S|Maria Total=I|7 Valor=R|2,5 Errada= Vazia=";
    QTest::newRow("leading blanks; trailing blank after >") << "key-blanks.inx"
                                                            << "[Dados] Nome=S|Maria Extra>=S|x";
    QTest::newRow("</Mult mid-line ends the mult") << "mult-end-midline.inx"
                                                   << "[Dados] Depois=S|ok Lista{um}";
    QTest::newRow("<Section and <Key on one line is a key") << "section-and-key.inx"
                                                            << "[Dados] Outra><Ke=S|v";
    QTest::newRow("sections and headers differing in case merge") << "case-merge.inx"
                                                                  << "[Dados] A=S|2 B=S|3 <Maria> X=S|1 Y=S|2";
    QTest::newRow("key after </Section> goes to that section") << "key-after-section-end.inx"
                                                               << "[Um] Solta=S|2 <H> Dentro=S|1 [Dois]";
    QTest::newRow("first comment wins") << "two-comments.inx"
                                        << "[Dados] #Nota{primeira} <H> #C{}";
    QTest::newRow("elements before the first section are skipped line by line") << "before-section.inx"
                                                                                << "[Dados] B=S|2";
    QTest::newRow("marker tags skip two lines") << "points.inx"
                                                << "[Dados] A=S|1";
    QTest::newRow("lone CR, lone LF and CR LF all end lines") << "mixed-line-ends.inx"
                                                              << "[Dados] Cr=S|1 Lf=S|2";
}

void TestStore::malformedInput()
{
    QFETCH(QString, fixture);
    QFETCH(QString, expected);
    TManager store(Fixture(fixture), true);
    store.setiSaveOnFree(false);
    QVERIFY(store.Status().HasStatus(stFileLoaded));
    QCOMPARE(DescribeInx(store), expected);

    // Whatever was read survives a save and a reload unchanged.
    const QString copy = Path(QStringLiteral("copia.inx"));
    store.setFileName(copy);
    store.Save(copy);
    TManager reloaded(copy, true);
    reloaded.setiSaveOnFree(false);
    QCOMPARE(reloaded.GetSections().first(), QStringLiteral("Obrix.Advertise"));
    QCOMPARE(DescribeInx(reloaded, true), expected);
}

void TestStore::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString text = QStringLiteral("<Section=Dados>\r\n<Key=Nome>\r\nS|João Ã€\r\n</Key>\r\n</Section>\r\n");
    QTest::newRow("Windows-1252") << EncodeWin1252(text);
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    auto utf16 = [&](QStringConverter::Encoding aEncoding) {
        QStringEncoder encoder(aEncoding, QStringConverter::Flag::WriteBom);
        return QByteArray(encoder(text));
    };
    QTest::newRow("UTF-16 LE with BOM") << utf16(QStringConverter::Utf16LE);
    QTest::newRow("UTF-16 BE with BOM") << utf16(QStringConverter::Utf16BE);
}

void TestStore::encodings()
{
    QFETCH(QByteArray, bytes);
    const QString file = Path(QStringLiteral("cod.inx"));
    WriteBytes(file, bytes);
    {
        TManager store(file, true);
        QCOMPARE(store.ReadStr(QStringLiteral("Dados"), QStringLiteral("Nome"), QString()), QStringLiteral("João Ã€"));
    }
    // Saved back as Windows-1252 without a byte-order mark.
    const QByteArray saved = ReadBytes(file);
    QVERIFY(saved.startsWith("<Section=Obrix.Advertise>\r\n"));
    QVERIFY(saved.contains("S|Jo\xE3o \xC3\x80\r\n"));
}

void TestStore::newFileIsByteExact()
{
    const QString file = Path(QStringLiteral("novo.inx"));
    {
        TManager store(file, true);
        QVERIFY(store.WriteStr(QStringLiteral("Dados"), QStringLiteral("Nome"), QStringLiteral("Maria")));
    }
    const QString banner = InxBannerLine();
    QVERIFY(!banner.isEmpty());
    QVERIFY(!banner.contains(u'<'));
    const QStringList lines = kNotice + QStringList{QStringLiteral("<Section=Dados>"), QStringLiteral("<Key=Nome>"),
                                                    QStringLiteral("S|Maria"),         QStringLiteral("</Key>"),
                                                    QStringLiteral("</Section>"),      banner};
    QCOMPARE(lines.size(), 18);
    const QByteArray expected = FileBytes(lines);
    QCOMPARE(ReadBytes(file), expected);

    { // loading and saving again gives the same bytes
        TManager store(file, true);
        store.Save(store.FileName());
        QVERIFY(store.Status().HasStatus(stFileSaved));
    }
    QCOMPARE(ReadBytes(file), expected);
}

void TestStore::exampleFileResavesIdentically()
{
    const QStringList lines = ExampleLines();
    QCOMPARE(lines.size(), 42); // 43 with the banner line
    const QString file = Path(QStringLiteral("exemplo.inx"));
    WriteBytes(file, FileBytes(lines + QStringList{QStringLiteral("Some other banner")}));
    {
        TManager store(file, true);
        QCOMPARE(store.ReadStr(QStringLiteral("Exemplo"), QStringLiteral("Email"), QString(), QStringLiteral("maria")),
                 QStringLiteral("maria.exemplo"));
        QCOMPARE(store.ReadReal(QStringLiteral("Exemplo"), QStringLiteral("Valor"), 0), 1234.5);
        QCOMPARE(store.ReadInt(QStringLiteral("Exemplo"), QStringLiteral("Total"), 0), 42);
        QCOMPARE(store.ReadBool(QStringLiteral("Exemplo"), QStringLiteral("Ativo"), false), true);
    }
    QCOMPARE(ReadBytes(file), FileBytes(lines + QStringList{InxBannerLine()}));
}

void TestStore::notOnlyFileLoadsNoticeSection()
{
    TManager store(Fixture(QStringLiteral("notice-only.inx")), true);
    store.setiSaveOnFree(false);
    QCOMPARE(store.GetSections(), QStringList{QStringLiteral("Obrix.Advertise")});
    QStringList notice;
    QVERIFY(store.ReadMult(notice, QStringLiteral("PT-BR"), QStringLiteral("Obrix.Advertise")));
    QCOMPARE(notice, kNotice.mid(2, 8));

    // Saved back, the notice is not added a second time.
    const QString copy = Path(QStringLiteral("aviso.inx"));
    store.setFileName(copy);
    store.Save(copy);
    QCOMPARE(ReadBytes(copy), FileBytes(kNotice + QStringList{InxBannerLine()}));
}

void TestStore::namesFoldAsciiOnly()
{
    TManager store(Path(QStringLiteral("nomes.inx")), true);
    store.WriteStr(QStringLiteral("Dados"), QStringLiteral("Nome"), QStringLiteral("1"), ipEnd,
                   QStringLiteral("Maria"));
    QCOMPARE(store.ReadStr(QStringLiteral("DADOS"), QStringLiteral("nOME"), QString(), QStringLiteral("maria")),
             QStringLiteral("1"));
    store.WriteStr(QStringLiteral("Dados"), QStringLiteral("ação"), QStringLiteral("minúsculo"));
    store.WriteStr(QStringLiteral("Dados"), QStringLiteral("AÇÃO"), QStringLiteral("maiúsculo"));
    store.WriteStr(QStringLiteral("Dados"), QStringLiteral("AçãO"), QStringLiteral("misto"));
    QCOMPARE(store.ReadStr(QStringLiteral("dados"), QStringLiteral("aÇÃo"), QString()), QStringLiteral("maiúsculo"));
    QCOMPARE(DescribeInx(store), QStringLiteral("[Dados] ação=S|misto AÇÃO=S|maiúsculo <Maria> Nome=S|1"));
    QCOMPARE(store.GetSections(), QStringList{QStringLiteral("Dados")});
}

void TestStore::headersListedCaseSensitive()
{
    TManager store(Path(QStringLiteral("h.inx")), true);
    store.WriteStr(QStringLiteral("Grupos"), QStringLiteral("k"), QStringLiteral("1"), ipEnd, QStringLiteral("B"));
    store.WriteStr(QStringLiteral("Grupos"), QStringLiteral("k"), QStringLiteral("1"), ipBegin, QStringLiteral("A"));
    // Files and lists keep creation order, whatever the placement asked for.
    QCOMPARE(store.GetHeaders(QStringLiteral("Grupos")), (QStringList{QStringLiteral("B"), QStringLiteral("A")}));
    QCOMPARE(store.GetHeaders(QStringLiteral("grupos")), QStringList());
    QCOMPARE(store.ReadStr(QStringLiteral("grupos"), QStringLiteral("k"), QStringLiteral("x"), QStringLiteral("b")),
             QStringLiteral("1"));
    // "None" is the section itself; every other text, the empty one included, names a header.
    store.WriteStr(QStringLiteral("Grupos"), QStringLiteral("s"), QStringLiteral("2"), ipEnd, QStringLiteral("None"));
    store.WriteStr(QStringLiteral("Grupos"), QStringLiteral("e"), QStringLiteral("3"), ipEnd, QString());
    QCOMPARE(DescribeInx(store), QStringLiteral("[Grupos] s=S|2 <B> k=S|1 <A> k=S|1 <> e=S|3"));
}

void TestStore::readsCreateWhatTheyAddress()
{
    const QString file = Path(QStringLiteral("leitura.inx"));
    {
        TManager store(file, true);
        QCOMPARE(store.ReadStr(QStringLiteral("Dados"), QStringLiteral("Nome"), QStringLiteral("padrão")),
                 QStringLiteral("padrão"));
        QCOMPARE(store.ReadInt(QStringLiteral("Dados"), QStringLiteral("Total"), 7, QStringLiteral("H")), 7);
        QCOMPARE(store.ReadBool(QStringLiteral("Dados"), QStringLiteral("Ativo"), true), true);
        QCOMPARE(store.ReadReal(QStringLiteral("Dados"), QStringLiteral("Valor"), -0.25), -0.25);
        QStringList content{QStringLiteral("inicial")};
        QVERIFY(store.ReadMult(content, QStringLiteral("Lista"), QStringLiteral("Dados")));
        QCOMPARE(content, QStringList{QStringLiteral("inicial")});
    }
    TManager store(file, true);
    store.setiSaveOnFree(false);
    QCOMPARE(DescribeInx(store, true),
             QStringLiteral("[Dados] Nome=S|padrão Ativo=B|1 Valor=R|-0,25 Lista{inicial} <H> Total=I|7"));
    // An existing value wins over the default, and stays in the file.
    QCOMPARE(store.ReadStr(QStringLiteral("Dados"), QStringLiteral("Nome"), QStringLiteral("outro")),
             QStringLiteral("padrão"));
}

void TestStore::keyValueLines_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("real");
    QTest::addColumn<QString>("valueLine");

    QTest::newRow("string") << int(kStr) << "Maria" << 0.0 << "S|Maria";
    QTest::newRow("empty string") << int(kStr) << "" << 0.0 << "S|";
    QTest::newRow("string cut at =") << int(kStr) << "a=b" << 0.0 << "S|a";
    QTest::newRow("character outside the basic plane") << int(kStr) << "a\U0001F600b" << 0.0 << "S|a?b";
    QTest::newRow("bool true") << int(kBool) << "1" << 0.0 << "B|1";
    QTest::newRow("bool false") << int(kBool) << "0" << 0.0 << "B|0";
    QTest::newRow("negative int") << int(kInt) << "-42" << 0.0 << "I|-42";
    QTest::newRow("real with comma") << int(kReal) << "" << 1234.5 << "R|1234,5";
    QTest::newRow("real integral") << int(kReal) << "" << 3.0 << "R|3";
    QTest::newRow("real 15 digits") << int(kReal) << "" << 0.1 + 0.2 << "R|0,3";
    QTest::newRow("real pi") << int(kReal) << "" << 3.14159265358979 << "R|3,14159265358979";
    QTest::newRow("real small fixed") << int(kReal) << "" << 0.00001 << "R|0,00001";
    QTest::newRow("real small exponent") << int(kReal) << "" << 0.0000015 << "R|1,5E-6";
    QTest::newRow("real large fixed") << int(kReal) << "" << 123456789012345.0 << "R|123456789012345";
    QTest::newRow("real large exponent") << int(kReal) << "" << -1e15 << "R|-1E15";
    QTest::newRow("real 1E20") << int(kReal) << "" << 2.5e20 << "R|2,5E20";
}

void TestStore::keyValueLines()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(double, real);
    QFETCH(QString, valueLine);
    const QString file = Path(QStringLiteral("valores.inx"));
    const QString s = QStringLiteral("Dados");
    const QString k = QStringLiteral("Chave");
    {
        TManager store(file, true);
        bool ok = false;
        switch (type) {
        case kStr:
            ok = store.WriteStr(s, k, text);
            break;
        case kBool:
            ok = store.WriteBool(s, k, text == u"1");
            break;
        case kInt:
            ok = store.WriteInt(s, k, text.toInt());
            break;
        default:
            ok = store.WriteReal(s, k, real);
            break;
        }
        QVERIFY(ok);
    }
    QVERIFY(ReadBytes(file).contains("<Key=Chave>\r\n" + EncodeWin1252(valueLine) + "\r\n</Key>\r\n"));
    TManager store(file, true);
    store.setiSaveOnFree(false);
    if (type == kReal)
        QCOMPARE(store.ReadReal(s, k, -1), real);
    else if (type == kStr)
        QCOMPARE(store.ReadStr(s, k, QStringLiteral("x")), DecodeWin1252(EncodeWin1252(text.section(u'=', 0, 0))));
}

void TestStore::existingKeysKeepTheirType()
{
    TManager store(Path(QStringLiteral("tipos.inx")), true);
    store.setiSaveOnFree(false);
    const QString s = QStringLiteral("Dados");
    store.WriteInt(s, QStringLiteral("Total"), 5);
    // A value that does not fit the key's own type changes nothing, and the write still succeeds.
    QVERIFY(store.WriteStr(s, QStringLiteral("Total"), QStringLiteral("abc")));
    QVERIFY(store.WriteStr(s, QStringLiteral("Total"), QStringLiteral("$10")));
    store.WriteStr(s, QStringLiteral("Texto"), QStringLiteral("x"));
    store.WriteBool(s, QStringLiteral("Texto"), true);
    store.WriteBool(s, QStringLiteral("Flag"), true);
    store.WriteInt(s, QStringLiteral("Flag"), 0);
    store.WriteReal(s, QStringLiteral("Arred"), 0);
    store.WriteInt(s, QStringLiteral("Arred"), 2);
    QCOMPARE(DescribeInx(store), QStringLiteral("[Dados] Total=I|16 Texto=S|True Flag=B|0 Arred=R|2"));
    // Reads convert to the type asked for.
    QCOMPARE(store.ReadStr(s, QStringLiteral("Flag"), QString()), QStringLiteral("False"));
    QCOMPARE(store.ReadStr(s, QStringLiteral("Total"), QString()), QStringLiteral("16"));
    QCOMPARE(store.ReadBool(s, QStringLiteral("Texto"), false), true);
    QCOMPARE(store.ReadReal(s, QStringLiteral("Total"), 0), 16.0);
}

void TestStore::readConversionErrors()
{
    const QString file = Path(QStringLiteral("erros.inx"));
    WriteBytes(file, FileBytes({QStringLiteral("<Section=Dados>"), QStringLiteral("<Key=Texto>"),
                                QStringLiteral("S|abc"), QStringLiteral("</Key>"), QStringLiteral("<Key=Nada>"),
                                QStringLiteral("?|1"), QStringLiteral("</Key>"), QStringLiteral("<Key=Hex>"),
                                QStringLiteral("I|$FF"), QStringLiteral("</Key>"), QStringLiteral("</Section>")}));
    TManager store(file, true);
    store.setiSaveOnFree(false);
    const QString s = QStringLiteral("Dados");
    QVERIFY_THROWS_EXCEPTION(EConvertError, store.ReadInt(s, QStringLiteral("Texto"), 0));
    QVERIFY_THROWS_EXCEPTION(EConvertError, store.ReadReal(s, QStringLiteral("Texto"), 0));
    QVERIFY_THROWS_EXCEPTION(EConvertError, store.ReadBool(s, QStringLiteral("Texto"), false));
    QVERIFY_THROWS_EXCEPTION(EConvertError, store.ReadInt(s, QStringLiteral("Nada"), 0));
    QCOMPARE(store.ReadStr(s, QStringLiteral("Nada"), QString()), QStringLiteral("None"));
    QCOMPARE(store.ReadInt(s, QStringLiteral("Hex"), 0), 255);
    // The failed reads changed nothing.
    QCOMPARE(DescribeInx(store), QStringLiteral("[Dados] Texto=S|abc Nada= Hex=I|255"));
}

void TestStore::equalsAndBarsInValues()
{
    const QString file = Path(QStringLiteral("sinais.inx"));
    {
        TManager store(file, true);
        store.WriteStr(QStringLiteral("Dados"), QStringLiteral("Igual"), QStringLiteral("a=b"));
        store.WriteStr(QStringLiteral("Dados"), QStringLiteral("Barra"), QStringLiteral("a|b"));
        store.WriteStr(QStringLiteral("Dados"), QStringLiteral("Vazia"), QStringLiteral("|b"));
        // In memory the value stays whole until the file is written.
        QCOMPARE(store.ReadStr(QStringLiteral("Dados"), QStringLiteral("Igual"), QString()), QStringLiteral("a=b"));
    }
    const QByteArray bytes = ReadBytes(file);
    QVERIFY(bytes.contains("\r\nS|a\r\n"));
    QVERIFY(bytes.contains("\r\nS|a|b\r\n"));
    TManager store(file, true);
    store.setiSaveOnFree(false);
    QCOMPARE(store.ReadStr(QStringLiteral("Dados"), QStringLiteral("Igual"), QString()), QStringLiteral("a"));
    QCOMPARE(store.ReadStr(QStringLiteral("Dados"), QStringLiteral("Barra"), QString()), QStringLiteral("a"));
    QCOMPARE(store.ReadStr(QStringLiteral("Dados"), QStringLiteral("Vazia"), QString()), QStringLiteral("None"));
}

void TestStore::removedHeaders()
{
    const QString file = Path(QStringLiteral("remover.inx"));
    const QString s = QStringLiteral("Grupos");
    {
        TManager store(file, true);
        store.WriteStr(s, QStringLiteral("a"), QStringLiteral("1"), ipEnd, QStringLiteral("H"));
        store.WriteStr(s, QStringLiteral("b"), QStringLiteral("2"), ipEnd, QStringLiteral("H"));
        store.WriteStr(s, QStringLiteral("a"), QStringLiteral("1"), ipEnd, QStringLiteral("Outro"));
    }
    {
        TManager store(file, true);
        QVERIFY(store.RemoveHeader(s, QStringLiteral("h")));
        QVERIFY(store.RemoveHeader(s, QStringLiteral("Inexistente")));
        QCOMPARE(store.GetHeaders(s), QStringList{QStringLiteral("Outro")});
    }
    QVERIFY(!ReadBytes(file).contains("<Header=H>"));
    TManager store(file, true);
    store.setiSaveOnFree(false);
    store.RemoveHeader(s, QStringLiteral("Outro"));
    // Writing to a removed header's name makes a new header holding only what was written.
    store.WriteStr(s, QStringLiteral("k"), QStringLiteral("v"), ipEnd, QStringLiteral("Outro"));
    QCOMPARE(DescribeInx(store, true), QStringLiteral("[Grupos] <Outro> k=S|v"));
    QCOMPARE(store.GetHeaders(s), QStringList{QStringLiteral("Outro")});
}

void TestStore::removedSections()
{
    const QString file = Path(QStringLiteral("secoes.inx"));
    TManager store(file, true);
    store.WriteStr(QStringLiteral("Um"), QStringLiteral("k"), QStringLiteral("1"));
    store.WriteStr(QStringLiteral("Dois"), QStringLiteral("k"), QStringLiteral("2"));
    QVERIFY(store.RemoveSection(QStringLiteral("UM")));
    QVERIFY(!store.RemoveSection(QStringLiteral("Um")));
    QCOMPARE(store.GetSections(), QStringList{QStringLiteral("Dois")});
    QCOMPARE(store.ReadStr(QStringLiteral("Um"), QStringLiteral("k"), QStringLiteral("novo")), QStringLiteral("novo"));
    QCOMPARE(store.GetSections(), (QStringList{QStringLiteral("Dois"), QStringLiteral("Um")}));
    store.RemoveSection(QStringLiteral("Um"));
    store.RemoveSection(QStringLiteral("Dois"));
    // Nothing left to write: the save fails and writes no file.
    store.Save(file);
    QVERIFY(store.Status().HasStatus(stFileSaveFail));
    QVERIFY(!QFile::exists(file));
}

void TestStore::multsAppendAndCreate()
{
    TManager store(Path(QStringLiteral("mults.inx")), true);
    store.setiSaveOnFree(false);
    const QStringList lines{QStringLiteral("um"), QString(), QStringLiteral("três")};
    QVERIFY(store.WriteMult(lines, QStringLiteral("Lista"), QStringLiteral("Dados"), QStringLiteral("H")));
    QStringList read{QStringLiteral("antes")};
    QVERIFY(store.ReadMult(read, QStringLiteral("LISTA"), QStringLiteral("Dados"), QStringLiteral("h")));
    QVERIFY(store.ReadMult(read, QStringLiteral("Lista"), QStringLiteral("Dados"), QStringLiteral("H")));
    QCOMPARE(read, QStringList{QStringLiteral("antes")} + lines + lines);
    // Replacing, not merging.
    QVERIFY(
        store.WriteMult({QStringLiteral("só")}, QStringLiteral("Lista"), QStringLiteral("Dados"), QStringLiteral("H")));
    QCOMPARE(DescribeInx(store), QStringLiteral("[Dados] <H> Lista{só}"));
}

void TestStore::encipheredMultRoundTrip()
{
    const QString file = Path(QStringLiteral("apostas.inx"));
    const QStringList bets{QStringLiteral("01;05;17;33;42;60"), QStringLiteral("02;04;06;08;10;12;14")};
    const QString key = QStringLiteral("João ");
    SetCryptStartSource([] { return 0x3C; });
    {
        TManager store(file, true);
        QVERIFY(store.WriteMult(bets, QStringLiteral("Apostas"), QStringLiteral("Grupos de apostas"),
                                QStringLiteral("Grupo 1"), ipEnd, true, key));
    }
    const QByteArray fixed = ReadBytes(file);
    for (const QString& bet : bets)
        QVERIFY(fixed.contains("\r\n" + Crypt(QStringLiteral("C"), bet, key).toLatin1() + "\r\n"));
    {
        TManager store(file, true);
        store.setiSaveOnFree(false);
        QStringList read;
        QVERIFY(store.ReadMult(read, QStringLiteral("Apostas"), QStringLiteral("Grupos de apostas"),
                               QStringLiteral("Grupo 1"), ipEnd, true, key));
        QCOMPARE(read, bets);
        // Plain lines are not cipher text: reading them enciphered fails, leaving the list alone.
        store.WriteMult({QStringLiteral("01;02")}, QStringLiteral("Claro"), QStringLiteral("Grupos de apostas"));
        QStringList untouched{QStringLiteral("x")};
        QVERIFY_THROWS_EXCEPTION(EConvertError,
                                 store.ReadMult(untouched, QStringLiteral("Claro"), QStringLiteral("Grupos de apostas"),
                                                QStringLiteral("None"), ipEnd, true, key));
        QCOMPARE(untouched, QStringList{QStringLiteral("x")});
    }

    // With the random start value each save enciphers anew.
    SetCryptStartSource({});
    QByteArray previous;
    for (int round = 0; round < 2; ++round) {
        TManager store(file, true);
        QStringList read;
        store.ReadMult(read, QStringLiteral("Apostas"), QStringLiteral("Grupos de apostas"), QStringLiteral("Grupo 1"),
                       ipEnd, true, key);
        QCOMPARE(read, bets);
        store.WriteMult(read, QStringLiteral("Apostas"), QStringLiteral("Grupos de apostas"), QStringLiteral("Grupo 1"),
                        ipEnd, true, key);
        store.Save(file);
        const QByteArray now = ReadBytes(file);
        QVERIFY(now != previous);
        previous = now;
    }
}

void TestStore::commentsAtMostOne()
{
    const QString file = Path(QStringLiteral("coment.inx"));
    {
        TManager store(file, true);
        QStringList content{QStringLiteral("primeira")};
        QVERIFY(store.ReadComment(content, QStringLiteral("Nota"), QStringLiteral("Dados")));
        QStringList other{QStringLiteral("outra")};
        QVERIFY(store.ReadComment(other, QStringLiteral("Outra"), QStringLiteral("Dados")));
        QCOMPARE(other, QStringList{QStringLiteral("primeira")});
        QVERIFY(store.WriteComment({QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("Ignorado"),
                                   QStringLiteral("Dados"), QStringLiteral("H")));
        QVERIFY(store.WriteComment({QStringLiteral("c")}, QStringLiteral("Ignorado2"), QStringLiteral("Dados"),
                                   QStringLiteral("H")));
        store.WriteStr(QStringLiteral("Dados"), QStringLiteral("k"), QStringLiteral("v"));
    }
    const QByteArray bytes = ReadBytes(file);
    QVERIFY(bytes.contains("<Section=Dados>\r\n<Comment=Nota>\r\nprimeira\r\n</Comment>\r\n<Key=k>\r\n"));
    QVERIFY(bytes.contains("<Header=H>\r\n<Comment=Ignorado>\r\nc\r\n</Comment>\r\n</Header>\r\n"));
}

void TestStore::addInMult()
{
    TManager store(Path(QStringLiteral("add.inx")), true);
    store.setiSaveOnFree(false);
    const QString s = QStringLiteral("Dados");
    QVERIFY(!store.AddInMult({QStringLiteral("x")}, QStringLiteral("M"), s));
    store.WriteMult({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, QStringLiteral("M"), s);
    QVERIFY(store.AddInMult({QStringLiteral("b")}, QStringLiteral("M"), s, QStringLiteral("None"), msBegin));
    QVERIFY(store.AddInMult({QStringLiteral("m")}, QStringLiteral("M"), s, QStringLiteral("None"), msMidle));
    QVERIFY(store.AddInMult({QStringLiteral("e")}, QStringLiteral("M"), s));
    QVERIFY(!store.AddInMult({QStringLiteral("s")}, QStringLiteral("M"), s, QStringLiteral("None"), msSpecific));
    QCOMPARE(DescribeInx(store), QStringLiteral("[Dados] M{b/1/m/2/3/e}"));
}

void TestStore::statusContradictions_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<int>("added");
    QTest::addColumn<QList<int>>("present");
    QTest::addColumn<QList<int>>("absent");

    QTest::newRow("saved ends a failed save")
        << QList<int>{stFileSaveFail} << int(stFileSaved) << QList<int>{stFileSaved} << QList<int>{stFileSaveFail};
    QTest::newRow("loaded ends changes and failures")
        << QList<int>{stFileChanged, stFileLoadFail, stFileSaveFail, stFileSaved} << int(stFileLoaded)
        << QList<int>{stFileLoaded, stFileSaved} << QList<int>{stFileChanged, stFileLoadFail, stFileSaveFail};
    QTest::newRow("load failure ends loaded")
        << QList<int>{stFileLoaded} << int(stFileLoadFail) << QList<int>{stFileLoadFail} << QList<int>{stFileLoaded};
    QTest::newRow("changed ends both save states")
        << QList<int>{stFileSaved} << int(stFileChanged) << QList<int>{stFileChanged} << QList<int>{stFileSaved};
    QTest::newRow("cleaned implies every No flag")
        << QList<int>{stHasSections, stHasHeaders, stHasComment, stHasMults, stHasKeys} << int(stCleaned)
        << QList<int>{stCleaned, stNoSections, stNoHeaders, stNoComment, stNoMults, stNoKeys}
        << QList<int>{stHasSections, stHasHeaders, stHasComment, stHasMults, stHasKeys};
    QTest::newRow("creation done ends creating") << QList<int>{stCreating, stCreationFail} << int(stCreationOK)
                                                 << QList<int>{stCreationOK} << QList<int>{stCreating, stCreationFail};
    QTest::newRow("a removed key forgets its key results, not others")
        << QList<int>{stKeyUpdateOK, stKeyUpdateFail, stKeyCreationOK, stKeyCreationFail, stMultUpdateOK}
        << int(stKeyRemoved) << QList<int>{stKeyRemoved, stMultUpdateOK}
        << QList<int>{stKeyUpdateOK, stKeyUpdateFail, stKeyCreationOK, stKeyCreationFail};
    QTest::newRow("pairs exclude each other") << QList<int>{stInvalid, stHeaderCreationFail, stCommentOK} << int(stOK)
                                              << QList<int>{stOK} << QList<int>{stInvalid};
    QTest::newRow("read-only ends can-save")
        << QList<int>{stCanSave} << int(stFileReadOnly) << QList<int>{stFileReadOnly} << QList<int>{stCanSave};
    QTest::newRow("a flag without rules removes nothing")
        << QList<int>{stOK, stFileSaved} << int(stRemoved) << QList<int>{stOK, stFileSaved, stRemoved} << QList<int>{};
}

void TestStore::statusContradictions()
{
    QFETCH(QList<int>, before);
    QFETCH(int, added);
    QFETCH(QList<int>, present);
    QFETCH(QList<int>, absent);
    TStatusSet status;
    for (const int flag : before)
        status.IncStatus(TStatus(flag));
    status.IncStatus(TStatus(added));
    for (const int flag : present)
        QVERIFY2(status.HasStatus(TStatus(flag)), qPrintable(QString::number(flag)));
    for (const int flag : absent)
        QVERIFY2(!status.HasStatus(TStatus(flag)), qPrintable(QString::number(flag)));
}

void TestStore::storeWithoutDocument()
{
    const QString file = Path(QStringLiteral("semdoc.inx"));
    WriteBytes(file, FileBytes({QStringLiteral("<Section=Dados>"), QStringLiteral("</Section>")}));
    const QByteArray before = ReadBytes(file);
    {
        TManager store(file, false);
        QVERIFY(store.Status().HasStatus(stCreating));
        QVERIFY(!store.WriteStr(QStringLiteral("Dados"), QStringLiteral("k"), QStringLiteral("v")));
        QVERIFY(!store.WriteInt(QStringLiteral("Dados"), QStringLiteral("k"), 1));
        QVERIFY(!store.WriteMult({}, QStringLiteral("M"), QStringLiteral("Dados")));
        QVERIFY_THROWS_EXCEPTION(EInvalidOpException,
                                 store.ReadStr(QStringLiteral("Dados"), QStringLiteral("k"), QString()));
        QStringList list;
        QVERIFY_THROWS_EXCEPTION(EInvalidOpException, store.ReadMult(list, QStringLiteral("M"), QStringLiteral("D")));
        QVERIFY_THROWS_EXCEPTION(EInvalidOpException, store.RemoveHeader(QStringLiteral("D"), QStringLiteral("H")));
        QVERIFY(store.GetSections().isEmpty());
        QVERIFY(store.GetHeaders(QStringLiteral("Dados")).isEmpty());
    }
    QCOMPARE(ReadBytes(file), before); // freeing it wrote nothing

    TManager store(file, false);
    store.setiSaveOnFree(false);
    store.Clear();
    QVERIFY(store.Status().HasStatus(stCleaned) && store.Status().HasStatus(stNoSections));
    QVERIFY(store.WriteStr(QStringLiteral("Dados"), QStringLiteral("k"), QStringLiteral("v")));
    QVERIFY(!store.Status().HasStatus(stNoSections));
}

void TestStore::statusAfterLoadAndSave()
{
    const QString missing = Path(QStringLiteral("faltando.inx"));
    {
        TManager store(missing, true);
        QVERIFY(!store.Status().HasStatus(stFileLoaded));
        QVERIFY(!store.Status().HasStatus(stCreating));
        QVERIFY(store.Status().HasStatus(stNoSections));
        QVERIFY(store.GetSections().isEmpty());
    }
    QVERIFY(!QFile::exists(missing)); // a store never read from or written to leaves no file

    const QString empty = Path(QStringLiteral("vazio.inx"));
    WriteBytes(empty, QByteArray());
    {
        TManager store(empty, true);
        store.setiSaveOnFree(false);
        QVERIFY(!store.Status().HasStatus(stFileLoaded));
        store.Save(empty);
        QVERIFY(store.Status().HasStatus(stFileSaveFail));
        store.WriteStr(QStringLiteral("Dados"), QStringLiteral("k"), QStringLiteral("v"));
        store.Save(empty);
        QVERIFY(store.Status().HasStatus(stFileSaved));
        QVERIFY(!store.Status().HasStatus(stFileSaveFail));
        store.Load(QStringLiteral("Self"));
        QVERIFY(store.Status().HasStatus(stFileLoaded));
        QVERIFY(!store.Status().HasStatus(stFileLoadFail));
    }

    // A file that cannot be read: the load fails and the document is empty.
    const QString folder = Path(QStringLiteral("pasta.inx"));
    QVERIFY(QDir().mkpath(folder));
    TManager store(folder, true);
    store.setiSaveOnFree(false);
    QVERIFY(store.Status().HasStatus(stFileLoadFail));
    QVERIFY(!store.Status().HasStatus(stFileLoaded));
    store.WriteStr(QStringLiteral("Dados"), QStringLiteral("k"), QStringLiteral("v"));
    store.Save(folder);
    QVERIFY(store.Status().HasStatus(stFileSaveFail));
    QVERIFY(QFileInfo(folder).isDir());
}

void TestStore::unreadableFileIsNeverOverwritten()
{
    REQUIRE_FILE_MODES();
    const QString file = Path(QStringLiteral("ilegivel.inx"));
    {
        TManager store(file, true);
        store.WriteStr(QStringLiteral("Logins"), QStringLiteral("Nome"), QStringLiteral("Maria"));
    }
    const QByteArray old = ReadBytes(file);
    QFile::setPermissions(file, QFile::WriteOwner);
    {
        TManager store(file, true);
        QVERIFY(store.Status().HasStatus(stFileLoadFail));
        QCOMPARE(store.ErrorString(), QStringLiteral("Permission denied"));
        store.WriteStr(QStringLiteral("Logins"), QStringLiteral("Nome"), QStringLiteral("Outra"));
        store.Save(file);
        QVERIFY(store.Status().HasStatus(stFileSaveFail));
        QVERIFY2(store.ErrorString().contains(QStringLiteral("Permission denied")), qPrintable(store.ErrorString()));
    } // freeing it does not save either
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(ReadBytes(file), old);
}

void TestStore::failedSaveKeepsOldFile()
{
    const QString file = Path(QStringLiteral("antigo.inx"));
    {
        TManager store(file, true);
        store.WriteStr(QStringLiteral("Dados"), QStringLiteral("k"), QStringLiteral("v"));
    }
    const QByteArray old = ReadBytes(file);
    QVERIFY(!old.isEmpty());

    TManager store(file, true);
    store.setiSaveOnFree(false);
    QStringList many;
    for (int i = 0; i < 2000; ++i)
        many.append(QStringLiteral("linha %1 de um mult longo").arg(i));
    store.WriteMult(many, QStringLiteral("Muitas"), QStringLiteral("Dados"));

    // The write runs out of room half way: a file-size limit makes the write fail as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 8192;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    store.Save(file);
    setrlimit(RLIMIT_FSIZE, &saved);
    QVERIFY(store.Status().HasStatus(stFileSaveFail));
    QVERIFY(!store.ErrorString().isEmpty());
    QCOMPARE(ReadBytes(file), old);
    QCOMPARE(QDir(FDir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("antigo.inx")});

    store.Save(file);
    QVERIFY(store.Status().HasStatus(stFileSaved));
    QVERIFY(store.ErrorString().isEmpty());
    QVERIFY(ReadBytes(file).size() > old.size());
}

void TestStore::saveIntoReadOnlyFolderKeepsOldFile()
{
    const QString folder = Path(QStringLiteral("somente-leitura"));
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/Apostas.inx");
    {
        TManager store(file, true);
        store.WriteStr(QStringLiteral("Dados"), QStringLiteral("k"), QStringLiteral("v"));
    }
    const QByteArray old = ReadBytes(file);
    QVERIFY(SetMode(folder, 0500));
    const auto restore = qScopeGuard([&] { SetMode(folder, 0700); });
    REQUIRE_FILE_MODES();

    TManager store(file, true);
    store.setiSaveOnFree(false);
    store.WriteStr(QStringLiteral("Dados"), QStringLiteral("k"), QStringLiteral("novo"));
    store.Save(file);
    QVERIFY(store.Status().HasStatus(stFileSaveFail));
    QVERIFY2(store.ErrorString().contains(QStringLiteral("Permission denied")), qPrintable(store.ErrorString()));
    QCOMPARE(ReadBytes(file), old);
}

void TestStore::secretStoreIsSavedOwnerOnly()
{
    // A store that holds secrets is readable by its owner alone, even when the file it replaces
    // was readable by others; any other store keeps the mode its file had.
    const QString secret = Path(QStringLiteral("Logins.inx"));
    const QString shared = Path(QStringLiteral("Concursos.inx"));
    for (const QString& file : {secret, shared}) {
        WriteBytes(file, "[Dados]\r\n");
        QVERIFY(SetMode(file, 0644));
        TManager store(file, true);
        store.setiSaveOnFree(false);
        if (file == secret)
            store.SetFileAccess(TFileAccess::OwnerOnly);
        store.WriteStr(QStringLiteral("Dados"), QStringLiteral("k"), QStringLiteral("v"));
        store.Save(file);
        QVERIFY(store.Status().HasStatus(stFileSaved));
    }
    QCOMPARE(ModeText(secret), QStringLiteral("600"));
    QCOMPARE(ModeText(shared), QStringLiteral("644"));
}

void TestStore::freeingSavesUnlessTold()
{
    const QString file = Path(QStringLiteral("liberar.inx"));
    {
        TManager store(file, true);
        store.setiSaveOnFree(false);
        store.WriteStr(QStringLiteral("Dados"), QStringLiteral("k"), QStringLiteral("v"));
    }
    QVERIFY(!QFile::exists(file));
    {
        TManager store(file, true);
        store.WriteStr(QStringLiteral("Dados"), QStringLiteral("k"), QStringLiteral("v"));
    }
    const QByteArray bytes = ReadBytes(file);
    QVERIFY(bytes.startsWith(FileBytes(kNotice)));
    QVERIFY(bytes.endsWith(FileBytes({InxBannerLine()})));
}

void TestStore::loadingAnotherFileSavesFirst()
{
    const QString first = Path(QStringLiteral("um.inx"));
    const QString second = Path(QStringLiteral("dois.inx"));
    {
        TManager store(second, true);
        store.WriteStr(QStringLiteral("Dois"), QStringLiteral("k"), QStringLiteral("2"));
    }
    TManager store(first, true);
    store.setiSaveOnFree(false);
    store.WriteStr(QStringLiteral("Um"), QStringLiteral("k"), QStringLiteral("1"));
    store.Load(second);
    QCOMPARE(store.FileName(), second);
    QVERIFY(QFile::exists(first));
    QCOMPARE(store.GetSections(), (QStringList{QStringLiteral("Obrix.Advertise"), QStringLiteral("Dois")}));
}

void TestStore::progressReports()
{
    const QString file = Path(QStringLiteral("progresso.inx"));
    {
        TManager store(file, true);
        TProgressLog log;
        store.OnProgress = log.Callback();
        store.WriteStr(QStringLiteral("Dados"), QStringLiteral("k"), QStringLiteral("v"), ipEnd, QStringLiteral("H"));
        store.WriteMult({QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("M"), QStringLiteral("Dados"));
        store.WriteMult({QStringLiteral("c")}, QStringLiteral("M"), QStringLiteral("Dados"));
        QCOMPARE(log.Texts, (QStringList{QStringLiteral("1/1 Deleting"), QStringLiteral("0/1 Deleting"),
                                         QStringLiteral("0/0 Updating -> c")}));
        log.Texts.clear();
        store.Save(file);
        // Created through the store: the section, its header and its mult report while saved.
        QCOMPARE(log.Texts,
                 (QStringList{QStringLiteral("0/0 Seção --> Dados"), QStringLiteral("25/100 Dados"),
                              QStringLiteral("0/0 c"), QStringLiteral("50/100 Dados"), QStringLiteral("25/100 H"),
                              QStringLiteral("50/100 H"), QStringLiteral("75/100 H"), QStringLiteral("75/100 Dados")}));
        store.setiSaveOnFree(false);
    }
    // Loaded elements report only the load itself and the section headings of a save.
    TManager store(file, false);
    store.setiSaveOnFree(false);
    TProgressLog log;
    store.OnProgress = log.Callback();
    store.Load(file);
    const int lines = int(SplitLines(DecodeWin1252(ReadBytes(file))).size());
    QCOMPARE(log.Texts.first(), QStringLiteral("0/%1 INI").arg(lines - 1));
    QCOMPARE(log.Texts.filter(QStringLiteral(" INI")).size(), lines);
    QVERIFY(log.Texts.contains(QStringLiteral("12/%1 -> 12").arg(lines - 1)));
    QVERIFY(log.Texts.contains(QStringLiteral("12/100 Wait, Please!")));
    log.Texts.clear();
    store.Save(file);
    QCOMPARE(log.Texts,
             (QStringList{QStringLiteral("0/1 Seção --> Obrix.Advertise"), QStringLiteral("1/1 Seção --> Dados")}));
}

QTEST_GUILESS_MAIN(TestStore)
#include "TestStore.moc"
