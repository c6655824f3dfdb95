// The login, registration and recovery screens on the real main window, with temporary program
// and documents folders: what a user sees in the side bar and on the welcome screen, and what
// Logins.inx and the user folders hold afterwards.

#include "app/TDockPanel.h"
#include "app/TFrameTop.h"
#include "app/TLinkLabel.h"
#include "app/TfrmApresentaNorvadel.h"
#include "app/TfrmLeftBar.h"
#include "tests/app/ShellFixture.h"
#include "users/TLogins.h"
#include "users/TQuestionList.h"
#include "users/TfrmLogin.h"
#include "users/TfrmRSenha.h"
#include "users/TfrmRegLogin.h"
#include "util/Globals.h"
#include "util/TextCodec.h"
#include "tests/TestFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <memory>

class TestUserScreens : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void registerLogInLogOutAndSwitchUser();
    void sixthUserPushesTheOldestOutAlsoAfterARestart();
    void loggingInAgainMovesTheNameOnScreenOnly();
    void nameInOtherLetterCaseIsAnUnknownUser();
    void attemptCounter_data();
    void attemptCounter();
    void emptyNameOpensTheRegistration();
    void pickingAUserFillsTheBoxes();
    void registrationChecksInOrderThenCorrected();
    void registrationRefusesWhatTheFileCannotHold_data();
    void registrationRefusesWhatTheFileCannotHold();
    void registrationNeverRewritesAnotherAccount();
    void profileEditRewritesOnlyTheOwnAccount();
    void registrationReportsAFileItCannotWrite();
    void recovery();

private:
    void StartWindow();
    void StopWindow();
    QString DataPath(const QString& aFile) const
    {
        return FShell->Documents() + QStringLiteral("/Obrix/Norvadel/") + aFile;
    }
    QString LoginsPath() const { return DataPath(QStringLiteral("Logins.inx")); }
    QByteArray LoginsBytes() const;
    QString CurrentTab() const;
    void Register(const QString& aName, const QString& aPassword, const QString& aQuestion = QString(),
                  const QString& aAnswer = QStringLiteral("Tubarão"));
    void LogIn(const QString& aName, const QString& aPassword);
    void LogOut();
    QStringList Rows(const char* aList) const;
    template <class T> T* Login(const char* aName) const;
    template <class T> T* Reg(const char* aName) const;
    template <class T> T* Rec(const char* aName) const;
    void ClickLink(const char* aName);
    QStringList ResultLines(QWidget* aForm) const;

    std::unique_ptr<TShell> FShell;
    TfrmPrincipalNorvadel* FWindow = nullptr;
};

void TestUserScreens::init()
{
    FShell = std::make_unique<TShell>();
    QVERIFY(FShell->Folder.isValid());
    STEP(StartWindow());
}

void TestUserScreens::cleanup()
{
    FShell.reset();
    FWindow = nullptr;
    LoginName.clear();
    UserFolder.clear();
}

void TestUserScreens::StartWindow()
{
    FWindow = FShell->Start();
    // The side bar stays out while the test works in it.
    FWindow->DockPanelUtils->setAutoHide(false);
    FWindow->DockPanelUtils->show();
    QVERIFY(QTest::qWaitForWindowExposed(FWindow));
    QVERIFY(frmLogin);
}

// Closes the window as the user would; StartWindow then is the restart.
void TestUserScreens::StopWindow()
{
    FShell->Close();
    FWindow = nullptr;
}

QByteArray TestUserScreens::LoginsBytes() const
{
    QFile file(LoginsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TestUserScreens::CurrentTab() const
{
    const QTabWidget* tabs = FWindow->FLeftBar->pgcUtilities;
    return tabs->tabText(tabs->currentIndex());
}

template <class T> T* TestUserScreens::Login(const char* aName) const
{
    T* control = frmLogin ? frmLogin->findChild<T*>(QString::fromLatin1(aName)) : nullptr;
    if (!control)
        qFatal("no control %s on the login form", aName);
    return control;
}

template <class T> T* TestUserScreens::Reg(const char* aName) const
{
    T* control = frmRegLogin ? frmRegLogin->findChild<T*>(QString::fromLatin1(aName)) : nullptr;
    if (!control)
        qFatal("no control %s on the registration form", aName);
    return control;
}

template <class T> T* TestUserScreens::Rec(const char* aName) const
{
    T* control = frmRSenha ? frmRSenha->findChild<T*>(QString::fromLatin1(aName)) : nullptr;
    if (!control)
        qFatal("no control %s on the recovery form", aName);
    return control;
}

void TestUserScreens::ClickLink(const char* aName)
{
    // The key a keyboard user presses on a link; a disabled link ignores it.
    QTest::keyClick(Login<TLinkLabel>(aName), Qt::Key_Space);
}

QStringList TestUserScreens::Rows(const char* aList) const
{
    QStringList rows;
    const auto* list = Login<QListWidget>(aList);
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

QStringList TestUserScreens::ResultLines(QWidget* aForm) const
{
    const QString text = aForm->findChild<QTextEdit*>(QStringLiteral("cxrchdtResultados"))->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

// Registers through the link "Não sou registrado" and the registration tab.
void TestUserScreens::Register(const QString& aName, const QString& aPassword, const QString& aQuestion,
                               const QString& aAnswer)
{
    STEP(ClickLink("lblNaoRegistrado"));
    QVERIFY(frmRegLogin);
    QCOMPARE(CurrentTab(), QStringLiteral("Registro de usuário"));
    Reg<QLineEdit>("cxtxtdtNome")->setText(aName);
    Reg<QLineEdit>("cxtxtdtEmpresa")->setText(QStringLiteral("Loja de ") + aName);
    Reg<QLineEdit>("cxtxtdtemail")->setText(aName + QStringLiteral("@exemplo"));
    Reg<QLineEdit>("cxtxtdtSenha")->setText(aPassword);
    Reg<QLineEdit>("cxtxtdtSenhaAgain")->setText(aPassword);
    if (!aQuestion.isEmpty()) {
        auto* list = Reg<TQuestionList>("lst1");
        list->findItems(aQuestion, Qt::MatchExactly).first()->setCheckState(Qt::Checked);
    }
    Reg<QLineEdit>("cxtxtdtResposta")->setText(aAnswer);
    Reg<QPushButton>("btnRegistrar")->click();
    QCOMPARE(ResultLines(frmRegLogin), QStringList{QStringLiteral("Processo de registro concluido com exito.")});
    QCOMPARE(CurrentTab(), QStringLiteral("Login"));
}

void TestUserScreens::LogIn(const QString& aName, const QString& aPassword)
{
    Login<QLineEdit>("edtLoginName")->setText(aName);
    Login<QLineEdit>("edtLoginSenha")->setText(aPassword);
    Login<QPushButton>("btnLogar")->click();
    QCOMPARE(Login<QPushButton>("btnLogar")->text(), QStringLiteral("Sair"));
}

void TestUserScreens::LogOut()
{
    Login<QPushButton>("btnLogar")->click();
    QCOMPARE(Login<QPushButton>("btnLogar")->text(), QStringLiteral("Logar"));
}

void TestUserScreens::registerLogInLogOutAndSwitchUser()
{
    QVERIFY(!QFile::exists(LoginsPath()));
    STEP(Register(QStringLiteral("Maria Souza"), QStringLiteral("segredo1"), QStringLiteral("Música favorita"),
                  QStringLiteral("Samba")));
    STEP(Register(QStringLiteral("Pedro"), QStringLiteral("outra")));
    QCOMPARE(Rows("cxLstBoxListaUsuario"), QStringList({"Maria Souza", "Pedro"}));

    // What is stored: the plain keys as typed, the secrets never in plain text.
    const QString stored = DecodeWin1252(LoginsBytes());
    QVERIFY(stored.contains(QStringLiteral("<Header=Maria Souza>\r\n<Key=Nome>\r\nS|Maria Souza\r\n")));
    QVERIFY(stored.contains(QStringLiteral("S|Loja de Pedro\r\n")));
    for (const char* secret : {"segredo1", "Samba", "Música favorita", "outra", "Tubarão", "Filme predileto"})
        QVERIFY2(!stored.contains(QString::fromUtf8(secret)), secret);

    STEP(LogIn(QStringLiteral("Maria Souza"), QStringLiteral("segredo1")));
    QVERIFY(Logado);
    QCOMPARE(LoginName, QStringLiteral("Maria Souza"));
    QCOMPARE(UserFolder, DataPath(QStringLiteral("Maria Souza")));
    QCOMPARE(ModeText(UserFolder), QStringLiteral("700")); // the user's bets and results are his own
    QCOMPARE(ModeText(LoginsPath()), QStringLiteral("600"));
    QCOMPARE(frmApresentaNorvadel->FrameTop1->Titulo->text(), QStringLiteral("Bem Vindo - Maria Souza"));
    QVERIFY(Login<QLineEdit>("edtLoginSenha")->text().isEmpty());
    QVERIFY(Login<TLinkLabel>("lblEditarPerfil")->isEnabled());
    QVERIFY(!Login<TLinkLabel>("lblNaoRegistrado")->isEnabled());
    QCOMPARE(Rows("cxLstBoxListaUltimosUsrs"), QStringList{"Maria Souza"});

    STEP(LogOut());
    QVERIFY(!Logado);
    QCOMPARE(frmApresentaNorvadel->FrameTop1->Titulo->text(), QStringLiteral("Obrix System BR - Apresentação"));
    QVERIFY(!Login<TLinkLabel>("lblEditarPerfil")->isEnabled());
    QVERIFY(Login<TLinkLabel>("lblNaoRegistrado")->isEnabled());
    // Kept after the logout; the registration boxes are emptied.
    QCOMPARE(LoginName, QStringLiteral("Maria Souza"));
    QVERIFY(Reg<QLineEdit>("cxtxtdtEmpresa")->text().isEmpty());

    STEP(LogIn(QStringLiteral("Pedro"), QStringLiteral("outra")));
    QCOMPARE(LoginName, QStringLiteral("Pedro"));
    QCOMPARE(UserFolder, DataPath(QStringLiteral("Pedro")));
    QVERIFY(QDir(UserFolder).exists());
    QCOMPARE(frmApresentaNorvadel->FrameTop1->Titulo->text(), QStringLiteral("Bem Vindo - Pedro"));
    QCOMPARE(Rows("cxLstBoxListaUltimosUsrs"), QStringList({"Pedro", "Maria Souza"}));

    // The accounts survive a restart.
    STEP(LogOut());
    StopWindow();
    STEP(StartWindow());
    QCOMPARE(Rows("cxLstBoxListaUsuario"), QStringList({"Maria Souza", "Pedro"}));
    STEP(LogIn(QStringLiteral("Maria Souza"), QStringLiteral("segredo1")));
}

void TestUserScreens::sixthUserPushesTheOldestOutAlsoAfterARestart()
{
    {
        TLogins logins(LoginsPath());
        for (int i = 1; i <= 6; ++i)
            logins.WriteUser({QStringLiteral("u%1").arg(i), QStringLiteral("e"), QStringLiteral("m"),
                              QStringLiteral("s"), QStringLiteral("Outro"), QStringLiteral("r")});
        QVERIFY(logins.Save());
    }
    frmLogin->ReloadLogins();
    for (int i = 1; i <= 6; ++i) {
        STEP(LogIn(QStringLiteral("u%1").arg(i), QStringLiteral("s")));
        STEP(LogOut());
    }
    const QStringList expected{"u6", "u5", "u4", "u3", "u2"};
    QCOMPARE(Rows("cxLstBoxListaUltimosUsrs"), expected);
    StopWindow();
    STEP(StartWindow());
    QCOMPARE(Rows("cxLstBoxListaUltimosUsrs"), expected);
}

void TestUserScreens::loggingInAgainMovesTheNameOnScreenOnly()
{
    STEP(Register(QStringLiteral("Ana"), QStringLiteral("a")));
    STEP(Register(QStringLiteral("Bia"), QStringLiteral("b")));
    STEP(LogIn(QStringLiteral("Ana"), QStringLiteral("a")));
    STEP(LogOut());
    STEP(LogIn(QStringLiteral("Bia"), QStringLiteral("b")));
    STEP(LogOut());
    STEP(LogIn(QStringLiteral("Ana"), QStringLiteral("a")));
    STEP(LogOut());
    QCOMPARE(Rows("cxLstBoxListaUltimosUsrs"), QStringList({"Ana", "Bia"}));
    StopWindow();
    STEP(StartWindow());
    QCOMPARE(Rows("cxLstBoxListaUltimosUsrs"), QStringList({"Bia", "Ana"}));
}

void TestUserScreens::nameInOtherLetterCaseIsAnUnknownUser()
{
    STEP(Register(QStringLiteral("Ana"), QStringLiteral("a")));
    const QByteArray before = LoginsBytes();
    Login<QLineEdit>("edtLoginName")->setText(QStringLiteral("ANA"));
    Login<QLineEdit>("edtLoginSenha")->setText(QStringLiteral("a"));
    Login<QPushButton>("btnLogar")->click();
    QVERIFY(!Logado);
    QCOMPARE(Login<QPushButton>("btnLogar")->text(), QStringLiteral("Logar"));
    QCOMPARE(CurrentTab(), QStringLiteral("Registro de usuário"));
    QCOMPARE(frmRegLogin->iTipo(), QString());
    QVERIFY(!Reg<QLineEdit>("cxtxtdtNome")->isEnabled());
    QCOMPARE(LoginsBytes(), before);
}

void TestUserScreens::attemptCounter_data()
{
    QTest::addColumn<bool>("errar3");
    QTest::newRow("Errar 3x recuperar a senha") << true;
    QTest::newRow("without it") << false;
}

void TestUserScreens::attemptCounter()
{
    QFETCH(bool, errar3);
    STEP(Register(QStringLiteral("Ana"), QStringLiteral("certa")));
    Login<QCheckBox>("chkErrar3")->setChecked(errar3);
    auto* forgot = Login<TLinkLabel>("lblEsqueciSenha");
    QVERIFY(!forgot->isEnabled());
    Login<QLineEdit>("edtLoginName")->setText(QStringLiteral("Ana"));
    for (int attempt = 1; attempt <= 2; ++attempt) {
        Login<QLineEdit>("edtLoginSenha")->setText(QStringLiteral("errada"));
        Login<QPushButton>("btnLogar")->click();
        QVERIFY(forgot->isEnabled());
        QCOMPARE(CurrentTab(), QStringLiteral("Login"));
    }
    Login<QLineEdit>("edtLoginSenha")->setText(QStringLiteral("errada"));
    Login<QPushButton>("btnLogar")->click();
    QVERIFY(!Logado);
    QVERIFY(FShell->Answers->Messages.isEmpty());
    if (errar3) {
        QCOMPARE(CurrentTab(), QStringLiteral("Recuperação de senha"));
        QVERIFY(frmRSenha);
        QVERIFY(!forgot->isEnabled());
        // The count starts again: the next wrong password only enables the link.
        Login<QPushButton>("btnLogar")->click();
        QVERIFY(forgot->isEnabled());
    } else {
        QCOMPARE(CurrentTab(), QStringLiteral("Login"));
        QVERIFY(!FWindow->FLeftBar->IsDocked(QStringLiteral("Recuperação de senha")));
        QVERIFY(forgot->isEnabled());
    }
}

void TestUserScreens::emptyNameOpensTheRegistration()
{
    Login<QPushButton>("btnLogar")->click();
    QCOMPARE(CurrentTab(), QStringLiteral("Registro de usuário"));
    QVERIFY(!Reg<QLineEdit>("cxtxtdtNome")->isEnabled());
    Reg<QPushButton>("btnRegistrar")->click();
    QCOMPARE(ResultLines(frmRegLogin),
             QStringList({"Nome não pode ser vazio. Processo abortado!", "Iniciando registro!"}));
    QVERIFY(!QFile::exists(LoginsPath()));
}

void TestUserScreens::pickingAUserFillsTheBoxes()
{
    STEP(Register(QStringLiteral("Ana"), QStringLiteral("a")));
    STEP(Register(QStringLiteral("Bia"), QStringLiteral("b")));
    STEP(LogIn(QStringLiteral("Ana"), QStringLiteral("a")));
    STEP(LogOut());
    Login<QLineEdit>("edtLoginSenha")->setText(QStringLiteral("digitada"));
    for (const char* listName : {"cxLstBoxListaUsuario", "cxLstBoxListaUltimosUsrs"}) {
        auto* list = Login<QListWidget>(listName);
        const int row = list->count() - 1;
        const QString name = list->item(row)->text();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        QCOMPARE(Login<QLineEdit>("edtLoginName")->text(), name);
        QCOMPARE(Login<QLineEdit>("edtLoginEmpresa")->text(), QStringLiteral("Loja de ") + name);
        QCOMPARE(Login<QLineEdit>("edtLoginEMail")->text(), name + QStringLiteral("@exemplo"));
        QVERIFY(Login<QLineEdit>("edtLoginSenha")->text().isEmpty());
        Login<QLineEdit>("edtLoginSenha")->setText(QStringLiteral("digitada"));
    }
}

void TestUserScreens::registrationChecksInOrderThenCorrected()
{
    STEP(ClickLink("lblNaoRegistrado"));
    QCOMPARE(CurrentTab(), QStringLiteral("Registro de usuário"));
    QCOMPARE(frmRegLogin->iTipo(), QStringLiteral("Registro"));
    QVERIFY(Reg<QLineEdit>("cxtxtdtNome")->isEnabled());
    auto* questions = Reg<TQuestionList>("lst1");
    QCOMPARE(questions->FirstCheckedQuestion(), QStringLiteral("Filme predileto"));
    // Unchecking the only checked question leaves none.
    questions->item(0)->setCheckState(Qt::Unchecked);

    // Each press fixes the box the previous one complained about; each failure goes on top.
    struct TStep
    {
        const char* Box;
        const char* Value;
        const char* Message;
    };
    const TStep steps[] = {
        {nullptr, nullptr, "Nome não pode ser vazio. Processo abortado!"},
        {"cxtxtdtNome", "Ana Lima", "Empresa não pode ser vazia. Processo abortado!"},
        {"cxtxtdtEmpresa", "Loja", "Email não pode ser vazio. Processo abortado!"},
        // Both password boxes still hold what they start with, so the password checks pass.
        {"cxtxtdtemail", "ana@exemplo", "Não foi selecionada nenhuma pergunta. Processo abortado!"},
        {"cxtxtdtSenha", "", "Senha não pode ser vazia. Processo abortado!"},
        {"cxtxtdtSenha", "s3nh@", "Senha de conferência não é igual a senha digitada. Processo abortado!"},
        {"cxtxtdtSenhaAgain", "s3nh@", "Não foi selecionada nenhuma pergunta. Processo abortado!"},
        {"lst1", "Frase favorita", "Resposta não pode ser vazia! Processo abortado!"},
    };
    QStringList expected;
    for (const TStep& step : steps) {
        if (step.Box && QByteArray(step.Box) == "lst1")
            questions->findItems(QString::fromUtf8(step.Value), Qt::MatchExactly).first()->setCheckState(Qt::Checked);
        else if (step.Box)
            Reg<QLineEdit>(step.Box)->setText(QString::fromUtf8(step.Value));
        Reg<QPushButton>("btnRegistrar")->click();
        expected.prepend(QStringLiteral("Iniciando registro!"));
        expected.prepend(QString::fromUtf8(step.Message));
        QCOMPARE(ResultLines(frmRegLogin), expected);
        QVERIFY(!QFile::exists(LoginsPath()));
    }
    QCOMPARE(questions->CheckedQuestions(), QStringList{"Frase favorita"});
    Reg<QLineEdit>("cxtxtdtResposta")->setText(QStringLiteral("Carpe diem"));
    Reg<QPushButton>("btnRegistrar")->click();
    QCOMPARE(ResultLines(frmRegLogin), QStringList{"Processo de registro concluido com exito."});
    QVERIFY(FShell->Answers->Messages.isEmpty());
    QCOMPARE(CurrentTab(), QStringLiteral("Login"));
    QCOMPARE(Rows("cxLstBoxListaUsuario"), QStringList{"Ana Lima"});
    STEP(LogIn(QStringLiteral("Ana Lima"), QStringLiteral("s3nh@")));
}

void TestUserScreens::registrationRefusesWhatTheFileCannotHold_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("name with a separator") << "cxtxtdtNome"
                                           << "../fora"
                                           << "Nome de login não pode conter \"/\". Processo abortado!";
    QTest::newRow("name ..") << "cxtxtdtNome"
                             << ".."
                             << "O nome \"..\" não pode ser usado como nome de login. Processo abortado!";
    QTest::newRow("name None") << "cxtxtdtNome"
                               << "None"
                               << "O nome \"None\" não pode ser usado como nome de login. Processo abortado!";
    QTest::newRow("name with =") << "cxtxtdtNome"
                                 << "a=b"
                                 << "Nome de login não pode conter \"=\". Processo abortado!";
    QTest::newRow("name with <") << "cxtxtdtNome"
                                 << "<Key"
                                 << "Nome de login não pode conter \"<\". Processo abortado!";
    QTest::newRow("company with =") << "cxtxtdtEmpresa"
                                    << "A=B"
                                    << "Empresa não pode conter \"=\". Processo abortado!";
    QTest::newRow("e-mail with |") << "cxtxtdtemail"
                                   << "a|b"
                                   << "Email não pode conter \"|\". Processo abortado!";
    QTest::newRow("answer the cipher cannot keep")
        << "cxtxtdtResposta" << QString::fromUtf8("Ω")
        << "Resposta contém um caractere que não pode ser gravado. Processo abortado!";
}

void TestUserScreens::registrationRefusesWhatTheFileCannotHold()
{
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, message);
    STEP(ClickLink("lblNaoRegistrado"));
    for (const char* name : {"cxtxtdtNome", "cxtxtdtEmpresa", "cxtxtdtemail", "cxtxtdtResposta"})
        Reg<QLineEdit>(name)->setText(QStringLiteral("ok"));
    Reg<QLineEdit>(qPrintable(box))->setText(value);
    Reg<QPushButton>("btnRegistrar")->click();
    QCOMPARE(ResultLines(frmRegLogin), QStringList({message, "Iniciando registro!"}));
    QVERIFY(!QFile::exists(LoginsPath()));
    QVERIFY(!QDir(FShell->Documents() + QStringLiteral("/Obrix/fora")).exists());
}

void TestUserScreens::registrationNeverRewritesAnotherAccount()
{
    STEP(Register(QStringLiteral("Ana"), QStringLiteral("a")));
    const QByteArray before = LoginsBytes();
    const QString taken = QStringLiteral("Este nome de usuário já está registrado.");

    // Registration: the same name in any ASCII letter case is taken.
    for (const char* name : {"Ana", "ANA"}) {
        STEP(ClickLink("lblNaoRegistrado"));
        Reg<QLineEdit>("cxtxtdtNome")->setText(QString::fromLatin1(name));
        Reg<QPushButton>("btnRegistrar")->click();
        QCOMPARE(FShell->Answers->Messages.takeLast(), taken);
    }
    // After a login with an unknown name the locked box holds a name of the file: refused too.
    Login<QLineEdit>("edtLoginName")->setText(QStringLiteral("aNa"));
    Login<QPushButton>("btnLogar")->click();
    QCOMPARE(frmRegLogin->iTipo(), QString());
    Reg<QPushButton>("btnRegistrar")->click();
    QCOMPARE(FShell->Answers->Messages.takeLast(), taken);
    // A profile edit needs a login.
    frmRegLogin->SetiTipo(QStringLiteral("Editar"));
    Reg<QPushButton>("btnRegistrar")->click();
    QCOMPARE(FShell->Answers->Messages.takeLast(), QStringLiteral("Faça o login para editar o seu perfil."));
    QCOMPARE(LoginsBytes(), before);
}

void TestUserScreens::profileEditRewritesOnlyTheOwnAccount()
{
    STEP(Register(QStringLiteral("Ana"), QStringLiteral("a")));
    STEP(Register(QStringLiteral("Bia"), QStringLiteral("b")));
    STEP(LogIn(QStringLiteral("Ana"), QStringLiteral("a")));
    STEP(ClickLink("lblEditarPerfil"));
    QCOMPARE(CurrentTab(), QStringLiteral("Registro de usuário"));
    QCOMPARE(frmRegLogin->iTipo(), QStringLiteral("Editar"));
    auto* name = Reg<QLineEdit>("cxtxtdtNome");
    QVERIFY(!name->isEnabled());
    QCOMPARE(name->text(), QStringLiteral("Ana"));
    // Whatever the box was given, the record written is the logged-in user's.
    name->setText(QStringLiteral("Bia"));
    Reg<QLineEdit>("cxtxtdtEmpresa")->setText(QStringLiteral("Nova Loja"));
    Reg<QLineEdit>("cxtxtdtSenha")->setText(QStringLiteral("nova"));
    Reg<QLineEdit>("cxtxtdtSenhaAgain")->setText(QStringLiteral("nova"));
    Reg<QPushButton>("btnRegistrar")->click();
    QCOMPARE(ResultLines(frmRegLogin), QStringList{"Processo de registro concluido com exito."});

    TLogins logins(LoginsPath());
    QCOMPARE(logins.Users(), QStringList({"Ana", "Bia"}));
    QCOMPARE(logins.PublicInfo(QStringLiteral("Ana")).Empresa, QStringLiteral("Nova Loja"));
    QCOMPARE(logins.PublicInfo(QStringLiteral("Bia")).Empresa, QStringLiteral("Loja de Bia"));
    QCOMPARE(logins.CheckLogin(QStringLiteral("Ana"), QStringLiteral("nova"), QStringLiteral("Ana")), lrOK);
    QCOMPARE(logins.CheckLogin(QStringLiteral("Bia"), QStringLiteral("b"), QStringLiteral("Bia")), lrOK);
}

void TestUserScreens::registrationReportsAFileItCannotWrite()
{
    // A folder where the account file should be: nothing can be written there.
    QVERIFY(QDir().mkpath(LoginsPath()));
    STEP(ClickLink("lblNaoRegistrado"));
    for (const char* name : {"cxtxtdtNome", "cxtxtdtEmpresa", "cxtxtdtemail", "cxtxtdtResposta"})
        Reg<QLineEdit>(name)->setText(QStringLiteral("ok"));
    Reg<QPushButton>("btnRegistrar")->click();
    QCOMPARE(ResultLines(frmRegLogin),
             QStringList({"Não foi possível gravar o arquivo de usuários. Processo abortado!", "Iniciando registro!"}));
    QCOMPARE(CurrentTab(), QStringLiteral("Registro de usuário"));
    QVERIFY(Rows("cxLstBoxListaUsuario").isEmpty());
    // The log names the file and why it could not be written.
    const QString log = FShell->ProgramText(QStringLiteral("Log.log"));
    QVERIFY2(
        log.contains(QStringLiteral("Não foi possível gravar o arquivo de usuários %1: o arquivo não pôde ser lido")
                         .arg(LoginsPath())),
        qPrintable(log));
    QVERIFY(QDir().rmdir(LoginsPath()));
}

void TestUserScreens::recovery()
{
    STEP(Register(QStringLiteral("Ana Lima"), QStringLiteral("p=a|ss"), QStringLiteral("Marca de carro favorita"),
                  QStringLiteral("Fusca")));
    const QByteArray before = LoginsBytes();
    Login<QLineEdit>("edtLoginName")->setText(QStringLiteral("Ana Lima"));
    Login<QLineEdit>("edtLoginSenha")->setText(QStringLiteral("esqueci"));
    Login<QPushButton>("btnLogar")->click();
    STEP(ClickLink("lblEsqueciSenha"));
    QCOMPARE(CurrentTab(), QStringLiteral("Recuperação de senha"));
    auto* password = Rec<QLineEdit>("cxtxtdtSenha");
    const QString placeholder = password->text();
    auto* questions = Rec<TQuestionList>("lst1");
    Rec<QLineEdit>("cxtxtdtEmail")->setText(QStringLiteral("Ana Lima"));

    const QStringList failed{"Informações inválidas.", "Conferência...", "Iniciando leitura."};
    // The right answer with the wrong question (the first one, checked at start).
    Rec<QLineEdit>("cxtxtdtResposta")->setText(QStringLiteral("Fusca"));
    Rec<QPushButton>("btnRecuperar")->click();
    QCOMPARE(ResultLines(frmRSenha), failed);
    // The right question with the answer in other letter case.
    questions->findItems(QStringLiteral("Marca de carro favorita"), Qt::MatchExactly)
        .first()
        ->setCheckState(Qt::Checked);
    QCOMPARE(questions->CheckedQuestions(), QStringList{"Marca de carro favorita"});
    Rec<QLineEdit>("cxtxtdtResposta")->setText(QStringLiteral("fusca"));
    Rec<QPushButton>("btnRecuperar")->click();
    QCOMPARE(ResultLines(frmRSenha), failed + failed);
    QCOMPARE(password->text(), placeholder);

    Rec<QLineEdit>("cxtxtdtResposta")->setText(QStringLiteral("Fusca"));
    Rec<QPushButton>("btnRecuperar")->click();
    QCOMPARE(ResultLines(frmRSenha), QStringList{"Senha recuperada com sucesso."});
    QCOMPARE(password->text(), QStringLiteral("p=a|ss"));
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    Rec<QCheckBox>("chkMostrarSenha")->setChecked(true);
    QCOMPARE(password->echoMode(), QLineEdit::Normal);
    Rec<QCheckBox>("chkMostrarSenha")->setChecked(false);
    QCOMPARE(password->echoMode(), QLineEdit::Password);

    // An unknown name with an empty answer fails; the password shown stays.
    Rec<QLineEdit>("cxtxtdtEmail")->setText(QStringLiteral("Ninguém"));
    Rec<QLineEdit>("cxtxtdtResposta")->clear();
    Rec<QPushButton>("btnRecuperar")->click();
    QCOMPARE(ResultLines(frmRSenha).first(), QStringLiteral("Informações inválidas."));
    QCOMPARE(password->text(), QStringLiteral("p=a|ss"));

    StopWindow();
    QCOMPARE(LoginsBytes(), before);
}

QTEST_MAIN(TestUserScreens)
#include "TestUserScreens.moc"
