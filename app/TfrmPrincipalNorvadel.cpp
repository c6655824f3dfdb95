#include "app/TfrmPrincipalNorvadel.h"

#include "app/Dialogs.h"
#include "app/TDockPanel.h"
#include "app/TFrameTop.h"
#include "app/TfrmApresentaNorvadel.h"
#include "app/TfrmLeftBarNorvadel.h"
#include "app/TfrmSplashNorvadel.h"
#include "lottery/TfrmConfigEspec.h"
#include "support/TMyException.h"
#include "support/TfrmBasicConfig.h"
#include "users/TfrmLogin.h"
#include "util/Globals.h"
#include "util/SafeFile.h"
#include "util/TextUtils.h"
#include "util/VersionInfo.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

QPointer<TfrmPrincipalNorvadel> frmPrincipalNorvadel;

TfrmPrincipalNorvadel::TfrmPrincipalNorvadel(const TStartConfig& aConfig, QWidget* aParent)
    : TfrmPrincipal(aConfig, aParent)
{
    setObjectName(QStringLiteral("frmPrincipalNorvadel"));
    frmPrincipalNorvadel = this;
    try {
        FormCreate();
    } catch (const std::exception& e) {
        // The rest of the start-up is skipped; the window still opens.
        if (!IsSilentAbort(e)) {
            if (MyException)
                MyException->AppException(this, e);
            else
                LogErrorMessage(TMyException::ExceptionText(e));
        }
    }
    FSplash.reset();
}

TfrmPrincipalNorvadel::~TfrmPrincipalNorvadel()
{
    // The forms this window owns go with it; the side bar first, since its tabs hold forms.
    FLeftBar.reset();
    try {
        QCoreApplication::quit();
    } catch (...) {
        Dialogs::Message(nullptr, QStringLiteral("Corrigir erro!"));
    }
}

void TfrmPrincipalNorvadel::FormCreate()
{
    FSplash = std::make_unique<TfrmSplashNorvadel>(this);
    FSplash->show();
    FSplash->set_iProject(QApplication::applicationName());
    FSplash->set_iVersion(QStringLiteral("Versão: ") + GetVersionValue(QStringLiteral("FileVersion"), VersionInfo));
    FSplash->set_iTitle(QStringLiteral("Inicialização do aplicativo"));
    FSplash->repaint();
    BlockingWait(FConfig.SplashDelay);

    AppName = QStringLiteral("Norvadel");

    frmBasicConfig = new TfrmBasicConfig(this);
    frmBasicConfig->hide();
    QString documents;
    if (!frmBasicConfig->edtDocumentFolder->text().isEmpty()) {
        documents = frmBasicConfig->iFolder();
    } else {
        documents = QDir::fromNativeSeparators(FConfig.DocumentsFolder);
        frmBasicConfig->SetiFolder(documents);
    }
    DataFolder = TrailingChar(documents, QLatin1Char('/'), true) + QStringLiteral("Obrix/") + AppName;
    // Without the data folder no account or contest can be stored: say so in the log. It holds
    // every account's passwords, so only its owner may enter it; a folder left open by an
    // earlier version is closed once, and the log says so.
    QString folderError;
    bool tightened = false;
    if (!OwnerOnlyFolder(DataFolder, &folderError, &tightened))
        LogErrorMessage(QStringLiteral("Não foi possível criar a pasta de dados %1: %2.").arg(DataFolder, folderError));
    else if (tightened)
        LogErrorMessage(
            QStringLiteral("A pasta de dados %1 podia ser lida por outros usuários; agora só o seu dono a acessa.")
                .arg(DataFolder));

    FLeftBar = std::make_unique<TfrmLeftBarNorvadel>(this);
    FLeftBar->MostraForm(DockPanelUtils);
    FLeftBar->Docar(QStringLiteral("Configurações"), QString());
    FLeftBar->Docar(QStringLiteral("Login"), QString());

    if (!frmBasicConfig->edtPathBasicBG->text().isEmpty()) {
        frmBasicConfig->SetBackground();
    } else if (QFileInfo::exists(ExeFolder + QStringLiteral("bg.jpg"))) {
        frmBasicConfig->SetiImagem(ExeFolder + QStringLiteral("bg.jpg"));
        frmBasicConfig->SetBackground();
    }

    frmConfigEspec = new TfrmConfigEspec(this);
    frmConfigEspec->hide();

    frmApresentaNorvadel = new TfrmApresentaNorvadel(this);
    DockScreen(frmApresentaNorvadel);
    AddSession(QStringLiteral("Principal"), QStringLiteral("Sessão Principal"), -1);
    AddSessionButton(QStringLiteral("Principal"), QStringLiteral("Apresentação"), QStringLiteral("Tela de Boas Vindas"),
                     frmApresentaNorvadel, popupOpenedWindows, false, false);

    DockPanelUtils->setAutoHide(true);
}

void TfrmPrincipalNorvadel::dockControlPanel()
{
    TfrmPrincipal::dockControlPanel();
    if (!frmConfigEspec)
        return;
    DockScreen(frmConfigEspec);
    AddSessionButton(QStringLiteral("Painel de Controle"), QStringLiteral("Config Específica"),
                     QStringLiteral("Configurações especificas"), frmConfigEspec, popupOpenedWindows, false, false);
}

void TfrmPrincipalNorvadel::setLogado(bool aLogado)
{
    TfrmPrincipal::setLogado(aLogado);
    if (!frmApresentaNorvadel)
        return;
    if (aLogado) {
        const auto* name = frmLogin ? frmLogin->findChild<QLineEdit*>(QStringLiteral("edtLoginName")) : nullptr;
        frmApresentaNorvadel->FrameTop1->Titulo->setText(QStringLiteral("Bem Vindo - ") +
                                                         (name ? name->text() : LoginName));
    } else {
        frmApresentaNorvadel->FrameTop1->Titulo->setText(QStringLiteral("Obrix System BR - Buscando o futuro"));
    }
}

void TfrmPrincipalNorvadel::CloseSequence()
{
    try {
        FormClose();
        FLeftBar.reset();
        if (frmApresentaNorvadel)
            frmApresentaNorvadel->CloseForm();
        if (frmConfigEspec)
            frmConfigEspec->CloseForm();
        if (frmBasicConfig)
            frmBasicConfig->close();
    } catch (...) {
        // The close sequence never raises.
    }
}
