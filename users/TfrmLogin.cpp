#include "users/TfrmLogin.h"

#include "app/TFrameTop.h"

#include <QLabel>

QPointer<TfrmLogin> frmLogin;

TfrmLogin::TfrmLogin(QWidget* aParent) : TfrmBasic(aParent)
{
    setWindowTitle(QStringLiteral("Login"));
    FrameTop1->Titulo->setText(QStringLiteral("Login"));
}
