#pragma once

// TfrmPrincipalNorvadel: Norvadel's main window. After the base start-up it shows the second
// splash, builds and creates the data folder from the basic settings, docks the side bar with
// "Configurações" and "Login", applies the background, creates the specific settings and docks
// the welcome screen as the window "Apresentação" of the session "Principal".

#include "app/TfrmPrincipal.h"

#include <QPointer>

class TfrmPrincipalNorvadel : public TfrmPrincipal
{
    Q_OBJECT
public:
    explicit TfrmPrincipalNorvadel(const TStartConfig& aConfig, QWidget* aParent = nullptr);
    ~TfrmPrincipalNorvadel() override;

    void dockControlPanel() override;
    // Also sets the welcome screen's title: "Bem Vindo - " + the login name after a login.
    void setLogado(bool aLogado) override;
    void setFolders() {}

protected:
    void CloseSequence() override;

private:
    void FormCreate();
};

extern QPointer<TfrmPrincipalNorvadel> frmPrincipalNorvadel;
