// Bet groups in Apostas.inx and contests in Concursos.inx, through the INX store.

#include "lottery/TBetStore.h"
#include "lottery/TContestStore.h"
#include "store/TManager.h"
#include "util/Crypt.h"
#include "util/Exceptions.h"
#include "util/TextCodec.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString FileText(const QString& aFileName)
{
    QFile file(aFileName);
    return file.open(QIODevice::ReadOnly) ? DecodeWin1252(file.readAll()) : QString();
}

} // namespace

class TestLotteryStores : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storeGroups();
    void storeGroupReportsRejectedLines();
    void storeGroupRefusesBadNames();
    void removeGroupsAndBets();
    void marks();
    void unwritableFileIsReported();
    void exportFile();
    void contestsSaveAndLoad();
};

void TestLotteryStores::storeGroups()
{
    QTemporaryDir dir;
    {
        TBetStore store(dir.path(), QStringLiteral("Ana Maria"));
        QCOMPARE(store.AddKey(), QStringLiteral("Ana "));
        TGroupStore stored = store.GroupStore(QStringLiteral("Teste"), {"10;02;33;04;55;06", "5;10;20;30;40;50"});
        QCOMPARE(stored.Stored, 2);
        QCOMPARE(stored.Message, QStringLiteral("Grupo \"Teste\" gravado com 2 apostas."));
        store.GroupStore(QStringLiteral("Outro"), {"01;02;03;04;05;06"});
        // The store matches names ignoring case: the bets of Teste are replaced, its name kept.
        stored = store.GroupStore(QStringLiteral("teste"), {"60;59;58;57;56;55"});
        QCOMPARE(stored.Name, QStringLiteral("Teste"));
        QCOMPARE(store.Groups(), QStringList({"Teste", "Outro"}));
        QCOMPARE(store.Bets(QStringLiteral("Teste")), QStringList({"55;56;57;58;59;60"}));
    }
    // Saved, enciphered with the first word of the login name, and read back by a new store.
    const QString file = dir.filePath(QStringLiteral("Apostas.inx"));
    const QString text = FileText(file);
    QVERIFY(text.contains(QStringLiteral("<Section=Grupos de apostas>")));
    QVERIFY(text.contains(QStringLiteral("<Header=Outro>")));
    QVERIFY(!text.contains(QStringLiteral("01;02;03;04;05;06")));
    QCOMPARE(ModeText(file), QStringLiteral("600")); // a player's bets are his own
    TBetStore again(dir.path(), QStringLiteral("Ana Maria"));
    QCOMPARE(again.Groups(), QStringList({"Teste", "Outro"}));
    QCOMPARE(again.Bets(QStringLiteral("Outro")), QStringList({"01;02;03;04;05;06"}));
    QVERIFY(again.Bets(QStringLiteral("Inexistente")).isEmpty());
    QCOMPARE(again.Groups().size(), 2); // asking for a missing group does not create it
    // Another user's key does not give the bets back.
    TBetStore otherUser(dir.path(), QStringLiteral("Bruno"));
    QVERIFY(otherUser.Bets(QStringLiteral("Outro")) != QStringList({"01;02;03;04;05;06"}));
}

void TestLotteryStores::storeGroupReportsRejectedLines()
{
    QTemporaryDir dir;
    TBetStore store(dir.path(), QStringLiteral("Ana"));
    const TGroupStore stored =
        store.GroupStore(QStringLiteral("Jogos"), {"01;02;03;04;05", "04;15;23;38;41;60", "", "01;01;02;03;04;05"});
    QCOMPARE(stored.Stored, 1);
    QCOMPARE(int(stored.Rejected.size()), 2);
    QCOMPARE(stored.Message, QStringLiteral("Grupo \"Jogos\" gravado com 1 aposta. 2 linhas foram recusadas:\n"
                                            "linha 1 (01;02;03;04;05): tem 5 números; uma aposta tem de 6 a 15\n"
                                            "linha 4 (01;01;02;03;04;05): o número 01 aparece mais de uma vez"));
    // Nothing accepted: the group is stored without bets.
    QCOMPARE(store.GroupStore(QStringLiteral("Vazio"), {"1;2;3"}).Stored, 0);
    QCOMPARE(store.Groups(), QStringList({"Jogos", "Vazio"}));
    QVERIFY(store.Bets(QStringLiteral("Vazio")).isEmpty());
}

void TestLotteryStores::storeGroupRefusesBadNames()
{
    QTemporaryDir dir;
    TBetStore store(dir.path(), QStringLiteral("Ana"));
    for (const QString& name : {QStringLiteral("None"), QStringLiteral("a=b"), QStringLiteral("../x"), QString()})
        QVERIFY_THROWS_EXCEPTION(Exception, store.GroupStore(name, {"01;02;03;04;05;06"}));
    QVERIFY(store.Groups().isEmpty());
}

void TestLotteryStores::removeGroupsAndBets()
{
    QTemporaryDir dir;
    TBetStore store(dir.path(), QStringLiteral("Ana"));
    store.GroupStore(QStringLiteral("A"), {"01;02;03;04;05;06", "11;12;13;14;15;16"});
    store.GroupStore(QStringLiteral("B"), {"21;22;23;24;25;26"});
    store.GroupStore(QStringLiteral("C"), {"31;32;33;34;35;36"});
    store.GroupsRemove({QStringLiteral("A"), QStringLiteral("C")});
    QCOMPARE(store.Groups(), QStringList({"B"}));
    store.BetsWrite(QStringLiteral("B"), {});
    TBetStore again(dir.path(), QStringLiteral("Ana"));
    QCOMPARE(again.Groups(), QStringList({"B"}));
    QVERIFY(again.Bets(QStringLiteral("B")).isEmpty());
    // A removed group can be stored again under its name, at the end.
    again.GroupStore(QStringLiteral("A"), {"01;02;03;04;05;06"});
    QCOMPARE(again.Groups(), QStringList({"B", "A"}));
}

void TestLotteryStores::marks()
{
    QTemporaryDir dir;
    {
        TBetStore store(dir.path(), QStringLiteral("Ana"));
        store.GroupStore(QStringLiteral("A"), {"01;02;03;04;05;06"});
        QVERIFY(store.MarksRead().isEmpty());
        store.MarksSave({QStringLiteral("A"), QStringLiteral("Sumido")});
    }
    const QString text = FileText(dir.filePath(QStringLiteral("Apostas.inx")));
    QVERIFY(text.contains(QStringLiteral("<Section=Grupos de apostasSel>")));
    QVERIFY(text.contains(QStringLiteral("<Header=Selecionados>")));
    QVERIFY(text.contains(QStringLiteral("<Mult=GrupoSel>")));
    TBetStore again(dir.path(), QStringLiteral("Ana"));
    QCOMPARE(again.MarksRead(), QStringList({"A", "Sumido"}));
    QCOMPARE(again.Groups(), QStringList({"A"})); // marks are not groups
}

void TestLotteryStores::unwritableFileIsReported()
{
    {
        // A file that does not exist yet has no problem to tell.
        QTemporaryDir empty;
        QVERIFY(TBetStore(empty.path(), QStringLiteral("Ana")).LoadProblem().isEmpty());
    }
    QTemporaryDir dir;
    // A folder where the file should be: no save can replace it.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Apostas.inx")));
    TBetStore store(dir.path(), QStringLiteral("Ana"));
    // The user can be told at once, before any work is lost.
    QVERIFY2(
        store.LoadProblem().startsWith(
            QStringLiteral("Não foi possível ler o arquivo \"%1\"").arg(dir.filePath(QStringLiteral("Apostas.inx")))),
        qPrintable(store.LoadProblem()));
    try {
        store.GroupStore(QStringLiteral("A"), {"01;02;03;04;05;06"});
        QFAIL("the group was reported as stored");
    } catch (const EInOutError& e) {
        // The message names the file and says why it cannot be written.
        QVERIFY2(e.Message().contains(dir.filePath(QStringLiteral("Apostas.inx"))) &&
                     e.Message().contains(QStringLiteral("não pôde ser lido")),
                 qPrintable(e.Message()));
    }
    // The group is not lost from the open store, which was not read again from the file.
    QCOMPARE(store.Bets(QStringLiteral("A")), QStringList({"01;02;03;04;05;06"}));
    QVERIFY_THROWS_EXCEPTION(EInOutError, store.MarksSave({QStringLiteral("A")}));
    QVERIFY_THROWS_EXCEPTION(EInOutError, store.GroupsRemove({QStringLiteral("A")}));
}

void TestLotteryStores::exportFile()
{
    QTemporaryDir dir;
    ExportFileWrite(dir.path(), QStringLiteral("Meus jogos"), {"01;02;03;04;05;06", "qualquer linha"});
    QFile file(dir.filePath(QStringLiteral("Meus jogos.export")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("01;02;03;04;05;06\r\nqualquer linha\r\n"));
    QCOMPARE(BetFileRead(file.fileName()), QStringList({"01;02;03;04;05;06", "qualquer linha"}));
    QCOMPARE(GroupNameFromFile(file.fileName()), QStringLiteral("Meus jogos"));
    QVERIFY_THROWS_EXCEPTION(Exception, ExportFileWrite(dir.path(), QStringLiteral("../fora"), {"x"}));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("../fora.export"))));
    QVERIFY_THROWS_EXCEPTION(EInOutError, BetFileRead(dir.filePath(QStringLiteral("nada.txt"))));
}

void TestLotteryStores::contestsSaveAndLoad()
{
    QTemporaryDir dir;
    const QString file = ContestsFileName(dir.path());
    QCOMPARE(file, dir.filePath(QStringLiteral("Concursos.inx")));
    {
        TContestGrid grid;
        grid.ContestRowInsert({"01216", "04;15;23;38;41;60", "1.234,50", "2", ""});
        grid.ContestRowInsert({"01218", "01;05;06;27;42;59", ",50", "0", "Novo"});
        grid.ContestRowInsert({"01217", "10;11;29;30;36;47", "", "0", "Novo"});
        TManager store(file, true);
        ContestsSave(store, grid);
    }
    QVERIFY(!FileText(file).contains(QStringLiteral("Novo")));
    TManager store(file, true);
    store.setiSaveOnFree(false);
    TContestGrid grid;
    QCOMPARE(ContestsLoad(store, grid), 1219);
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(grid.Row(0), (TContestRow{"01218", "01;05;06;27;42;59", ",50", "0", ""}));
    QCOMPARE(grid.Row(1).Number, QStringLiteral("01217"));
    QCOMPARE(grid.Row(2), (TContestRow{"01216", "04;15;23;38;41;60", "1.234,50", "2", ""}));
    QCOMPARE(grid.iNovos(), 0);

    // A number edited into text is listed but does not count for the next number.
    store.WriteStr(QStringLiteral("Concursos"), QStringLiteral("Concurso"), QStringLiteral("abc"), ipEnd,
                   QStringLiteral("01300"));
    // Nor does the largest integer, which has no next one.
    store.WriteStr(QStringLiteral("Concursos"), QStringLiteral("Concurso"), QStringLiteral("2147483647"), ipEnd,
                   QStringLiteral("01301"));
    TContestGrid edited;
    QCOMPARE(ContestsLoad(store, edited), 1219);
    QCOMPARE(edited.RowCount(), 5);
}

QTEST_GUILESS_MAIN(TestLotteryStores)
#include "TestLotteryStores.moc"
