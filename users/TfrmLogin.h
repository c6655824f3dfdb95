#pragma once

// TfrmLogin: the "Login" tab of the side bar. It checks a login name and password against
// Logins.inx, keeps the lists of all users and of the five most recent ones, and routes the
// user to registration or password recovery through the side bar.
//
// A successful login sets Logado, LoginName and UserFolder (creating the folder), tells the main
// window (setLogado) and emits iDoOnLogon; the logout, through the same button, emits
// iDoOnLogout. A failed login shows no message: the button keeps "Logar", and the recovery link
// or the registration or recovery tab comes forward.

#include "app/TfrmBasic.h"

#include <QPointer>
#include <QStringList>

#include <memory>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class TLinkLabel;
class TLogins;

class TfrmLogin : public TfrmBasic
{
    Q_OBJECT
public:
    explicit TfrmLogin(QWidget* aParent = nullptr);
    ~TfrmLogin() override;

    // Checks the password box against the stored password of aLogin; also sets whether aLogin is
    // a registered user and the key suffix of the name box.
    bool LoginOK(const QString& aLogin);
    // Re-reads Logins.inx and refills both lists.
    void ReloadLogins();

    QLineEdit* edtLoginName;
    QLineEdit* edtLoginEmpresa;
    QLineEdit* edtLoginEMail;
    QLineEdit* edtLoginSenha;
    QPushButton* btnLogar;
    TLinkLabel* lblEsqueciSenha;
    TLinkLabel* lblNaoRegistrado;
    TLinkLabel* lblEditarPerfil;
    QCheckBox* chkErrar3;
    QListWidget* cxLstBoxListaUltimosUsrs;
    QListWidget* cxLstBoxListaUsuario;

Q_SIGNALS:
    // After a successful login and after a logout; aSender is this form.
    void iDoOnLogon(QObject* aSender);
    void iDoOnLogout(QObject* aSender);

protected:
    void FormClose() override;

private:
    void btnLogarClick();
    void cxLstBoxListaUsuarioClick(QListWidgetItem* aItem);
    void lblEditarPerfilClick();
    void lblEsqueciSenhaClick();
    void lblNaoRegistradoClick();
    void LoadRecentUsers();
    void SaveRecentUsers();
    void AddRecentUser(const QString& aName);
    // The form's copy of Logins.inx, read again when the form was closed.
    TLogins& Logins();

    int FCountTentativas = 0;
    bool FUsrExist = false;
    QString FAddKey;
    QString FSection;
    QStringList FHeaders;
    QStringList FUltimos;
    std::unique_ptr<TLogins> FLogins;
    QString FLoginsFileName;
};

extern QPointer<TfrmLogin> frmLogin;
