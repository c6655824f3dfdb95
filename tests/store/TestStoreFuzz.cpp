// Seeded random INX input: mutations of the fixture files and of a valid file, and files built
// from random grammar tokens. Every input must load, answer reads and writes, save and reload
// without a crash, and the canonical form must be a fixed point:
// save(load(save(load(x)))) == save(load(x)). Set NORVADEL_FUZZ_SEED to replay another seed.

#include "InxDescribe.h"

#include "store/InxDocument.h"
#include "store/TManager.h"
#include "util/Exceptions.h"
#include "util/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {
const char* const kTokens[] = {
    "<Section=", "<Header=", "<Key=",   "<Mult=",     "<Comment=", "</Section>",
    "</Header>", "</Key>",   "</Mult>", "</Comment>", "S|",        "s|",
    "B|1",       "b|0",      "I|",      "i|$",        "R|",        "r|",
    "|",         "=",        ">",       "<",          "<Point",    "<--K ",
    "<--H ",     "<--/",     "Dados",   "dados",      "DADOS",     "Grupo",
    "ação",      "AÇÃO",     "Ã",       "ã",          "None",      "Obrix.Advertise",
    "PT-BR",     "12",       "-7",      "3,5",        "1E20",      "99999999999",
    "$FF",       " ",        "\t",      ";",          "01;05;17",  "0A1B2C3D",
    "€",         "ÿ",
};

QByteArray Read(const QString& aFileName)
{
    QFile file(aFileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& aFileName, const QByteArray& aBytes)
{
    QFile file(aFileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(aBytes);
}

// The file a store writes after loading aInput (empty when it writes nothing).
QByteArray Canonical(const QString& aInput, const QString& aOutput)
{
    QFile::remove(aOutput);
    TManager store(aInput, true);
    store.setiSaveOnFree(false);
    store.setFileName(aOutput);
    store.Save(aOutput);
    return Read(aOutput);
}

// True when the bytes decode to text that Windows-1252 holds whole; only then can the first
// save be compared with the second (characters written as "?" may merge names afterwards).
bool HeldByWin1252(const QByteArray& aBytes)
{
    const QString text = DecodeAnsiWithBom(aBytes);
    return DecodeWin1252(EncodeWin1252(text)) == text;
}
} // namespace

class TestStoreFuzz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void randomInputs();

private:
    QByteArray Mutate(const QByteArray& aBytes);
    QByteArray RandomFile();
    QString RandomLine();
    QString SafeText();
    void Exercise(const QString& aFileName, int aCase);

    QRandomGenerator FRandom;
    quint32 FSeed = 20261211;
    QList<QByteArray> FSeeds;
    // In memory when the system offers it: every case saves four times, and a save ends with a
    // sync to disk that would otherwise dominate the run.
    QTemporaryDir FDir{QDir(QStringLiteral("/dev/shm")).exists()
                           ? QStringLiteral("/dev/shm/store_fuzz-XXXXXX")
                           : QDir::tempPath() + QStringLiteral("/store_fuzz-XXXXXX")};
};

void TestStoreFuzz::initTestCase()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("NORVADEL_FUZZ_SEED").toUInt(&ok);
    if (ok)
        FSeed = seed;
    FRandom.seed(FSeed);
    QVERIFY(FDir.isValid());
    const QDir fixtures(QStringLiteral(NORVADEL_TEST_DATA "/store"));
    for (const QString& name : fixtures.entryList({QStringLiteral("*.inx")}, QDir::Files, QDir::Name))
        FSeeds.append(Read(fixtures.filePath(name)));
    QVERIFY(FSeeds.size() >= 5);

    // A valid file with every kind of element, as the store writes it.
    const QString valid = FDir.filePath(QStringLiteral("valido.inx"));
    {
        TManager store(valid, true);
        store.WriteStr(QStringLiteral("Exemplo"), QStringLiteral("Nome"), QStringLiteral("Maria"));
        store.WriteBool(QStringLiteral("Exemplo"), QStringLiteral("Ativo"), true);
        store.WriteInt(QStringLiteral("Exemplo"), QStringLiteral("Total"), -42);
        store.WriteReal(QStringLiteral("Exemplo"), QStringLiteral("Valor"), 1234.5);
        QStringList comment{QStringLiteral("uma linha")};
        store.WriteComment(comment, QStringLiteral("Nota"), QStringLiteral("Exemplo"));
        store.WriteMult({QStringLiteral("a"), QString(), QStringLiteral("c")}, QStringLiteral("Lista"),
                        QStringLiteral("Exemplo"));
        store.WriteMult({QStringLiteral("01;05;17;33;42;60")}, QStringLiteral("Apostas"),
                        QStringLiteral("Grupos de apostas"), QStringLiteral("Grupo 1"), ipEnd, true,
                        QStringLiteral("Ana "));
        store.WriteStr(QStringLiteral("Exemplo"), QStringLiteral("Email"), QStringLiteral("m.e"), ipEnd,
                       QStringLiteral("maria"));
    }
    FSeeds.append(Read(valid));
}

QString TestStoreFuzz::RandomLine()
{
    QString line;
    const int pieces = FRandom.bounded(1, 5);
    for (int i = 0; i < pieces; ++i)
        line += QString::fromUtf8(kTokens[FRandom.bounded(int(std::size(kTokens)))]);
    return line;
}

// What a caller may store: the format has no escaping, so names hold no "<" or "=" and mult
// lines no end tag; everything else goes.
QString TestStoreFuzz::SafeText()
{
    QString text = RandomLine();
    text.remove(u'<');
    text.remove(u'=');
    return text;
}

QByteArray TestStoreFuzz::RandomFile()
{
    QStringList lines;
    const int count = FRandom.bounded(0, 60);
    for (int i = 0; i < count; ++i)
        lines.append(RandomLine());
    const char* const breaks[] = {"\r\n", "\n", "\r"};
    QString text;
    for (const QString& line : lines)
        text += line + QString::fromLatin1(breaks[FRandom.bounded(3)]);
    switch (FRandom.bounded(4)) {
    case 0:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case 1: {
        QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        return encoder(text);
    }
    default:
        return EncodeWin1252(text);
    }
}

QByteArray TestStoreFuzz::Mutate(const QByteArray& aBytes)
{
    QByteArray bytes = aBytes;
    const int rounds = FRandom.bounded(1, 6);
    for (int r = 0; r < rounds; ++r) {
        QList<QByteArray> lines = bytes.split('\n');
        const int at = lines.isEmpty() ? 0 : FRandom.bounded(int(lines.size()));
        switch (FRandom.bounded(8)) {
        case 0: // drop a line
            if (!lines.isEmpty())
                lines.removeAt(at);
            break;
        case 1: // repeat a line
            if (!lines.isEmpty())
                lines.insert(at, lines[at]);
            break;
        case 2: // swap two lines
            if (lines.size() > 1)
                lines.swapItemsAt(at, FRandom.bounded(int(lines.size())));
            break;
        case 3: // a line from the grammar's tokens
            lines.insert(at, EncodeWin1252(RandomLine()) + "\r");
            break;
        case 4: // cut the file short
            bytes.truncate(FRandom.bounded(int(bytes.size()) + 1));
            continue;
        case 5: // flip a byte
            if (!bytes.isEmpty())
                bytes[FRandom.bounded(int(bytes.size()))] = char(FRandom.bounded(256));
            continue;
        case 6: // a stray line break
            bytes.insert(FRandom.bounded(int(bytes.size()) + 1), FRandom.bounded(2) ? '\r' : '\n');
            continue;
        default: // splice with another seed file
            lines += FSeeds[FRandom.bounded(int(FSeeds.size()))].split('\n');
            break;
        }
        bytes = lines.join('\n');
    }
    return bytes;
}

void TestStoreFuzz::Exercise(const QString& aFileName, int aCase)
{
    const QString context = QStringLiteral("seed %1, case %2").arg(FSeed).arg(aCase);
    TManager store(aFileName, true);
    store.setiSaveOnFree(false);
    const TInxDocument* doc = store.Document();
    QVERIFY2(doc, qPrintable(context));

    // Walk what was loaded: copy the names first, since reads may add elements.
    struct TTarget
    {
        QString Section, Header, Name;
        bool Mult;
    };
    std::vector<TTarget> targets;
    for (const auto& section : doc->Sections()) {
        auto add = [&](const TInxContainer& aContainer, const QString& aHeader) {
            for (const TInxKey& key : aContainer.Keys)
                targets.push_back({section->Name, aHeader, key.Name, false});
            for (const TInxBlock& mult : aContainer.Mults)
                targets.push_back({section->Name, aHeader, mult.Name, true});
        };
        add(*section, QStringLiteral("None"));
        for (const auto& header : section->Headers)
            add(*header, header->Name);
    }
    for (const QString& section : store.GetSections())
        store.GetHeaders(section);
    for (const TTarget& target : targets) {
        if (target.Mult) {
            QStringList lines;
            QVERIFY(store.ReadMult(lines, target.Name, target.Section, target.Header));
            try {
                store.ReadMult(lines, target.Name, target.Section, target.Header, ipEnd, true, QStringLiteral("Ana "));
            } catch (const EConvertError&) {
            }
            continue;
        }
        store.ReadStr(target.Section, target.Name, QString(), target.Header);
        try {
            store.ReadInt(target.Section, target.Name, 0, target.Header);
        } catch (const EConvertError&) {
        }
        try {
            store.ReadReal(target.Section, target.Name, 0, target.Header);
        } catch (const EConvertError&) {
        }
        try {
            store.ReadBool(target.Section, target.Name, false, target.Header);
        } catch (const EConvertError&) {
        }
    }

    // Random reads and writes on random names, then a save and a reload.
    for (int i = 0; i < 8; ++i) {
        const QString section = SafeText();
        const QString header = FRandom.bounded(3) == 0 ? QStringLiteral("None") : SafeText();
        const QString name = SafeText();
        switch (FRandom.bounded(6)) {
        case 0:
            QVERIFY(store.WriteStr(section, name, SafeText(), ipEnd, header));
            break;
        case 1:
            QVERIFY(store.WriteInt(section, name, int(FRandom.generate()), ipBegin, header));
            break;
        case 2:
            QVERIFY(store.WriteReal(section, name, FRandom.generateDouble() * 1e6 - 5e5, ipEnd, header));
            break;
        case 3:
            store.RemoveHeader(section, header);
            break;
        case 4: {
            QStringList comment{SafeText()};
            store.WriteComment(comment, name, section, header);
            break;
        }
        default:
            QVERIFY(store.WriteMult({SafeText(), QString()}, name, section, header, ipEnd, FRandom.bounded(2) == 0,
                                    QStringLiteral("Ana ")));
            break;
        }
    }
    const QStringList bets{QStringLiteral("01;02;03;04;05;06"), QStringLiteral("ação")};
    QVERIFY(store.WriteMult(bets, QStringLiteral("Apostas"), QStringLiteral("Grupos de apostas"),
                            QStringLiteral("Fuzz"), ipEnd, true, QStringLiteral("Ana ")));
    const QString saved = FDir.filePath(QStringLiteral("salvo.inx"));
    QFile::remove(saved);
    store.setFileName(saved);
    store.Save(saved);
    QVERIFY2(store.Status().HasStatus(stFileSaved), qPrintable(context));

    TManager reloaded(saved, true);
    reloaded.setiSaveOnFree(false);
    QStringList read;
    QVERIFY(reloaded.ReadMult(read, QStringLiteral("Apostas"), QStringLiteral("Grupos de apostas"),
                              QStringLiteral("Fuzz"), ipEnd, true, QStringLiteral("Ana ")));
    QVERIFY2(read == bets, qPrintable(context + QStringLiteral(" ") + read.join(u'/')));
}

void TestStoreFuzz::randomInputs()
{
    const QString input = FDir.filePath(QStringLiteral("entrada.inx"));
    const QString first = FDir.filePath(QStringLiteral("primeira.inx"));
    const QString second = FDir.filePath(QStringLiteral("segunda.inx"));
    const QString third = FDir.filePath(QStringLiteral("terceira.inx"));
    const int cases = 5000;
    int fixedPoints = 0;
    for (int i = 0; i < cases; ++i) {
        const QByteArray bytes = i % 3 == 0 ? RandomFile() : Mutate(FSeeds[FRandom.bounded(int(FSeeds.size()))]);
        Write(input, bytes);
        const QByteArray once = Canonical(input, first);
        const QByteArray twice = Canonical(first, second);
        const QString context = QStringLiteral("seed %1, case %2").arg(FSeed).arg(i);
        if (HeldByWin1252(bytes)) {
            QVERIFY2(once == twice, qPrintable(context));
            ++fixedPoints;
        } else {
            QVERIFY2(twice == Canonical(second, third), qPrintable(context));
        }
        Exercise(input, i);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(fixedPoints > cases / 2);
}

QTEST_GUILESS_MAIN(TestStoreFuzz)
#include "TestStoreFuzz.moc"
