#pragma once

// TfrmRegLogin: the "Registro de usuário" tab of the side bar. In mode "Registro" it creates a
// new account; in mode "Editar" it rewrites the logged-in user's account, whose name it shows
// locked; in any other mode (after a login with an unknown name) it creates the account named
// in the locked name box, never one the file already holds.
//
// Each press of "Registrar" reads Logins.inx afresh, runs the checks in order and reports the
// first failure at the top of the results box; the file changes only when every check passes.

#include "app/TfrmBasic.h"

#include <QPointer>
#include <QStringList>

#include <memory>

class QLineEdit;
class QLabel;
class QPushButton;
class QTextEdit;
class TLogins;
class TQuestionList;

class TfrmRegLogin : public TfrmBasic
{
    Q_OBJECT
public:
    explicit TfrmRegLogin(QWidget* aParent = nullptr);
    ~TfrmRegLogin() override;

    const QString& iTipo() const { return FTipo; }
    // Stores the mode and applies it (Inicializa).
    void SetiTipo(const QString& Value);
    // The name box is enabled in mode "Registro" only; in mode "Editar" it shows the logged-in
    // user's name.
    void Inicializa(const QString& aTipo);
    // Empties the name, company, e-mail, both password and answer boxes.
    void Clear();

    QLineEdit* cxtxtdtNome;
    QLineEdit* cxtxtdtEmpresa;
    QLineEdit* cxtxtdtemail;
    QLineEdit* cxtxtdtSenha;
    QLineEdit* cxtxtdtSenhaAgain;
    TQuestionList* lst1;
    QLineEdit* cxtxtdtResposta;
    QPushButton* btnRegistrar;
    QLabel* lblNaoConsigo;
    QTextEdit* cxrchdtResultados;

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void btnRegistrarClick();
    void AddResult(const QString& aText);

    QString FTipo;
    std::unique_ptr<TLogins> FLogins;
    QString FLoginsFileName;
    QString FSection;
    QStringList FUsers;
};

extern QPointer<TfrmRegLogin> frmRegLogin;
