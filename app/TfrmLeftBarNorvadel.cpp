#include "app/TfrmLeftBarNorvadel.h"

#include "app/TLinkLabel.h"
#include "app/TcxTabManager.h"
#include "app/TfrmApresentaNorvadel.h"
#include "lottery/TfrmCadAposta.h"
#include "support/TfrmBasicConfig.h"
#include "users/TfrmLogin.h"
#include "users/TfrmRSenha.h"
#include "users/TfrmRegLogin.h"

#include <QGroupBox>

TfrmLeftBarNorvadel::TfrmLeftBarNorvadel(QWidget* aParent) : TfrmLeftBar(aParent)
{
    setObjectName(QStringLiteral("frmLeftBarNorvadel"));
}

void TfrmLeftBarNorvadel::Docar(const QString& aForm, const QString& aParam)
{
    TfrmLeftBar::Docar(aForm, aParam);
    if (aForm == QStringLiteral("Configurações"))
        DocarConfiguracoes();
    else if (aForm == QStringLiteral("Login"))
        DocarLogin();
    else if (aForm == QStringLiteral("Registro de usuário"))
        DocarRegistro(aParam);
    else if (aForm == QStringLiteral("Recuperação de senha"))
        DocarRecuperacao();
}

void TfrmLeftBarNorvadel::DocarConfiguracoes()
{
    const QString tab = QStringLiteral("Configurações");
    if (frmBasicConfig) {
        frmBasicConfig->cxGrpSSenha->setEnabled(false);
        frmBasicConfig->SetiSSenha(ssBasic);
        Tabs()->Docar(tab, frmBasicConfig);
        ShowTab(tab, true);
        return;
    }
    frmBasicConfig = new TfrmBasicConfig(this);
    frmBasicConfig->SetiSSenha(ssBasic);
    frmBasicConfig->cxGrpSSenha->setEnabled(false);
    Tabs()->Docar(tab, frmBasicConfig);
}

void TfrmLeftBarNorvadel::DocarLogin()
{
    const QString tab = QStringLiteral("Login");
    if (frmLogin) {
        ShowTab(tab, true);
        return;
    }
    frmLogin = new TfrmLogin(this);
    connect(frmLogin, &TfrmLogin::iDoOnLogout, this, &TfrmLeftBarNorvadel::LogoutReaction);
    connect(frmLogin, &TfrmLogin::iDoOnLogon, this, &TfrmLeftBarNorvadel::LogonReaction);
    Tabs()->Docar(tab, frmLogin);
}

void TfrmLeftBarNorvadel::DocarRegistro(const QString& aParam)
{
    const QString tab = QStringLiteral("Registro de usuário");
    if (frmRegLogin) {
        frmRegLogin->SetiTipo(aParam);
        ShowTab(tab, true);
        return;
    }
    frmRegLogin = new TfrmRegLogin(this);
    frmRegLogin->SetiTipo(aParam);
    Tabs()->Docar(tab, frmRegLogin);
}

void TfrmLeftBarNorvadel::DocarRecuperacao()
{
    const QString tab = QStringLiteral("Recuperação de senha");
    if (frmRSenha) {
        ShowTab(tab, true);
        return;
    }
    frmRSenha = new TfrmRSenha(this);
    Tabs()->Docar(tab, frmRSenha);
}

void TfrmLeftBarNorvadel::LogonReaction(QObject* aSender)
{
    Q_UNUSED(aSender);
    if (frmApresentaNorvadel)
        frmApresentaNorvadel->Inicializa();
    // The bet groups screen switches to the new user's file.
    if (frmCadAposta)
        frmCadAposta->Inicializa();
    if (frmLogin)
        frmLogin->lblNaoRegistrado->setEnabled(false);
}

void TfrmLeftBarNorvadel::LogoutReaction(QObject* aSender)
{
    Q_UNUSED(aSender);
    if (frmApresentaNorvadel)
        frmApresentaNorvadel->Clear();
    if (frmCadAposta)
        frmCadAposta->Clear();
    if (frmLogin) {
        frmLogin->lblEditarPerfil->setEnabled(false);
        frmLogin->lblNaoRegistrado->setEnabled(true);
    }
    if (frmRegLogin)
        frmRegLogin->Clear();
}
