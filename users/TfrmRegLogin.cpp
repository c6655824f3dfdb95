#include "users/TfrmRegLogin.h"

#include "app/Dialogs.h"
#include "app/TFrameTop.h"
#include "app/TextBox.h"
#include "support/TMyException.h"
#include "users/TLogins.h"
#include "users/TQuestionList.h"
#include "users/TfrmLogin.h"
#include "users/UserRules.h"
#include "users/UserScreens.h"
#include "util/Globals.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

QPointer<TfrmRegLogin> frmRegLogin;

TfrmRegLogin::TfrmRegLogin(QWidget* aParent) : TfrmBasic(aParent)
{
    setObjectName(QStringLiteral("frmRegLogin"));
    setWindowTitle(QStringLiteral("Registro de Login"));
    setAccessibleName(windowTitle());
    FrameTop1->Titulo->setText(QStringLiteral("Registro de Login"));
    resize(213, 618);

    QVBoxLayout* body = SideBarBody(this);
    QVBoxLayout* formLayout = SideBarGroup(QStringLiteral(" Formulário de Registro de Login"), body);
    cxtxtdtNome = LabeledEdit(formLayout, QStringLiteral("Nome de login *"), QStringLiteral("cxtxtdtNome"));
    cxtxtdtEmpresa = LabeledEdit(formLayout, QStringLiteral("Empresa *"), QStringLiteral("cxtxtdtEmpresa"));
    cxtxtdtemail = LabeledEdit(formLayout, QStringLiteral("e-Mail *"), QStringLiteral("cxtxtdtemail"));
    cxtxtdtSenha = LabeledEdit(formLayout, QStringLiteral("Senha *"), QStringLiteral("cxtxtdtSenha"));
    cxtxtdtSenhaAgain =
        LabeledEdit(formLayout, QStringLiteral("Repita a Senha *"), QStringLiteral("cxtxtdtSenhaAgain"));
    for (QLineEdit* password : {cxtxtdtSenha, cxtxtdtSenhaAgain}) {
        password->setEchoMode(QLineEdit::Password);
        password->setText(kSenhaPlaceholder);
    }
    auto* questionLabel = new QLabel(QStringLiteral("Pergunta Secreta *"));
    lst1 = new TQuestionList;
    questionLabel->setBuddy(lst1);
    formLayout->addWidget(questionLabel);
    formLayout->addWidget(lst1);
    cxtxtdtResposta = LabeledEdit(formLayout, QStringLiteral("Resposta *"), QStringLiteral("cxtxtdtResposta"));
    btnRegistrar = new QPushButton(QStringLiteral("Registrar"));
    btnRegistrar->setObjectName(QStringLiteral("btnRegistrar"));
    formLayout->addWidget(btnRegistrar);
    lblNaoConsigo = new QLabel(QStringLiteral("Porque não consigo registrar-me"));
    lblNaoConsigo->setObjectName(QStringLiteral("lblNaoConsigo"));
    lblNaoConsigo->setWordWrap(true);
    lblNaoConsigo->setStyleSheet(QStringLiteral("color: #1a4fd6; text-decoration: underline;"));
    formLayout->addWidget(lblNaoConsigo);

    QVBoxLayout* resultsLayout = SideBarGroup(QStringLiteral(" Resultados "), body, 1);
    cxrchdtResultados = ResultsBoxCreate(nullptr);
    cxrchdtResultados->setMinimumHeight(120);
    resultsLayout->addWidget(cxrchdtResultados);

    connect(btnRegistrar, &QPushButton::clicked, this, &TfrmRegLogin::btnRegistrarClick);

    // Creation: what the login form already holds starts these boxes, once.
    if (frmLogin) {
        const std::pair<QLineEdit*, QLineEdit*> copies[] = {{frmLogin->edtLoginName, cxtxtdtNome},
                                                            {frmLogin->edtLoginEmpresa, cxtxtdtEmpresa},
                                                            {frmLogin->edtLoginEMail, cxtxtdtemail}};
        for (const auto& [from, to] : copies)
            if (!from->text().isEmpty())
                to->setText(from->text());
    }
    FLoginsFileName = LoginsFilePath(DataFolder);
    FSection = TLogins::kSection;
}

TfrmRegLogin::~TfrmRegLogin() = default;

void TfrmRegLogin::SetiTipo(const QString& Value)
{
    FTipo = Value;
    Inicializa(Value);
}

void TfrmRegLogin::Inicializa(const QString& aTipo)
{
    cxtxtdtNome->setEnabled(aTipo == kTipoRegistro);
    // A profile is always the logged-in user's own: the box shows whose record is written.
    if (aTipo == kTipoEditar && Logado)
        cxtxtdtNome->setText(LoginName);
}

void TfrmRegLogin::Clear()
{
    for (QLineEdit* box : {cxtxtdtNome, cxtxtdtEmpresa, cxtxtdtemail, cxtxtdtSenha, cxtxtdtSenhaAgain, cxtxtdtResposta})
        box->clear();
}

void TfrmRegLogin::FormShow()
{
    Inicializa(FTipo);
}

void TfrmRegLogin::FormClose()
{
    FLogins.reset();
    FUsers.clear();
}

void TfrmRegLogin::AddResult(const QString& aText)
{
    insLog(cxrchdtResultados, aText);
}

void TfrmRegLogin::btnRegistrarClick()
{
    FLogins = std::make_unique<TLogins>(FLoginsFileName);
    FSection = TLogins::kSection;
    FUsers = FLogins->Users();

    TRegistration request;
    request.Tipo = FTipo;
    request.Name = cxtxtdtNome->text();
    request.Empresa = cxtxtdtEmpresa->text();
    request.Email = cxtxtdtemail->text();
    request.Senha = cxtxtdtSenha->text();
    request.SenhaAgain = cxtxtdtSenhaAgain->text();
    request.Pergunta = lst1->FirstCheckedQuestion();
    request.Resposta = cxtxtdtResposta->text();
    request.Logado = Logado;
    request.LoginName = LoginName;

    if (const QString refusal = RegistrationRefusal(request, FUsers); !refusal.isEmpty()) {
        FLogins.reset();
        Dialogs::Message(this, refusal);
        return;
    }
    AddResult(QStringLiteral("Iniciando registro!"));
    if (const QString failure = RegistrationCheckFailure(request); !failure.isEmpty()) {
        AddResult(failure);
        FLogins.reset();
        return;
    }

    const QString name = RegistrationTarget(request);
    FLogins->WriteUser({name, request.Empresa, request.Email, request.Senha, request.Pergunta, request.Resposta});
    QString error;
    const bool saved = FLogins->Save(&error);
    FLogins.reset();
    if (!saved) {
        LogErrorMessage(
            QStringLiteral("Não foi possível gravar o arquivo de usuários %1: %2.").arg(FLoginsFileName, error));
        AddResult(QStringLiteral("Não foi possível gravar o arquivo de usuários. Processo abortado!"));
        return;
    }
    cxrchdtResultados->clear();
    AddResult(QStringLiteral("Processo de registro concluido com exito."));
    SideTabShow(this, QStringLiteral("Login"));
    if (frmLogin)
        frmLogin->ReloadLogins();
}
