#pragma once

// TfrmLogin: the "Login" tab of the side bar. It checks a login name and password against
// Logins.inx and keeps the list of recent users.

#include "app/TfrmBasic.h"

#include <QPointer>

class TfrmLogin : public TfrmBasic
{
    Q_OBJECT
public:
    explicit TfrmLogin(QWidget* aParent = nullptr);
};

extern QPointer<TfrmLogin> frmLogin;
