// The bet groups screen on the real main window, with temporary program and documents folders:
// what a player sees in the lists and boxes, which questions and messages he gets, and what
// Apostas.inx and the export files hold afterwards, also after a restart.

#include "app/Dialogs.h"
#include "app/TDockPanel.h"
#include "app/TFrameTop.h"
#include "app/TLinkLabel.h"
#include "app/TNorvadelApplication.h"
#include "app/TfrmApresentaNorvadel.h"
#include "lottery/TfrmCadAposta.h"
#include "tests/TestFiles.h"
#include "tests/app/ShellFixture.h"
#include "users/TfrmLogin.h"
#include "users/TfrmRegLogin.h"
#include "util/Globals.h"
#include "util/TextCodec.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Answers like TScriptedHandler and also keeps what each file dialog asked.
class TRecordingHandler : public Dialogs::TScriptedHandler
{
public:
    QStringList PathQuestions; // "kind|title|filter"

    QString Path(const QString& aKind, const QString& aTitle, const QString& aFilter) override
    {
        PathQuestions.append(aKind + u'|' + aTitle + u'|' + aFilter);
        return TScriptedHandler::Path(aKind, aTitle, aFilter);
    }
};

const QString kAna = QStringLiteral("Ana Lima");
const QString kBeto = QStringLiteral("Beto");
const QString kSenha = QStringLiteral("segredo1");

} // namespace

class TestBetScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void opensFromTheWelcomeScreenWithItsTexts();
    void typingInTheBoxes();
    void storedLinesAndRejectionReport_data();
    void storedLinesAndRejectionReport();
    void storeReplacesOrAdds_data();
    void storeReplacesOrAdds();
    void doubleClickPutsAGroupBackForEditing();
    void marksAfterRestart_data();
    void marksAfterRestart();
    void removal_data();
    void removal();
    void arrowKeysChangeNothingEnterShowsBets();
    void checkingEngineOperations();
    void blinkingEndsOnTheListColour();
    void logonSwitchesTheFileAndLogoutClears();
    void loadBetFile_data();
    void loadBetFile();
    void exportFile_data();
    void exportFile();
    void unreadableFileIsToldAndKept();
    void writeFailureKeepsWhatWasTyped_data();
    void writeFailureKeepsWhatWasTyped();

private:
    void StartWindow();
    void Restart();
    void Register(const QString& aName);
    void LogIn(const QString& aName);
    void LogOut();
    void OpenScreen();
    // Registers and logs in Ana and opens the screen.
    void Ready();
    void StoreGroup(const QString& aName, const QStringList& aLines);
    void ClickGroup(const QString& aName);
    QString UserPath(const QString& aUser, const QString& aFile = QString()) const
    {
        return FShell->Documents() + QStringLiteral("/Obrix/Norvadel/") + aUser + u'/' + aFile;
    }
    // The screen's control aName (other screens reuse names such as lbl1), else the window's.
    template <class T> T* Control(const QString& aName) const
    {
        if (frmCadAposta)
            if (T* own = frmCadAposta->findChild<T*>(aName))
                return own;
        return FShell->Find<T>(aName);
    }
    QListWidget* Groups() const { return Control<QListWidget>(QStringLiteral("lstListaGruposDisponiveis")); }
    QListWidget* Bets() const { return Control<QListWidget>(QStringLiteral("lstListaItensDoGrupo")); }
    QPlainTextEdit* Memo() const { return Control<QPlainTextEdit>(QStringLiteral("cxMemoGrupoDeApostas")); }
    QComboBox* Name() const { return Control<QComboBox>(QStringLiteral("cmbNomeGrupo")); }
    void Click(const QString& aButton) const { Control<QPushButton>(aButton)->click(); }
    void ClickLink(const QString& aLink) const { QTest::keyClick(Control<TLinkLabel>(aLink), Qt::Key_Space); }
    static QStringList Rows(const QListWidget* aList);
    static QStringList Checked(const QListWidget* aList);

    std::unique_ptr<TShell> FShell;
    std::shared_ptr<TRecordingHandler> FAnswers;
};

void TestBetScreen::init()
{
    FShell = std::make_unique<TShell>();
    QVERIFY(FShell->Folder.isValid());
    FAnswers = std::make_shared<TRecordingHandler>();
    Dialogs::SetHandler(FAnswers);
    STEP(StartWindow());
}

void TestBetScreen::cleanup()
{
    FShell.reset();
    FAnswers.reset();
    LoginName.clear();
    UserFolder.clear();
}

void TestBetScreen::StartWindow()
{
    TfrmPrincipalNorvadel* window = FShell->Start();
    window->DockPanelUtils->setAutoHide(false);
    window->DockPanelUtils->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(frmLogin);
}

void TestBetScreen::Restart()
{
    FShell->Close();
    QVERIFY(!frmCadAposta);
    STEP(StartWindow());
}

void TestBetScreen::Register(const QString& aName)
{
    QTest::keyClick(frmLogin->lblNaoRegistrado, Qt::Key_Space);
    QVERIFY(frmRegLogin);
    const auto reg = [](const char* aControl) {
        return frmRegLogin->findChild<QLineEdit*>(QString::fromLatin1(aControl));
    };
    reg("cxtxtdtNome")->setText(aName);
    reg("cxtxtdtEmpresa")->setText(QStringLiteral("Loja"));
    reg("cxtxtdtemail")->setText(QStringLiteral("a@exemplo"));
    reg("cxtxtdtSenha")->setText(kSenha);
    reg("cxtxtdtSenhaAgain")->setText(kSenha);
    reg("cxtxtdtResposta")->setText(QStringLiteral("Tubarão"));
    frmRegLogin->findChild<QPushButton*>(QStringLiteral("btnRegistrar"))->click();
}

void TestBetScreen::LogIn(const QString& aName)
{
    Control<QLineEdit>(QStringLiteral("edtLoginName"))->setText(aName);
    Control<QLineEdit>(QStringLiteral("edtLoginSenha"))->setText(kSenha);
    Click(QStringLiteral("btnLogar"));
    QVERIFY(Logado);
    QCOMPARE(LoginName, aName);
}

void TestBetScreen::LogOut()
{
    Click(QStringLiteral("btnLogar"));
    QVERIFY(!Logado);
}

void TestBetScreen::OpenScreen()
{
    QTest::mouseClick(frmApresentaNorvadel->btnCadAposta, Qt::LeftButton);
    QVERIFY(frmCadAposta);
    QTRY_VERIFY(frmCadAposta->isVisible());
}

void TestBetScreen::Ready()
{
    STEP(Register(kAna));
    STEP(LogIn(kAna));
    STEP(OpenScreen());
}

void TestBetScreen::StoreGroup(const QString& aName, const QStringList& aLines)
{
    Memo()->setPlainText(aLines.join(u'\n'));
    Name()->setEditText(aName);
    Click(QStringLiteral("btnInserirNovo"));
}

void TestBetScreen::ClickGroup(const QString& aName)
{
    QListWidget* groups = Groups();
    const QList<QListWidgetItem*> found = groups->findItems(aName, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(aName));
    QTest::mouseClick(groups->viewport(), Qt::LeftButton, {}, groups->visualItemRect(found.first()).center());
}

QStringList TestBetScreen::Rows(const QListWidget* aList)
{
    QStringList rows;
    for (int i = 0; i < aList->count(); ++i)
        rows << aList->item(i)->text();
    return rows;
}

QStringList TestBetScreen::Checked(const QListWidget* aList)
{
    QStringList rows;
    for (int i = 0; i < aList->count(); ++i)
        if (aList->item(i)->checkState() == Qt::Checked)
            rows << aList->item(i)->text();
    return rows;
}

void TestBetScreen::opensFromTheWelcomeScreenWithItsTexts()
{
    STEP(Ready());
    QCOMPARE(frmCadAposta->parentWidget(), FShell->Window->DockPanelWorks);
    QCOMPARE(frmCadAposta->windowTitle(), QStringLiteral("Cadastro de apostas"));
    QCOMPARE(frmCadAposta->FrameTop1->Titulo->text(), QStringLiteral("Obrix System BR - Cadastro de Apostas"));
    // A second press shows the same screen.
    TfrmCadAposta* first = frmCadAposta;
    STEP(OpenScreen());
    QCOMPARE(frmCadAposta.data(), first);

    QCOMPARE(Control<QGroupBox>(QStringLiteral("cxgrpbxMemo"))->title(),
             QStringLiteral("Apostas (uma por linha, Nros Separados por Ponto e Virgula)"));
    const QList<std::pair<const char*, const char*>> captions = {{"lbl1", "Nome do Grupo"},
                                                                 {"lbl3", "Grupos disponíveis"},
                                                                 {"lbl2", "Apostas do Grupo"},
                                                                 {"lbl4", "6"},
                                                                 {"lbl13", "15"},
                                                                 {"lbl14", "Salvar marcas"},
                                                                 {"lblLinkGroupExport", "Exportar"},
                                                                 {"lblLinkGroupRemove", "Remover"},
                                                                 {"lblLinkItemRemove", "Remover"}};
    for (const auto& [name, caption] : captions)
        QCOMPARE(Control<QLabel>(QString::fromLatin1(name))->text(), QString::fromUtf8(caption));
    const QList<std::pair<const char*, const char*>> buttons = {
        {"btnInserirAposta", "Inserir"}, {"btnLimparAposta", "Limpar"},
        {"btnInserirNovo", "Inserir"},   {"btnSalvar", "Salvar"},
        {"btnLimpar", "Limpar"},         {"btnCarregaJogosNovo", "Carregar arquivo de apostas"}};
    for (const auto& [name, caption] : buttons)
        QCOMPARE(Control<QPushButton>(QString::fromLatin1(name))->text(), QString::fromUtf8(caption));
    for (int i = 1; i <= 15; ++i) {
        auto* box = Control<QLineEdit>(QStringLiteral("cxtxtdt%1").arg(i));
        QCOMPARE(box->maxLength(), 2);
        QCOMPARE(box->accessibleName(), QStringLiteral("Número %1").arg(i));
    }
    auto* help = Control<QPlainTextEdit>(QStringLiteral("cxMemo2"));
    QVERIFY(help->isReadOnly());
    QCOMPARE(help->toPlainText().split(u'\n'),
             QStringList({"Um arquivo de apostas é um arquivo do tipo txt com uma ",
                          "aposta por linha com os números separados por \";\" (ponto e ", "virgula).",
                          "Outro tipode formatação causará um erro no aplicativo.",
                          "Os números devem ter dois dígitos, então, para escrever ",
                          "números de 1 a 9 preencha à esquerda com zero.",
                          "O nome do arquivo será o nome do grupo (você poderá alterar ", "isto).", "", "Obrigado!"}));
    QCOMPARE(Memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(!frmCadAposta->tmrGruposPiscar->isActive());

    ClickLink(QStringLiteral("lblLinkGroupExport"));
    QCOMPARE(FAnswers->Messages, QStringList({"Dê um duplo clique no grupo à exportar e clique no botão salvar."}));
}

void TestBetScreen::typingInTheBoxes()
{
    STEP(Ready());
    const auto box = [this](int aIndex) { return Control<QLineEdit>(QStringLiteral("cxtxtdt%1").arg(aIndex)); };
    // Empty boxes are skipped; nothing is checked when typing.
    const QStringList typed = {"10", "", "33", "04", "", "xx", "06", "", "", "", "", "", "", "", "60"};
    for (int i = 0; i < 15; ++i)
        QTest::keyClicks(box(i + 1), typed[i]);
    Click(QStringLiteral("btnInserirAposta"));
    QCOMPARE(Memo()->toPlainText(), QStringLiteral("10;33;04;xx;06;60"));
    for (int i = 1; i <= 15; ++i)
        QVERIFY(box(i)->text().isEmpty());
    QCOMPARE(frmCadAposta->window()->focusWidget(), box(1));

    // All boxes empty: no line is added.
    Click(QStringLiteral("btnInserirAposta"));
    QCOMPARE(Memo()->toPlainText(), QStringLiteral("10;33;04;xx;06;60"));

    QTest::keyClicks(box(2), QStringLiteral("123"));
    QCOMPARE(box(2)->text(), QStringLiteral("12"));
    Click(QStringLiteral("btnLimparAposta"));
    QVERIFY(box(2)->text().isEmpty());
    QCOMPARE(Memo()->toPlainText(), QStringLiteral("10;33;04;xx;06;60"));

    Name()->setEditText(QStringLiteral("algo"));
    Click(QStringLiteral("btnLimpar"));
    QVERIFY(Memo()->toPlainText().isEmpty());
    QVERIFY(Name()->currentText().isEmpty());
}

void TestBetScreen::storedLinesAndRejectionReport_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    QTest::newRow("sorted by value") << QStringList{"10;02;33;04;55;06"} << QStringList{"02;04;06;10;33;55"} << none;
    QTest::newRow("one digit filled with zero")
        << QStringList{"5;10;20;30;40;50"} << QStringList{"05;10;20;30;40;50"} << none;
    QTest::newRow("fifteen numbers, blank line skipped")
        << QStringList{"01;02;03;04;05;06;07;08;09;10;11;12;13;14;15", ""}
        << QStringList{"01;02;03;04;05;06;07;08;09;10;11;12;13;14;15"} << none;
    QTest::newRow("too few and too many")
        << QStringList{"01;02;03;04;05", "01;02;03;04;05;06", "01;02;03;04;05;06;07;08;09;10;11;12;13;14;15;16"}
        << QStringList{"01;02;03;04;05;06"}
        << QStringList{"Grupo \"Teste\" gravado com 1 aposta. 2 linhas foram recusadas:\n"
                       "linha 1 (01;02;03;04;05): tem 5 números; uma aposta tem de 6 a 15\n"
                       "linha 3 (01;02;03;04;05;06;07;08;09;10;11;12;13;14;15;16): tem 16 números; uma aposta tem "
                       "de 6 a 15"};
    QTest::newRow("range, repeat, trailing separator")
        << QStringList{"01;02;03;04;05;61", "01;01;02;03;04;05", "01;02;03;04;05;06;"} << QStringList()
        << QStringList{"Grupo \"Teste\" gravado com 0 apostas. 3 linhas foram recusadas:\n"
                       "linha 1 (01;02;03;04;05;61): 61 está fora da faixa de 1 a 60\n"
                       "linha 2 (01;01;02;03;04;05): o número 01 aparece mais de uma vez\n"
                       "linha 3 (01;02;03;04;05;06;): há um número vazio (\";\" sobrando ou repetido)"};
}

void TestBetScreen::storedLinesAndRejectionReport()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, messages);
    STEP(Ready());
    STEP(StoreGroup(QStringLiteral("Teste"), lines));
    QCOMPARE(FAnswers->Messages, messages);
    QVERIFY(Memo()->toPlainText().isEmpty());
    QVERIFY(Name()->currentText().isEmpty());
    QCOMPARE(Rows(Groups()), QStringList{"Teste"});
    // What the file holds, read again after a restart.
    STEP(Restart());
    STEP(LogIn(kAna));
    STEP(OpenScreen());
    STEP(ClickGroup(QStringLiteral("Teste")));
    QCOMPARE(Rows(Bets()), stored);
    // Enciphered: no bet in plain text.
    const QString file = DecodeWin1252(ReadAll(UserPath(kAna, QStringLiteral("Apostas.inx"))));
    QVERIFY(file.contains(QStringLiteral("<Header=Teste>")));
    for (const QString& bet : stored)
        QVERIFY2(!file.contains(bet), qPrintable(bet));
}

void TestBetScreen::storeReplacesOrAdds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QStringList>("betsOfB");

    const QStringList before = {"01;02;03;04;05;06"};
    const QStringList after = {"11;12;13;14;15;16"};
    QTest::newRow("new name goes to the end") << "C" << QStringList{"A", "B", "C"} << before;
    QTest::newRow("same name replaces") << "B" << QStringList{"A", "B"} << after;
    QTest::newRow("other letter case replaces, stored spelling kept") << "b" << QStringList{"A", "B"} << after;
}

void TestBetScreen::storeReplacesOrAdds()
{
    QFETCH(QString, name);
    QFETCH(QStringList, groups);
    QFETCH(QStringList, betsOfB);
    STEP(Ready());
    STEP(StoreGroup(QStringLiteral("A"), {"07;08;09;10;11;12"}));
    STEP(StoreGroup(QStringLiteral("B"), {"01;02;03;04;05;06"}));
    Groups()->item(0)->setCheckState(Qt::Checked);
    Groups()->item(1)->setCheckState(Qt::Checked);
    STEP(StoreGroup(name, {"16;15;14;13;12;11"}));
    QCOMPARE(Rows(Groups()), groups);
    // The list is rebuilt: no marks, the first group highlighted.
    QVERIFY(Checked(Groups()).isEmpty());
    QCOMPARE(Groups()->currentRow(), 0);
    STEP(ClickGroup(QStringLiteral("B")));
    QCOMPARE(Rows(Bets()), betsOfB);
    STEP(ClickGroup(QStringLiteral("A")));
    QCOMPARE(Rows(Bets()), QStringList{"07;08;09;10;11;12"});
    QVERIFY(FAnswers->Messages.isEmpty());
}

void TestBetScreen::doubleClickPutsAGroupBackForEditing()
{
    STEP(Ready());
    STEP(StoreGroup(QStringLiteral("Fim de ano"), {"01;02;03;04;05;06", "07;08;09;10;11;12"}));
    STEP(ClickGroup(QStringLiteral("Fim de ano")));
    QListWidget* groups = Groups();
    QTest::mouseDClick(groups->viewport(), Qt::LeftButton, {}, groups->visualItemRect(groups->item(0)).center());
    QCOMPARE(Memo()->toPlainText(), QStringLiteral("01;02;03;04;05;06\n07;08;09;10;11;12"));
    QCOMPARE(Name()->currentText(), QStringLiteral("Fim de ano"));
    QCOMPARE(groups->item(0)->checkState(), Qt::Unchecked); // a double-click does not mark
    Memo()->appendPlainText(QStringLiteral("13;14;15;16;17;18"));
    Click(QStringLiteral("btnInserirNovo"));
    STEP(ClickGroup(QStringLiteral("Fim de ano")));
    QCOMPARE(Rows(Bets()), QStringList({"01;02;03;04;05;06", "07;08;09;10;11;12", "13;14;15;16;17;18"}));
}

void TestBetScreen::marksAfterRestart_data()
{
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QStringList>("marks");
    QTest::newRow("saved") << true << QStringList{"B", "C"};
    QTest::newRow("not saved") << false << QStringList();
}

void TestBetScreen::marksAfterRestart()
{
    QFETCH(bool, saved);
    QFETCH(QStringList, marks);
    STEP(Ready());
    for (const char* group : {"A", "B", "C"})
        STEP(StoreGroup(QString::fromLatin1(group), {"01;02;03;04;05;06"}));
    Groups()->item(1)->setCheckState(Qt::Checked);
    Groups()->item(2)->setCheckState(Qt::Checked);
    if (saved) {
        ClickLink(QStringLiteral("lbl14"));
        QCOMPARE(FAnswers->Messages, QStringList{"Salvo!"});
    }
    STEP(Restart());
    STEP(LogIn(kAna));
    STEP(OpenScreen());
    QCOMPARE(Rows(Groups()), QStringList({"A", "B", "C"}));
    QCOMPARE(Checked(Groups()), marks);
    QCOMPARE(frmCadAposta->iCheckeds(), int(marks.size()));
}

void TestBetScreen::removal_data()
{
    QTest::addColumn<bool>("groupList"); // true: the group list, false: the bet list
    QTest::addColumn<QString>("how");    // "Delete", "Sim" or "Não"
    QTest::addColumn<QStringList>("left");

    QTest::newRow("group, Delete key") << true << "Delete" << QStringList{"A", "C"};
    QTest::newRow("marked groups, Sim") << true << "Sim" << QStringList{"B"};
    QTest::newRow("marked groups, Não") << true << "Não" << QStringList{"A", "B", "C"};
    QTest::newRow("bet, Delete key") << false << "Delete" << QStringList{"01;02;03;04;05;06", "13;14;15;16;17;18"};
    QTest::newRow("marked bets, Sim") << false << "Sim" << QStringList{"07;08;09;10;11;12"};
    QTest::newRow("marked bets, Não") << false << "Não"
                                      << QStringList{"01;02;03;04;05;06", "07;08;09;10;11;12", "13;14;15;16;17;18"};
}

void TestBetScreen::removal()
{
    QFETCH(bool, groupList);
    QFETCH(QString, how);
    QFETCH(QStringList, left);
    STEP(Ready());
    const QStringList bets = {"01;02;03;04;05;06", "07;08;09;10;11;12", "13;14;15;16;17;18"};
    for (const char* group : {"A", "B", "C"})
        STEP(StoreGroup(QString::fromLatin1(group), bets));
    // The shown group is B; the highlighted one is C: writes go to the shown group.
    STEP(ClickGroup(QStringLiteral("B")));
    QListWidget* list = groupList ? Groups() : Bets();
    list->item(0)->setCheckState(Qt::Checked);
    list->item(2)->setCheckState(Qt::Checked);
    list->setCurrentRow(1);
    if (!groupList)
        Groups()->setCurrentRow(2);
    const QString question = groupList ? QStringLiteral("Esta ação irá apagar os itenhs marcados. Prosseguir?")
                                       : QStringLiteral("Deseja mesmo remover os itens selecionados?");
    if (how == u"Delete") {
        QTest::keyClick(list, Qt::Key_Delete);
        QVERIFY(FAnswers->Messages.isEmpty());
    } else {
        FAnswers->ConfirmAnswers = {how == u"Sim"};
        ClickLink(groupList ? QStringLiteral("lblLinkGroupRemove") : QStringLiteral("lblLinkItemRemove"));
        QCOMPARE(FAnswers->Messages, QStringList{question});
    }
    QCOMPARE(Rows(list), left);
    // The file holds the same, read again by a new start of the screen.
    frmCadAposta->Inicializa();
    if (groupList) {
        QCOMPARE(Rows(Groups()), left);
    } else {
        QCOMPARE(Rows(Groups()), QStringList({"A", "B", "C"}));
        STEP(ClickGroup(QStringLiteral("B")));
        QCOMPARE(Rows(Bets()), left);
        STEP(ClickGroup(QStringLiteral("C")));
        QCOMPARE(Rows(Bets()), bets);
    }
}

void TestBetScreen::arrowKeysChangeNothingEnterShowsBets()
{
    STEP(Ready());
    STEP(StoreGroup(QStringLiteral("A"), {"01;02;03;04;05;06"}));
    STEP(StoreGroup(QStringLiteral("B"), {"11;12;13;14;15;16"}));
    const QByteArray before = ReadAll(UserPath(kAna, QStringLiteral("Apostas.inx")));
    QTest::keyClick(Groups(), Qt::Key_Down);
    QTest::keyClick(Bets(), Qt::Key_Up);
    QCOMPARE(Rows(Groups()), QStringList({"A", "B"}));
    QCOMPARE(ReadAll(UserPath(kAna, QStringLiteral("Apostas.inx"))), before);
    // Enter shows the highlighted group's bets.
    QTest::keyClick(Groups(), Qt::Key_Return);
    QCOMPARE(Rows(Bets()), QStringList{"11;12;13;14;15;16"});
    QCOMPARE(frmCadAposta->ShownGroup(), QStringLiteral("B"));
}

void TestBetScreen::checkingEngineOperations()
{
    STEP(Ready());
    for (const char* group : {"A", "B", "C"})
        STEP(StoreGroup(QString::fromLatin1(group), {QStringLiteral("0%1;10;20;30;40;50").arg(group[0] - 'A' + 1)}));
    QCOMPARE(frmCadAposta->iGrupos(), 3);
    QCOMPARE(frmCadAposta->SelectChecked(1), QStringLiteral("None"));
    Groups()->item(0)->setCheckState(Qt::Checked);
    Groups()->item(2)->setCheckState(Qt::Checked);
    QCOMPARE(frmCadAposta->iCheckeds(), 2);
    QCOMPARE(frmCadAposta->SelectChecked(2), QStringLiteral("C"));
    QCOMPARE(Rows(Bets()), QStringList{"03;10;20;30;40;50"});
    QCOMPARE(frmCadAposta->SelectChecked(3), QStringLiteral("None"));
    QCOMPARE(Rows(Bets()), QStringList{"03;10;20;30;40;50"});
    frmCadAposta->EnablePanels(false);
    QVERIFY(!frmCadAposta->pnl1->isEnabled());
    QVERIFY(!frmCadAposta->pnl2->isEnabled());
    frmCadAposta->EnablePanels(true);
    QVERIFY(frmCadAposta->pnl1->isEnabled() && frmCadAposta->pnl2->isEnabled());
}

void TestBetScreen::blinkingEndsOnTheListColour()
{
    STEP(Ready());
    QTimer* timer = frmCadAposta->tmrGruposPiscar;
    const QColor own = Groups()->palette().color(QPalette::Base);
    const QColor silver(0xC0, 0xC0, 0xC0);
    QVERIFY(own != silver);
    frmCadAposta->GrupoPiscar();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    // The ticks are run here, as the timer would run them, without waiting.
    for (int tick = 1; tick <= 10; ++tick) {
        frmCadAposta->tmrGruposPiscarTimer();
        const bool odd = tick % 2 == 1;
        QCOMPARE(Groups()->palette().color(QPalette::Base), odd ? silver : own);
        QCOMPARE(timer->interval(), odd ? 500 : 3000);
        QCOMPARE(timer->isActive(), tick < 10);
    }
    // Again from the start: the counter was reset.
    frmCadAposta->GrupoPiscar();
    for (int tick = 1; tick <= 10; ++tick)
        frmCadAposta->tmrGruposPiscarTimer();
    QVERIFY(!timer->isActive());
    QCOMPARE(Groups()->palette().color(QPalette::Base), own);
}

void TestBetScreen::logonSwitchesTheFileAndLogoutClears()
{
    STEP(Register(kBeto));
    STEP(Ready());
    STEP(StoreGroup(QStringLiteral("Da Ana"), {"01;02;03;04;05;06"}));
    STEP(ClickGroup(QStringLiteral("Da Ana")));
    Memo()->setPlainText(QStringLiteral("07;08;09;10;11;12"));
    Name()->setEditText(QStringLiteral("rascunho"));
    STEP(LogOut());
    QVERIFY(frmCadAposta);
    QVERIFY(Rows(Groups()).isEmpty());
    QVERIFY(Rows(Bets()).isEmpty());
    QVERIFY(Memo()->toPlainText().isEmpty());
    QVERIFY(Name()->currentText().isEmpty());

    STEP(LogIn(kBeto));
    QVERIFY(Rows(Groups()).isEmpty());
    STEP(StoreGroup(QStringLiteral("Do Beto"), {"11;12;13;14;15;16"}));
    QVERIFY(QFile::exists(UserPath(kBeto, QStringLiteral("Apostas.inx"))));
    STEP(LogOut());
    STEP(LogIn(kAna));
    QCOMPARE(Rows(Groups()), QStringList{"Da Ana"});
    STEP(ClickGroup(QStringLiteral("Da Ana")));
    QCOMPARE(Rows(Bets()), QStringList{"01;02;03;04;05;06"});
}

void TestBetScreen::loadBetFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");

    QTest::newRow("group name cut at the first dot")
        << "minhas apostas.2014.txt" << QByteArray("01;02;03;04;05;06\r\n10;20;30;40;50;60\r\n")
        << "01;02;03;04;05;06\n10;20;30;40;50;60"
        << "minhas apostas";
    QTest::newRow("UTF-8") << "jogos.txt" << QByteArray("sorte de S\xc3\xa3o Jo\xc3\xa3o\n01;02;03;04;05;06")
                           << QString::fromUtf8("sorte de São João\n01;02;03;04;05;06") << "jogos";
    QTest::newRow("Windows-1252") << "Jo\xc3\xa3o.export" << QByteArray("sorte de S\xe3o Jo\xe3o\n")
                                  << QString::fromUtf8("sorte de São João") << QString::fromUtf8("João");
    QTest::newRow("no dot") << "semponto" << QByteArray("01;02;03;04;05;06") << "01;02;03;04;05;06"
                            << "semponto";
}

void TestBetScreen::loadBetFile()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QString, name);
    STEP(Ready());
    const QString path = FShell->Folder.filePath(file);
    STEP(WriteAll(path, bytes));
    Memo()->setPlainText(QStringLiteral("será trocado"));
    FAnswers->PathAnswers = {path};
    Click(QStringLiteral("btnCarregaJogosNovo"));
    QCOMPARE(FAnswers->PathQuestions, QStringList{"open|Abrir arquivo com jogos em linha|Arquivo texto "
                                                  "(*.txt);;Arquivo Export (*.export)"});
    QCOMPARE(Memo()->toPlainText(), text);
    QCOMPARE(Name()->currentText(), name);
    // Cancelled: nothing changes.
    Click(QStringLiteral("btnCarregaJogosNovo"));
    QCOMPARE(Memo()->toPlainText(), text);
    QVERIFY(FAnswers->Messages.isEmpty());
}

void TestBetScreen::exportFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("file"); // in the user folder; empty: no file is written
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("written as UTF-8 with CR LF")
        << QString::fromUtf8("Sorte de São João") << "Salvo na sua pasta de arquivos Obrix."
        << QString::fromUtf8("Sorte de São João.export") << QByteArray("01;02;03;04;05;06\r\nlinha com \xc3\xa7\r\n");
    QTest::newRow("no name") << ""
                             << "Escreva um nome para o arquivo."
                             << "" << QByteArray();
    QTest::newRow("never outside the user folder")
        << "../fora" << QString::fromUtf8("O nome do grupo não pode conter o caractere \"/\".") << "" << QByteArray();
}

void TestBetScreen::exportFile()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    STEP(Ready());
    Memo()->setPlainText(QString::fromUtf8("01;02;03;04;05;06\nlinha com ç"));
    Name()->setEditText(name);
    Click(QStringLiteral("btnSalvar"));
    QCOMPARE(FAnswers->Messages, QStringList{message});
    QStringList written = QDir(UserPath(kAna)).entryList({"*.export"}, QDir::Files);
    written += QDir(UserPath(kAna) + QStringLiteral("..")).entryList({"*.export"}, QDir::Files);
    QCOMPARE(written, file.isEmpty() ? QStringList() : QStringList{file});
    if (!file.isEmpty())
        QCOMPARE(ReadAll(UserPath(kAna, file)), bytes);
    // The text box is kept for more work.
    QCOMPARE(Memo()->toPlainText(), QString::fromUtf8("01;02;03;04;05;06\nlinha com ç"));
}

void TestBetScreen::writeFailureKeepsWhatWasTyped_data()
{
    QTest::addColumn<QString>("action"); // "store", "export" or "marks"
    QTest::addColumn<QString>("file");
    QTest::newRow("storing a group") << "store"
                                     << "Apostas.inx";
    QTest::newRow("saving the marks") << "marks"
                                      << "Apostas.inx";
    QTest::newRow("exporting") << "export"
                               << "Novo.export";
}

void TestBetScreen::writeFailureKeepsWhatWasTyped()
{
    REQUIRE_FILE_MODES();
    QFETCH(QString, action);
    QFETCH(QString, file);
    STEP(Ready());
    STEP(StoreGroup(QStringLiteral("A"), {"01;02;03;04;05;06"}));
    Groups()->item(0)->setCheckState(Qt::Checked);
    const QByteArray before = ReadAll(UserPath(kAna, QStringLiteral("Apostas.inx")));
    Memo()->setPlainText(QStringLiteral("07;08;09;10;11;12"));
    Name()->setEditText(QStringLiteral("Novo"));
    QVERIFY(SetMode(UserPath(kAna), 0500));
    if (action == u"store")
        Click(QStringLiteral("btnInserirNovo"));
    else if (action == u"export")
        Click(QStringLiteral("btnSalvar"));
    else
        ClickLink(QStringLiteral("lbl14"));
    QVERIFY(SetMode(UserPath(kAna), 0700));
    QCOMPARE(FAnswers->Messages.size(), 1);
    const QString shown = FAnswers->Messages.first();
    QVERIFY2(shown.startsWith(QStringLiteral("Não foi possível gravar o arquivo \"%1\"").arg(UserPath(kAna, file))),
             qPrintable(shown));
    // Logged with the same reason.
    QVERIFY2(FShell->ProgramText(QStringLiteral("Log.log")).contains(shown), qPrintable(shown));
    QCOMPARE(ReadAll(UserPath(kAna, QStringLiteral("Apostas.inx"))), before);
    // Nothing typed is lost; the marks on screen stay.
    QCOMPARE(Memo()->toPlainText(), QStringLiteral("07;08;09;10;11;12"));
    QCOMPARE(Name()->currentText(), QStringLiteral("Novo"));
    QCOMPARE(Checked(Groups()), QStringList{"A"});
    QVERIFY(!QFile::exists(UserPath(kAna, QStringLiteral("Novo.export"))));
}

void TestBetScreen::unreadableFileIsToldAndKept()
{
    STEP(Register(kAna));
    // A folder where the file should be: it can be neither read nor replaced.
    const QString file = UserPath(kAna, QStringLiteral("Apostas.inx"));
    QVERIFY(QDir().mkpath(file));
    STEP(LogIn(kAna));
    STEP(OpenScreen());
    QCOMPARE(FAnswers->Messages.size(), 1);
    const QString told = FAnswers->Messages.takeFirst();
    QVERIFY2(told.startsWith(QStringLiteral("Não foi possível ler o arquivo \"%1\"").arg(file)), qPrintable(told));
    QVERIFY2(FShell->ProgramText(QStringLiteral("Log.log")).contains(told), qPrintable(told));
    // Storing then fails with the reason, and the group stays typed.
    STEP(StoreGroup(QStringLiteral("A"), {"01;02;03;04;05;06"}));
    QCOMPARE(FAnswers->Messages.size(), 1);
    QVERIFY2(
        FAnswers->Messages.first().startsWith(QStringLiteral("Não foi possível gravar o arquivo \"%1\"").arg(file)),
        qPrintable(FAnswers->Messages.first()));
    QCOMPARE(Memo()->toPlainText(), QStringLiteral("01;02;03;04;05;06"));
    QCOMPARE(Name()->currentText(), QStringLiteral("A"));
    QVERIFY(QFileInfo(file).isDir());
}

int main(int argc, char** argv)
{
    TNorvadelApplication app(argc, argv);
    TestBetScreen test;
    return RunShellTests(test, argc, argv);
}

#include "TestBetScreen.moc"
