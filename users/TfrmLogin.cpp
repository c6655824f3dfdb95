#include "users/TfrmLogin.h"

#include "app/TFrameTop.h"
#include "app/TLinkLabel.h"
#include "app/TfrmPrincipal.h"
#include "support/TMyException.h"
#include "users/TLogins.h"
#include "users/UserRules.h"
#include "users/UserScreens.h"
#include "util/Exceptions.h"
#include "util/Globals.h"
#include "util/SafeFile.h"
#include "util/TextUtils.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QPointer<TfrmLogin> frmLogin;

namespace {
const QString kLogar = QStringLiteral("Logar");
const QString kSair = QStringLiteral("Sair");

QListWidget* AddList(QVBoxLayout* aLayout, const QString& aName)
{
    auto* list = new QListWidget;
    list->setObjectName(aName);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    aLayout->addWidget(list);
    return list;
}
} // namespace

TfrmLogin::TfrmLogin(QWidget* aParent) : TfrmBasic(aParent)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Login"));
    setAccessibleName(windowTitle());
    FrameTop1->Titulo->setText(QStringLiteral("Login"));
    resize(217, 559);

    QVBoxLayout* body = SideBarBody(this);
    QVBoxLayout* logonLayout = SideBarGroup(QStringLiteral(" Logon "), body);
    edtLoginName = LabeledEdit(logonLayout, QStringLiteral("Nome de login *"), QStringLiteral("edtLoginName"));
    edtLoginEmpresa = LabeledEdit(logonLayout, QStringLiteral("Empresa"), QStringLiteral("edtLoginEmpresa"));
    edtLoginEMail = LabeledEdit(logonLayout, QStringLiteral("e-Mail"), QStringLiteral("edtLoginEMail"));
    edtLoginSenha = LabeledEdit(logonLayout, QStringLiteral("Senha *"), QStringLiteral("edtLoginSenha"));
    edtLoginSenha->setEchoMode(QLineEdit::Password);
    edtLoginSenha->setText(kSenhaPlaceholder);

    btnLogar = new QPushButton(kLogar);
    btnLogar->setObjectName(QStringLiteral("btnLogar"));
    logonLayout->addWidget(btnLogar);
    lblEsqueciSenha = new TLinkLabel(QStringLiteral("Esqueci a senha"));
    lblEsqueciSenha->setObjectName(QStringLiteral("lblEsqueciSenha"));
    lblEsqueciSenha->setEnabled(false);
    lblNaoRegistrado = new TLinkLabel(QStringLiteral("Não sou registrado"));
    lblNaoRegistrado->setObjectName(QStringLiteral("lblNaoRegistrado"));
    lblEditarPerfil = new TLinkLabel(QStringLiteral("Editar meu perfil"));
    lblEditarPerfil->setObjectName(QStringLiteral("lblEditarPerfil"));
    lblEditarPerfil->setEnabled(false);
    chkErrar3 = new QCheckBox(QStringLiteral("Errar 3x recuperar a senha"));
    chkErrar3->setObjectName(QStringLiteral("chkErrar3"));
    chkErrar3->setChecked(true);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{lblEsqueciSenha, lblNaoRegistrado, lblEditarPerfil, chkErrar3})
        logonLayout->addWidget(widget);

    QVBoxLayout* usersLayout = SideBarGroup(QStringLiteral(" Usuários "), body, 1);
    cxLstBoxListaUltimosUsrs = AddList(usersLayout, QStringLiteral("cxLstBoxListaUltimosUsrs"));
    // Five rows show; the list never holds more.
    cxLstBoxListaUltimosUsrs->setMaximumHeight(5 * cxLstBoxListaUltimosUsrs->fontMetrics().height() + 12);
    cxLstBoxListaUsuario = AddList(usersLayout, QStringLiteral("cxLstBoxListaUsuario"));
    cxLstBoxListaUsuario->setMinimumHeight(120);

    connect(btnLogar, &QPushButton::clicked, this, &TfrmLogin::btnLogarClick);
    connect(cxLstBoxListaUltimosUsrs, &QListWidget::itemClicked, this, &TfrmLogin::cxLstBoxListaUsuarioClick);
    connect(cxLstBoxListaUsuario, &QListWidget::itemClicked, this, &TfrmLogin::cxLstBoxListaUsuarioClick);
    connect(lblEditarPerfil, &TLinkLabel::clicked, this, &TfrmLogin::lblEditarPerfilClick);
    connect(lblEsqueciSenha, &TLinkLabel::clicked, this, &TfrmLogin::lblEsqueciSenhaClick);
    connect(lblNaoRegistrado, &TLinkLabel::clicked, this, &TfrmLogin::lblNaoRegistradoClick);

    // Creation.
    FCountTentativas = 0;
    Logado = false;
    FLoginsFileName = LoginsFilePath(DataFolder);
    ReloadLogins();
}

TfrmLogin::~TfrmLogin() = default;

void TfrmLogin::ReloadLogins()
{
    FLogins = std::make_unique<TLogins>(FLoginsFileName);
    FSection = TLogins::kSection;
    FHeaders = FLogins->Users();
    cxLstBoxListaUsuario->clear();
    cxLstBoxListaUsuario->addItems(FHeaders);
    LoadRecentUsers();
}

void TfrmLogin::LoadRecentUsers()
{
    FUltimos.clear();
    cxLstBoxListaUltimosUsrs->clear();
    FUltimos = TLogins(FLoginsFileName).RecentUsers();
    cxLstBoxListaUltimosUsrs->addItems(FUltimos);
}

void TfrmLogin::SaveRecentUsers()
{
    FUltimos.clear();
    for (int i = 0; i < cxLstBoxListaUltimosUsrs->count(); ++i)
        FUltimos << cxLstBoxListaUltimosUsrs->item(i)->text();
    if (QString error; !TLogins::StoreRecentUsers(FLoginsFileName, FUltimos, &error))
        throw EInOutError(QStringLiteral("Não foi possível gravar a lista de usuários recentes em %1: %2.")
                              .arg(FLoginsFileName, error));
    FLogins = std::make_unique<TLogins>(FLoginsFileName);
}

void TfrmLogin::AddRecentUser(const QString& aName)
{
    try {
        QStringList rows;
        for (int i = 0; i < cxLstBoxListaUltimosUsrs->count(); ++i)
            rows << cxLstBoxListaUltimosUsrs->item(i)->text();
        const bool store = RecentUserPush(rows, aName);
        cxLstBoxListaUltimosUsrs->clear();
        cxLstBoxListaUltimosUsrs->addItems(rows);
        if (store)
            SaveRecentUsers();
    } catch (const std::exception& e) {
        LogErrorMessage(QString::fromUtf8(e.what()));
        LoadRecentUsers();
    }
}

TLogins& TfrmLogin::Logins()
{
    if (!FLogins)
        FLogins = std::make_unique<TLogins>(FLoginsFileName);
    return *FLogins;
}

bool TfrmLogin::LoginOK(const QString& aLogin)
{
    FUsrExist = Logins().HasUser(aLogin);
    if (!FUsrExist)
        return false;
    FAddKey = FirstWord(edtLoginName->text());
    const TLoginResult result = Logins().CheckLogin(aLogin, edtLoginSenha->text(), FAddKey);
    // A registered header that could not be a login name is taken as unknown.
    FUsrExist = result != lrUnknownUser;
    return result == lrOK;
}

void TfrmLogin::btnLogarClick()
{
    if (btnLogar->text() == kSair) {
        if (TfrmPrincipal* principal = MainWindowOf(this))
            principal->setLogado(false);
        else
            Logado = false;
        Q_EMIT iDoOnLogout(this);
        btnLogar->setText(kLogar);
        return;
    }

    ++FCountTentativas;
    const QString name = edtLoginName->text();
    if (LoginOK(name)) {
        Logado = true;
        LoginName = name;
        if (TfrmPrincipal* principal = MainWindowOf(this))
            principal->setLogado(true);
        lblEditarPerfil->setEnabled(true);
        edtLoginSenha->clear();
        btnLogar->setText(kSair);
        UserFolder = UserFolderPath(DataFolder, name);
        if (QString error; !OwnerOnlyFolder(UserFolder, &error))
            LogErrorMessage(QStringLiteral("Não foi possível criar a pasta do usuário %1: %2.").arg(UserFolder, error));
        Q_EMIT iDoOnLogon(this);
        AddRecentUser(name);
    } else if (!FUsrExist) {
        SideTabOpen(this, QStringLiteral("Registro de usuário"), QString());
    } else if (FCountTentativas < 3) {
        lblEsqueciSenha->setEnabled(true);
    } else if (chkErrar3->isChecked()) {
        SideTabOpen(this, QStringLiteral("Recuperação de senha"), QString());
        FCountTentativas = 0;
        lblEsqueciSenha->setEnabled(false);
    } else {
        lblEsqueciSenha->setEnabled(true);
    }
}

void TfrmLogin::cxLstBoxListaUsuarioClick(QListWidgetItem* aItem)
{
    if (!aItem)
        return;
    const TUserRecord record = Logins().PublicInfo(aItem->text());
    edtLoginName->setText(record.Nome);
    edtLoginEmpresa->setText(record.Empresa);
    edtLoginEMail->setText(record.Email);
    edtLoginSenha->clear();
    edtLoginSenha->setFocus();
}

void TfrmLogin::lblEditarPerfilClick()
{
    SideTabOpen(this, QStringLiteral("Registro de usuário"), kTipoEditar);
}

void TfrmLogin::lblEsqueciSenhaClick()
{
    SideTabOpen(this, QStringLiteral("Recuperação de senha"), QString());
}

void TfrmLogin::lblNaoRegistradoClick()
{
    SideTabOpen(this, QStringLiteral("Registro de usuário"), kTipoRegistro);
}

void TfrmLogin::FormClose()
{
    // Every change of this form is saved when it is made; the copy is only dropped.
    FLogins.reset();
}
