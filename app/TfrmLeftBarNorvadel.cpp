#include "app/TfrmLeftBarNorvadel.h"

#include "app/TcxTabManager.h"
#include "app/TfrmApresentaNorvadel.h"
#include "support/TfrmBasicConfig.h"
#include "users/TfrmLogin.h"

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
        frmBasicConfig->setiSSenha(ssBasic);
        Tabs()->Docar(tab, frmBasicConfig);
        ShowTab(tab, true);
        return;
    }
    frmBasicConfig = new TfrmBasicConfig(this);
    frmBasicConfig->setiSSenha(ssBasic);
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
    // The login form's logout and logon events are bound here to LogoutReaction and
    // LogonReaction once the form offers them.
    Tabs()->Docar(tab, frmLogin);
}

void TfrmLeftBarNorvadel::DocarRegistro(const QString& aParam)
{
    // The registration form (frmRegLogin) joins here: when it exists, iTipo := aParam and
    // ShowTab("Registro de usuário", true); otherwise it is created (owner: the side bar), given
    // iTipo := aParam and docked under "Registro de usuário".
    Q_UNUSED(aParam);
}

void TfrmLeftBarNorvadel::DocarRecuperacao()
{
    // The password recovery form (frmRSenha) joins here: when it exists,
    // ShowTab("Recuperação de senha", true); otherwise it is created (owner: the side bar) and
    // docked under "Recuperação de senha".
}

void TfrmLeftBarNorvadel::LogonReaction(QObject* aSender)
{
    Q_UNUSED(aSender);
    if (frmApresentaNorvadel)
        frmApresentaNorvadel->Inicializa();
    // The bet groups screen (frmCadAposta) loads the user's groups here: Inicializa when it
    // exists. The login form's link "Não sou registrado" is disabled here.
}

void TfrmLeftBarNorvadel::LogoutReaction(QObject* aSender)
{
    Q_UNUSED(aSender);
    if (frmApresentaNorvadel)
        frmApresentaNorvadel->Clear();
    // The bet groups screen (frmCadAposta) empties itself here: Clear when it exists. Then the
    // login form's "Editar meu perfil" is disabled, its "Não sou registrado" enabled, and the
    // registration form (frmRegLogin) cleared when it exists.
}
