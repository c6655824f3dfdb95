// The main window on temporary folders: start-up and close, the run marker, the log, the data
// folder, the side bar, the welcome screen, the control panel, the settings screens, the alerts and
// the exception handler of the event loop.

#include "ShellFixture.h"

#include "app/TDockPanel.h"
#include "app/TFrameTop.h"
#include "app/TNorvadelApplication.h"
#include "app/TPictureBox.h"
#include "app/TWinSessionManager.h"
#include "app/TWorkScreens.h"
#include "app/TfrmApresentaNorvadel.h"
#include "app/TLinkLabel.h"
#include "app/TfrmLeftBarNorvadel.h"
#include "app/TfrmSobreNorvadel.h"
#include "lottery/TfrmConfigEspec.h"
#include "support/TDesktopAlert.h"
#include "support/TfrmAlertas.h"
#include "support/TfrmBasicConfig.h"
#include "util/Exceptions.h"
#include "util/Globals.h"
#include "tests/TestFiles.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <csignal>
#include <vector>

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void runMarker_data();
    void runMarker();
    void logHasStartAndCloseEntries();
    void failingStartIsLoggedAndGoesOn();
    void dataFolder_data();
    void dataFolder();
    void dataFolderThatCannotBeMadeIsLogged();
    void openDataFolderIsClosedOnce();
    void sideBarDocksEachTabOnce();
    void background_data();
    void background();
    void pressesBeforeLoginGiveLoginMessages();
    void loginStateSetsWelcomeTitle();
    void workScreenOpensOnceThroughTheRecipe();
    void controlPanelDocksItsWindows();
    void handlerExceptionIsLoggedAndWindowGoesOn_data();
    void handlerExceptionIsLoggedAndWindowGoesOn();
    void alertsTakeHeaderAndTimeFromIni();
    void alertsStackWithoutCovering();
    void specificSettingsWithoutFile();
    void specificSettingsLoad_data();
    void specificSettingsLoad();
    void basicSettingsRestartMessage_data();
    void basicSettingsRestartMessage();
    void panelsRevealNearTheirEdge_data();
    void panelsRevealNearTheirEdge();
    void aboutAndHelpLinks();
    void enterMovesTheFocusLikeTab();
    void endRequestClosesInOrder();

private:
    std::vector<TWorkScreen> FProgramRows;
};

namespace {
const QString kLoginMessage =
    QStringLiteral("Você não está logado. Por favor acesse o painel de utilidades e faça o login. Obrigado!");

QStringList NewsLines(const TShell& aShell)
{
    const QString text = aShell.Find<QPlainTextEdit>(QStringLiteral("cxMemoNoticias"))->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

class TPlainScreen : public TfrmBasic
{
public:
    using TfrmBasic::TfrmBasic;
};
} // namespace

// The work screen rows a test registers hold references into that test: after every test, also one
// that stopped at a failed comparison, the rows are put back as the program has them (a row
// without Instance for a screen it does not have).
void TestMainWindow::init()
{
    FProgramRows.clear();
    for (const char* button : {"btnCadAposta", "btnLancaConcurso", "btnConferencia"}) {
        const TWorkScreen* row = FindWorkScreen(QString::fromLatin1(button));
        FProgramRows.push_back(row ? *row : TWorkScreen{QString::fromLatin1(button), QString(), QString(), {}, {}});
    }
}

void TestMainWindow::cleanup()
{
    for (const TWorkScreen& row : FProgramRows)
        RegisterWorkScreen(row);
}

void TestMainWindow::runMarker_data()
{
    QTest::addColumn<QByteArray>("before"); // Crash.ini before the start; empty: no file
    QTest::addColumn<QString>("first");
    QTest::addColumn<bool>("crashDetected");
    QTest::newRow("first start") << QByteArray() << "1" << false;
    QTest::newRow("orderly close") << QByteArray("[Crash]\r\nFirst=1\r\nCrashed=0\r\n") << "0" << false;
    QTest::newRow("unclean end") << QByteArray("[Crash]\r\nFirst=0\r\nCrashed=1\r\n") << "0" << true;
    QTest::newRow("no Crashed key") << QByteArray("[Crash]\r\nFirst=0\r\n") << "0" << true;
}

void TestMainWindow::runMarker()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, first);
    QFETCH(bool, crashDetected);
    TShell shell;
    if (!before.isEmpty())
        shell.ProgramFile(QStringLiteral("Crash.ini"), before);
    // The newest day of the log is what the crash report shows.
    shell.ProgramFile(QStringLiteral("Log.log"), "[10/12/2026]\r\n22:10:00-Exception=Ocorreu uma exceção\r\nErro "
                                                 "externo.\r\n[9/12/2026]\r\n08:00:00-OK=Inicialização de "
                                                 "aplicativo\r\n\r\n");
    TfrmPrincipalNorvadel* window = shell.Start();
    QCOMPARE(window->iCrashDetected(), crashDetected);
    QCOMPARE(CrashLogLines.isEmpty(), !crashDetected);
    if (crashDetected)
        QCOMPARE(CrashLogLines,
                 QStringList({"[10/12/2026]", "22:10:00-Exception=Ocorreu uma exceção", "Erro externo."}));
    QCOMPARE(shell.IniValue(QStringLiteral("Crash.ini"), QStringLiteral("Crash"), QStringLiteral("First")), first);
    QCOMPARE(shell.IniValue(QStringLiteral("Crash.ini"), QStringLiteral("Crash"), QStringLiteral("Crashed")), "1");
    shell.Close();
    QCOMPARE(shell.IniValue(QStringLiteral("Crash.ini"), QStringLiteral("Crash"), QStringLiteral("Crashed")), "0");
}

void TestMainWindow::logHasStartAndCloseEntries()
{
    TShell shell;
    shell.Start();
    shell.Close();
    const QStringList lines = shell.ProgramText(QStringLiteral("Log.log")).split(QStringLiteral("\r\n"));
    QVERIFY2(lines.size() >= 6, qPrintable(lines.join(QLatin1Char('|'))));
    QVERIFY(QRegularExpression(QStringLiteral(R"(^\[\d+/\d+/\d{4}\]$)")).match(lines[0]).hasMatch());
    const QRegularExpression entry(QStringLiteral(R"(^\d\d:\d\d:\d\d-OK=Inicialização de aplicativo$)"));
    QVERIFY2(entry.match(lines[1]).hasMatch(), qPrintable(lines[1])); // the close, newest first
    QVERIFY2(entry.match(lines[2]).hasMatch(), qPrintable(lines[2])); // the start, with its details
    QCOMPARE(lines[3], "Inicialização do procedimento");
    QCOMPARE(lines[4], "Tratamento de Crash");
}

void TestMainWindow::failingStartIsLoggedAndGoesOn()
{
    // After an unclean end the newest day of the log is read; an empty log cannot give one.
    TShell shell;
    shell.ProgramFile(QStringLiteral("Crash.ini"), "[Crash]\r\nFirst=0\r\nCrashed=1\r\n");
    shell.ProgramFile(QStringLiteral("Log.log"), QByteArray());
    shell.Start();
    const QStringList lines = shell.ProgramText(QStringLiteral("Log.log")).split(QStringLiteral("\r\n"));
    QVERIFY2(lines.size() >= 5, qPrintable(lines.join(QLatin1Char('|'))));
    QVERIFY2(lines[1].endsWith(QStringLiteral("-OK=Inicialização de aplicativo")), qPrintable(lines[1]));
    QVERIFY2(lines[2].endsWith(QStringLiteral("-Exception=Inicialização de aplicativo")), qPrintable(lines[2]));
    QCOMPARE(lines.mid(3, 2), QStringList({"Inicialização do procedimento", "Tratamento de Crash"}));
    // The rest of the base start-up was skipped (no alert); the window opened all the same.
    QVERIFY(frmAlertas->AlertStack->Shown().isEmpty());
    QVERIFY(frmApresentaNorvadel && frmApresentaNorvadel->isVisible());
    shell.Close();
    QCOMPARE(shell.IniValue(QStringLiteral("Crash.ini"), QStringLiteral("Crash"), QStringLiteral("Crashed")), "0");
}

void TestMainWindow::dataFolder_data()
{
    QTest::addColumn<QString>("docPath"); // relative to the temporary folder; "-" for none
    QTest::newRow("documents folder of the system") << "-";
    QTest::newRow("folder set in the basic settings") << "meus/";
    QTest::newRow("folder set without a trailing separator") << "meus";
}

void TestMainWindow::dataFolder()
{
    QFETCH(QString, docPath);
    TShell shell;
    QString documents = shell.Documents();
    if (docPath != QStringLiteral("-")) {
        documents = shell.Folder.filePath(docPath);
        shell.ProgramFile(QStringLiteral("BasicConfig.ini"), "[BasicConfig]\r\nDocPath=" + documents.toUtf8() + "\r\n");
    }
    shell.Start();
    const QString expected =
        shell.Folder.filePath(docPath == QStringLiteral("-") ? QStringLiteral("documents") : QStringLiteral("meus")) +
        QStringLiteral("/Obrix/Norvadel");
    QCOMPARE(DataFolder, expected);
    QVERIFY(QFileInfo(DataFolder).isDir());
    QCOMPARE(ModeText(DataFolder), QStringLiteral("700")); // it holds every account's passwords
    QCOMPARE(frmBasicConfig->edtDocumentFolder->text(), documents);
    shell.Close();
    QCOMPARE(
        shell.IniValue(QStringLiteral("BasicConfig.ini"), QStringLiteral("BasicConfig"), QStringLiteral("DocPath")),
        documents);
}

void TestMainWindow::dataFolderThatCannotBeMadeIsLogged()
{
    TShell shell;
    // A file stands where the documents folder should be.
    shell.ProgramFile(QStringLiteral("arquivo"), "x");
    const QString documents = shell.Program(QStringLiteral("arquivo/docs"));
    shell.ProgramFile(QStringLiteral("BasicConfig.ini"), "[BasicConfig]\r\nDocPath=" + documents.toUtf8() + "\r\n");
    TfrmPrincipalNorvadel* window = shell.Start();
    QVERIFY(window->isVisible());
    QVERIFY2(
        shell.ProgramText(QStringLiteral("Log.log"))
            .contains(QStringLiteral("Não foi possível criar a pasta de dados %1/Obrix/Norvadel: ").arg(documents)),
        qPrintable(shell.ProgramText(QStringLiteral("Log.log"))));
}

void TestMainWindow::openDataFolderIsClosedOnce()
{
    TShell shell;
    const QString data = shell.Documents() + QStringLiteral("/Obrix/Norvadel");
    QVERIFY(QDir().mkpath(data));
    QVERIFY(SetMode(data, 0755)); // as an earlier version left it
    const QString notice = QStringLiteral("A pasta de dados %1 podia ser lida por outros usuários").arg(data);
    shell.Start();
    QCOMPARE(ModeText(data), QStringLiteral("700"));
    QCOMPARE(shell.ProgramText(QStringLiteral("Log.log")).count(notice), 1);
    shell.Close();
    shell.Start();
    shell.Close();
    QCOMPARE(shell.ProgramText(QStringLiteral("Log.log")).count(notice), 1);
}

void TestMainWindow::sideBarDocksEachTabOnce()
{
    TShell shell;
    TfrmPrincipalNorvadel* window = shell.Start();
    TfrmLeftBar* bar = window->FLeftBar.get();
    QVERIFY(bar);
    auto* pages = shell.Find<QTabWidget>(QStringLiteral("pgcUtilities"));
    QCOMPARE(pages->count(), 2);
    QCOMPARE(pages->tabText(0), "Configurações");
    QCOMPARE(pages->tabText(1), "Login");
    QCOMPARE(pages->currentIndex(), 0);
    QVERIFY(bar->IsDocked(QStringLiteral("Configurações")));
    QVERIFY(!bar->IsDocked(QStringLiteral("Recuperação de senha")));
    // The basic settings offer no choice of password system here.
    QVERIFY(!frmBasicConfig->cxGrpSSenha->isEnabled());
    QVERIFY(shell.Find<QRadioButton>(QStringLiteral("rbSSenha0"))->isChecked());

    bar->Docar(QStringLiteral("Login"), QString());
    QCOMPARE(pages->count(), 2);
    QCOMPARE(pages->currentIndex(), 1);             // asked again: only brought forward
    bar->Docar(QStringLiteral("login"), QString()); // names match exactly
    QCOMPARE(pages->count(), 2);
    QVERIFY(!bar->IsDocked(QStringLiteral("login")));
    // The side bar waits hidden at the left edge.
    QVERIFY(window->DockPanelUtils->AutoHide());
    QVERIFY(!window->DockPanelUtils->isVisible());
}

void TestMainWindow::background_data()
{
    QTest::addColumn<QString>("bgPath"); // BGPath in BasicConfig.ini: "" for none
    QTest::addColumn<bool>("bgJpg");     // a bg.jpg beside the program
    QTest::addColumn<QString>("shown");  // the picture's file; "" for the designed one
    QTest::newRow("designed picture") << "" << false << "";
    QTest::newRow("bg.jpg beside the program") << "" << true << "program/bg.jpg";
    QTest::newRow("picture of the settings") << "fundo.jpg" << true << "fundo.jpg";
    QTest::newRow("missing picture of the settings") << "nada.jpg" << true << "";
}

void TestMainWindow::background()
{
    QFETCH(QString, bgPath);
    QFETCH(bool, bgJpg);
    QFETCH(QString, shown);
    TShell shell;
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QDir().mkpath(shell.Program());
    QVERIFY(picture.save(shell.Folder.filePath(QStringLiteral("fundo.jpg")), "JPG"));
    if (bgJpg)
        QVERIFY(picture.save(shell.Program(QStringLiteral("bg.jpg")), "JPG"));
    if (!bgPath.isEmpty())
        shell.ProgramFile(QStringLiteral("BasicConfig.ini"),
                          "[BasicConfig]\r\nBGPath=" + shell.Folder.filePath(bgPath).toUtf8() + "\r\n");
    TfrmPrincipalNorvadel* window = shell.Start();
    QCOMPARE(window->IMGBasicBacgroud->FileName(), shown.isEmpty() ? QString() : shell.Folder.filePath(shown));
    QVERIFY(!window->IMGBasicBacgroud->Picture().isNull());
}

void TestMainWindow::pressesBeforeLoginGiveLoginMessages()
{
    TShell shell;
    shell.Start();
    QCOMPARE(shell.Find<QLabel>(QStringLiteral("LblVersao"))->text(), "Versão: 1.0.0.4");
    QCOMPARE(frmApresentaNorvadel->FrameTop1->Titulo->text(), "Obrix System BR - Apresentação");
    for (const char* button :
         {"btnCadAposta", "btnLancaConcurso", "btnConferencia", "btnPainelDeControle", "btnOneButton"})
        QTest::mouseClick(shell.Find<QPushButton>(QString::fromLatin1(button)), Qt::LeftButton);
    QCOMPARE(NewsLines(shell), QStringList(5, kLoginMessage));
    // Nothing was opened.
    QCOMPARE(shell.Window->SessionManager()->Sessions().size(), std::size_t(1));
}

void TestMainWindow::loginStateSetsWelcomeTitle()
{
    TShell shell;
    TfrmPrincipalNorvadel* window = shell.Start();
    // The title takes the name from the login form's name box.
    LoginName = QStringLiteral("Maria Souza");
    if (auto* name = shell.Window->findChild<QLineEdit*>(QStringLiteral("edtLoginName")))
        name->setText(LoginName);
    window->setLogado(true);
    QVERIFY(Logado);
    QCOMPARE(frmApresentaNorvadel->FrameTop1->Titulo->text(), "Bem Vindo - Maria Souza");
    QTest::mouseClick(shell.Find<QPushButton>(QStringLiteral("btnOneButton")), Qt::LeftButton);
    QCOMPARE(NewsLines(shell), QStringList({"Não implementado nesta versão"}));
    window->setLogado(false);
    QVERIFY(!Logado);
    QCOMPARE(frmApresentaNorvadel->FrameTop1->Titulo->text(), "Obrix System BR - Buscando o futuro");
    // The logout reaction empties the welcome screen, keeping the summary's rows.
    const int rows = frmApresentaNorvadel->advstrngrdAcertos->model()->rowCount();
    static_cast<TfrmLeftBarNorvadel*>(window->FLeftBar.get())->LogoutReaction(nullptr);
    QCOMPARE(frmApresentaNorvadel->FrameTop1->Titulo->text(), "Obrix System BR - Apresentação");
    QVERIFY(NewsLines(shell).isEmpty());
    QAbstractItemModel* grid = frmApresentaNorvadel->advstrngrdAcertos->model();
    QCOMPARE(grid->rowCount(), rows);
    QCOMPARE(grid->headerData(0, Qt::Horizontal).toString(), QString());
}

void TestMainWindow::workScreenOpensOnceThroughTheRecipe()
{
    TShell shell;
    TfrmPrincipalNorvadel* window = shell.Start();
    QPointer<TfrmBasic> screen;
    int created = 0;
    RegisterWorkScreen({QStringLiteral("btnCadAposta"),
                        QStringLiteral("Cadastro de apostas"),
                        QStringLiteral("Cadastro de apostas"),
                        [&](QWidget* aOwner) -> TfrmBasic* {
                            if (!screen) {
                                screen = new TPlainScreen(aOwner);
                                ++created;
                            }
                            return screen;
                        },
                        {}});
    window->setLogado(true);
    auto* button = shell.Find<QPushButton>(QStringLiteral("btnCadAposta"));
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(created, 1);
    QCOMPARE(screen->parentWidget(), window->DockPanelWorks);
    QVERIFY(screen->isVisible());
    TWinSession* principal = window->SessionManager()->Session();
    QCOMPARE(principal->SessionName(), "Principal");
    QCOMPARE(principal->Buttons().size(), std::size_t(2));
    QCOMPARE(principal->Buttons()[1]->Name(), "Cadastro de apostas");
    QVERIFY(principal->Buttons()[1]->iCanClose());

    // The checking screen hides itself again when it cannot proceed; its button stays.
    QPointer<TfrmBasic> checking;
    RegisterWorkScreen({QStringLiteral("btnConferencia"), QStringLiteral("Conferência"),
                        QStringLiteral("Conferência de resultados"),
                        [&](QWidget* aOwner) -> TfrmBasic* {
                            if (!checking)
                                checking = new TPlainScreen(aOwner);
                            return checking;
                        },
                        [](TfrmBasic*) { return false; }});
    QTest::mouseClick(shell.Find<QPushButton>(QStringLiteral("btnConferencia")), Qt::LeftButton);
    QCOMPARE(principal->Buttons().size(), std::size_t(3));
    QCOMPARE(principal->Buttons()[2]->Name(), "Conferência");
    QVERIFY(principal->Buttons()[2]->ButtonAction()->isVisible());
    QVERIFY(!checking->isVisible());
}

void TestMainWindow::controlPanelDocksItsWindows()
{
    TShell shell;
    TfrmPrincipalNorvadel* window = shell.Start();
    window->setLogado(true);
    QTest::mouseClick(shell.Find<QPushButton>(QStringLiteral("btnPainelDeControle")), Qt::LeftButton);
    TWinSession* panel = window->SessionManager()->Session();
    QCOMPARE(panel->SessionName(), "Painel de Controle");
    QCOMPARE(panel->SessionHint(), "Sessão de configuração");
    QCOMPARE(panel->Buttons().size(), std::size_t(2));
    QCOMPARE(panel->Buttons()[0]->Name(), "Alertas");
    QCOMPARE(panel->Buttons()[1]->Name(), "Config Específica");
    QVERIFY(!frmAlertas->isVisible()); // hidden behind its button
    QVERIFY(panel->Buttons()[0]->ButtonAction()->isVisible());
    QVERIFY(frmConfigEspec->isVisible());
    QVERIFY(!frmApresentaNorvadel->isVisible());
    // "X" only hides the control panel's windows.
    QTest::mouseClick(frmConfigEspec->FrameTop1->btnCloseForm, Qt::LeftButton);
    QVERIFY(!frmConfigEspec->isVisible());
    QVERIFY(panel->Buttons()[1]->ButtonAction()->isVisible());
    QCOMPARE(panel->Buttons()[1]->WinState(), winMinimized);
}

void TestMainWindow::handlerExceptionIsLoggedAndWindowGoesOn_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("logged"); // the detail line of the new log entry; "" for no entry
    QTest::addColumn<QStringList>("told");
    QTest::newRow("conversion error") << 0 << "Erro de Conversão de tipos." << QStringList();
    QTest::newRow("silent abort") << 1 << "" << QStringList();
    QTest::newRow("not an exception object") << 2 << "Exceção desconhecida." << QStringList({"Exceção desconhecida."});
}

void TestMainWindow::handlerExceptionIsLoggedAndWindowGoesOn()
{
    QFETCH(int, kind);
    QFETCH(QString, logged);
    QFETCH(QStringList, told);
    TShell shell;
    TfrmPrincipalNorvadel* window = shell.Start();
    RegisterWorkScreen({QStringLiteral("btnLancaConcurso"),
                        QStringLiteral("Lança Concurso"),
                        QStringLiteral("Cadastro de concursos"),
                        [kind](QWidget*) -> TfrmBasic* {
                            if (kind == 1)
                                throw EAbort(QStringLiteral("parar"));
                            if (kind == 2)
                                throw 42;
                            throw EConvertError(QStringLiteral("'x' não é um número"));
                        },
                        {}});
    window->setLogado(true);
    const QString before = shell.ProgramText(QStringLiteral("Log.log"));
    QTest::mouseClick(shell.Find<QPushButton>(QStringLiteral("btnLancaConcurso")), Qt::LeftButton);
    const QString after = shell.ProgramText(QStringLiteral("Log.log"));
    if (logged.isEmpty())
        QCOMPARE(after, before);
    else
        QVERIFY2(after.contains(QStringLiteral("-Exception=Ocorreu uma exceção\r\n") + logged + QStringLiteral("\r\n")),
                 qPrintable(after));
    QCOMPARE(shell.Answers->Messages, told);
    // The window goes on with the next event.
    QTest::mouseClick(shell.Find<QPushButton>(QStringLiteral("btnOneButton")), Qt::LeftButton);
    QCOMPARE(NewsLines(shell), QStringList({"Não implementado nesta versão"}));
}

void TestMainWindow::alertsTakeHeaderAndTimeFromIni()
{
    {
        TShell shell;
        shell.Start();
        QCOMPARE(shell.IniValue(QStringLiteral("Alertas.ini"), QStringLiteral("Alerta"), QStringLiteral("Duracao")),
                 "9400");
        QCOMPARE(shell.IniValue(QStringLiteral("Alertas.ini"), QStringLiteral("Alerta"), QStringLiteral("Nome")),
                 "Digite seu nome aqui");
        const QList<TDesktopAlert*> alerts = frmAlertas->AlertStack->Shown();
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts[0]->HeaderText(), "Digite seu nome aqui - Alerta Basico");
        QCOMPARE(alerts[0]->MessageText(), "Inicialização básica finalizada!");
        QCOMPARE(alerts[0]->DisplayTime(), 9400);
    }
    TShell shell;
    shell.ProgramFile(QStringLiteral("Alertas.ini"), "[Alerta]\r\nDuracao=300\r\nNome=Ana\r\n");
    shell.Start();
    QPointer<TDesktopAlert> alert = frmAlertas->AlertStack->Shown().value(0);
    QVERIFY(alert);
    QCOMPARE(alert->HeaderText(), "Ana - Alerta Basico");
    QCOMPARE(alert->DisplayTime(), 300);
    QTRY_VERIFY(!alert); // closed and released after its time

    // "Aceitar" stores the settings; only alerts made afterwards take them.
    TDesktopAlert* earlier = frmAlertas->CreateAlerta(talHelp);
    frmAlertas->edtHeaderText->setText(QString());
    frmAlertas->spinDuration->setValue(2000);
    QTest::mouseClick(frmAlertas->cxBtnAceitar, Qt::LeftButton);
    QCOMPARE(shell.Answers->Messages, QStringList({"Gravado!"}));
    QCOMPARE(shell.IniValue(QStringLiteral("Alertas.ini"), QStringLiteral("Alerta"), QStringLiteral("Duracao")),
             "2000");
    TDesktopAlert* later = frmAlertas->CreateAlerta(talWarning);
    QCOMPARE(earlier->HeaderText(), "Ana - Alerta auxiliar");
    QCOMPARE(earlier->DisplayTime(), 300);
    QCOMPARE(later->HeaderText(), " - Alerta vermelho");
    QCOMPARE(later->DisplayTime(), 2000);
}

void TestMainWindow::alertsStackWithoutCovering()
{
    TShell shell;
    TfrmPrincipalNorvadel* window = shell.Start();
    for (TAlertTypes kind : {talWarning, talHelp, talInformation}) {
        TDesktopAlert* alert = frmAlertas->CreateAlerta(kind);
        alert->setMessageText(QStringLiteral("mensagem"));
        alert->ShowOver(window);
    }
    const QList<TDesktopAlert*> alerts = frmAlertas->AlertStack->Shown();
    QCOMPARE(alerts.size(), 4);
    for (int i = 0; i < alerts.size(); ++i)
        for (int j = i + 1; j < alerts.size(); ++j)
            QVERIFY(!alerts[i]->frameGeometry().intersects(alerts[j]->frameGeometry()));
    // When one goes, the others close up and still do not cover one another.
    alerts[1]->close();
    const QList<TDesktopAlert*> rest = frmAlertas->AlertStack->Shown();
    QCOMPARE(rest.size(), 3);
    QVERIFY(!rest[0]->frameGeometry().intersects(rest[1]->frameGeometry()));
    QVERIFY(!rest[1]->frameGeometry().intersects(rest[2]->frameGeometry()));
}

void TestMainWindow::specificSettingsWithoutFile()
{
    TShell shell;
    shell.Start();
    const QStringList checked = {"chk4", "chk5", "chk6", "chkBackupAoSair", "chkGruposManual", "chkConcursosUltimos"};
    for (const char* name : {"chk1", "chk2", "chk3", "chk4", "chk5", "chk6", "chkBackupAoSair", "chkGruposMarcados",
                             "chkGruposManual", "chkConcursosNovos", "chkConcursosUltimos"})
        QVERIFY2(shell.Find<QCheckBox>(QString::fromLatin1(name))->isChecked() ==
                     checked.contains(QString::fromLatin1(name)),
                 name);
    QCOMPARE(frmConfigEspec->seUltimos->value(), 10);
    // The pairs stay exclusive whichever box the user clicks.
    frmConfigEspec->chkConcursosNovos->setChecked(true);
    QVERIFY(!frmConfigEspec->chkConcursosUltimos->isChecked());
    frmConfigEspec->chkConcursosNovos->setChecked(false);
    QVERIFY(frmConfigEspec->chkConcursosUltimos->isChecked());
    frmConfigEspec->chkConcursosUltimos->setChecked(false);
    QVERIFY(frmConfigEspec->chkConcursosNovos->isChecked());
    frmConfigEspec->chkConcursosNovos->setChecked(false);
    shell.Close();
    QCOMPARE(shell.ProgramText(QStringLiteral("ConfigEspec.ini")),
             "[Resumo]\r\nSolitario=0\r\nDuque=0\r\nTerno=0\r\nQuadra=1\r\nQuina=1\r\nSena=1\r\n\r\n"
             "[Backup]\r\nAoSair=1\r\n\r\n"
             "[OneButton]\r\nGrupoMarcado=0\r\nGrupoManual=1\r\nConcursosNovos=0\r\nConcursosUltimos=1\r\n"
             "ConcursosUltimosValue=10\r\n");
}

void TestMainWindow::specificSettingsLoad_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("marcados");
    QTest::addColumn<bool>("novos");
    QTest::addColumn<int>("ultimos");
    QTest::newRow("saved states come back")
        << QByteArray("[OneButton]\r\nGrupoMarcado=1\r\nGrupoManual=0\r\nConcursosNovos=1\r\nConcursosUltimos=0\r\n"
                      "ConcursosUltimosValue=25\r\n")
        << true << true << 25;
    QTest::newRow("both 1: the second key wins")
        << QByteArray("[OneButton]\r\nGrupoMarcado=1\r\nGrupoManual=1\r\nConcursosNovos=1\r\nConcursosUltimos=1\r\n")
        << false << false << 10;
    QTest::newRow("both 0: the first key's box ends checked")
        << QByteArray("[OneButton]\r\nGrupoMarcado=0\r\nGrupoManual=0\r\nConcursosNovos=0\r\nConcursosUltimos=0\r\n")
        << true << true << 10;
    QTest::newRow("not a number reads as the default")
        << QByteArray("[OneButton]\r\nConcursosUltimosValue=dez\r\n") << false << false << 10;
}

void TestMainWindow::specificSettingsLoad()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, marcados);
    QFETCH(bool, novos);
    QFETCH(int, ultimos);
    TShell shell;
    shell.ProgramFile(QStringLiteral("ConfigEspec.ini"), file);
    shell.Start();
    QCOMPARE(frmConfigEspec->chkGruposMarcados->isChecked(), marcados);
    QCOMPARE(frmConfigEspec->chkGruposManual->isChecked(), !marcados);
    QCOMPARE(frmConfigEspec->chkConcursosNovos->isChecked(), novos);
    QCOMPARE(frmConfigEspec->chkConcursosUltimos->isChecked(), !novos);
    QCOMPARE(frmConfigEspec->seUltimos->value(), ultimos);
}

void TestMainWindow::basicSettingsRestartMessage_data()
{
    QTest::addColumn<bool>("folderStored");
    QTest::addColumn<bool>("folderChanged");
    QTest::addColumn<int>("messages"); // after two presses of "Aceitar"
    QTest::newRow("stored folder, unchanged") << true << false << 0;
    QTest::newRow("stored folder, changed") << true << true << 2;
    // The first run fills the folder in after the form took it: the message shows.
    QTest::newRow("first run") << false << false << 2;
}

void TestMainWindow::basicSettingsRestartMessage()
{
    QFETCH(bool, folderStored);
    QFETCH(bool, folderChanged);
    QFETCH(int, messages);
    TShell shell;
    if (folderStored)
        shell.ProgramFile(QStringLiteral("BasicConfig.ini"),
                          "[BasicConfig]\r\nDocPath=" + shell.Documents().toUtf8() + "\r\n");
    shell.Start();
    if (folderChanged) {
        shell.Answers->PathAnswers = {shell.Folder.filePath(QStringLiteral("outra"))};
        QTest::mouseClick(frmBasicConfig->lblPersonalFolder, Qt::LeftButton);
        QCOMPARE(frmBasicConfig->edtDocumentFolder->text(), shell.Folder.filePath(QStringLiteral("outra")));
    }
    QTest::mouseClick(frmBasicConfig->btn1, Qt::LeftButton);
    QTest::mouseClick(frmBasicConfig->btn1, Qt::LeftButton);
    QCOMPARE(shell.Answers->Messages,
             QStringList(messages, "É necessário reiniciar a aplicação para as alterações terem efeito."));
    QCOMPARE(shell.IniValue(QStringLiteral("BasicConfig.ini"), QStringLiteral("BasicConfig"), QStringLiteral("SSenha")),
             "0");
}

void TestMainWindow::panelsRevealNearTheirEdge_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("menu");
    QTest::addColumn<bool>("utils");
    QTest::newRow("left edge") << QPoint(10, 300) << false << true;
    QTest::newRow("top edge") << QPoint(300, 10) << true << false;
    QTest::newRow("corner: the menu only") << QPoint(10, 10) << true << false;
    QTest::newRow("middle") << QPoint(300, 300) << false << false;
}

void TestMainWindow::panelsRevealNearTheirEdge()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, menu);
    QFETCH(bool, utils);
    TShell shell;
    TfrmPrincipalNorvadel* window = shell.Start();
    window->dxDockSite1MouseMove(pos);
    QCOMPARE(window->DockPanelMenu->isVisible(), menu);
    QCOMPARE(window->DockPanelUtils->isVisible(), utils);
}

void TestMainWindow::aboutAndHelpLinks()
{
    TShell shell;
    shell.Start();
    QString caption;
    QTimer::singleShot(0, [&] {
        if (auto* about = qobject_cast<TfrmSobreNorvadel*>(QApplication::activeModalWidget())) {
            caption = about->windowTitle();
            QTest::mouseClick(about->btnAtualizar, Qt::LeftButton);
            about->reject();
        }
    });
    QTest::mouseClick(frmApresentaNorvadel->lbl2, Qt::LeftButton);
    QCOMPARE(caption, "Sobre - Norvadel");
    QTest::mouseClick(frmApresentaNorvadel->lbl3, Qt::LeftButton);
    QCOMPARE(shell.Answers->Messages,
             QStringList({"Não implementado nesta versão",
                          "Arquivo de ajuda não encontrado: " + shell.Program(QStringLiteral("Norvadel.chm"))}));
}

void TestMainWindow::enterMovesTheFocusLikeTab()
{
    TShell shell;
    TfrmPrincipalNorvadel* window = shell.Start();
    window->dxDockSite1MouseMove(QPoint(10, 300));
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    frmBasicConfig->edtPathBasicBG->setFocus();
    QTRY_VERIFY(frmBasicConfig->edtPathBasicBG->hasFocus());
    QTest::keyClick(frmBasicConfig->edtPathBasicBG, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), frmBasicConfig->lblPersonalFolder);
    // A button keeps its Enter.
    frmBasicConfig->cxButton6->setFocus();
    QTest::keyClick(frmBasicConfig->cxButton6, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), frmBasicConfig->cxButton6);
}

void TestMainWindow::endRequestClosesInOrder()
{
    TShell shell;
    TfrmPrincipalNorvadel* window = shell.Start();
    QSignalSpy closed(window, &TfrmPrincipal::Closed);
    static_cast<TNorvadelApplication*>(qApp)->CloseOnEndRequest(window);
    std::raise(SIGTERM);
    QVERIFY(closed.wait(10000));
    QCOMPARE(shell.IniValue(QStringLiteral("Crash.ini"), QStringLiteral("Crash"), QStringLiteral("Crashed")), "0");
    static_cast<TNorvadelApplication*>(qApp)->CloseOnEndRequest(nullptr);
}

int main(int argc, char** argv)
{
    TNorvadelApplication app(argc, argv);
    TestMainWindow test;
    return RunShellTests(test, argc, argv);
}

#include "TestMainWindow.moc"
