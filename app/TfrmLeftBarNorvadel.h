#pragma once

// The side bar of Norvadel: which form belongs to which tab name, and the reactions to a login
// and a logout.
//
// Tab names and forms (Docar):
//   "Configurações"        the basic settings (frmBasicConfig)
//   "Login"                the login form (frmLogin); its logon and logout events come here
//   "Registro de usuário"  user registration and profile (frmRegLogin, with iTipo := aParam)
//   "Recuperação de senha" password recovery (frmRSenha)

#include "app/TfrmLeftBar.h"

#include <QPointer>

class TfrmLeftBarNorvadel : public TfrmLeftBar
{
    Q_OBJECT
public:
    explicit TfrmLeftBarNorvadel(QWidget* aParent = nullptr);

    void Docar(const QString& aForm, const QString& aParam) override;

    // After a successful login: the screens load the user's data.
    void LogonReaction(QObject* aSender);
    // After a logout: the screens empty themselves.
    void LogoutReaction(QObject* aSender);

private:
    void DocarConfiguracoes();
    void DocarLogin();
    void DocarRegistro(const QString& aParam);
    void DocarRecuperacao();
};
