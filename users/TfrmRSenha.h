#pragma once

// TfrmRSenha: the "Recuperação de senha" tab of the side bar. It shows a user's password when
// the secret question checked and the answer typed are the ones registered. It only reads
// Logins.inx.
//
// A failed attempt keeps the copy of the file it read for the next attempt; a successful one
// drops it, so the next attempt reads the file again.

#include "app/TfrmBasic.h"

#include <QPointer>

#include <memory>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTextEdit;
class TLogins;
class TQuestionList;

class TfrmRSenha : public TfrmBasic
{
    Q_OBJECT
public:
    explicit TfrmRSenha(QWidget* aParent = nullptr);
    ~TfrmRSenha() override;

    QLineEdit* cxtxtdtEmail; // the login name
    QLineEdit* cxtxtdtResposta;
    TQuestionList* lst1;
    QCheckBox* chkMostrarSenha;
    QLineEdit* cxtxtdtSenha;
    QPushButton* btnRecuperar;
    QTextEdit* cxrchdtResultados;

protected:
    void FormClose() override;

private:
    void btnRecuperarClick();
    void chkMostrarSenhaPropertiesChange();
    void AddResult(const QString& aText);

    std::unique_ptr<TLogins> FLogins;
    QString FLoginsFileName;
    QString FSection;
    QString FAddKey;
};

extern QPointer<TfrmRSenha> frmRSenha;
