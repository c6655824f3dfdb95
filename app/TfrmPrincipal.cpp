#include "app/TfrmPrincipal.h"

#include "app/TDockPanel.h"
#include "app/TPictureBox.h"
#include "app/TSessionTabBar.h"
#include "app/TStackLayout.h"
#include "app/TWinSessionManager.h"
#include "app/TfrmBasic.h"
#include "app/TfrmLeftBar.h"
#include "app/TfrmSplash.h"
#include "app/TfrmStyle.h"
#include "support/TDesktopAlert.h"
#include "support/TMyException.h"
#include "support/TfrmAlertas.h"
#include "util/Globals.h"
#include "util/IniFile.h"
#include "util/LogFile.h"
#include "util/TextUtils.h"
#include "util/VersionInfo.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString kCrashSection = QStringLiteral("Crash");

// Enter moves the focus like Tab, except where Enter has a meaning of its own.
bool EnterMovesFocus(QWidget* aWidget)
{
    return !qobject_cast<QAbstractButton*>(aWidget) && !qobject_cast<QPlainTextEdit*>(aWidget) &&
           !qobject_cast<QTextEdit*>(aWidget) && !qobject_cast<QAbstractItemView*>(aWidget);
}
} // namespace

TfrmPrincipal::TfrmPrincipal(const TStartConfig& aConfig, QWidget* aParent) : QMainWindow(aParent), FConfig(aConfig)
{
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Norvadel"));
    resize(1005, 730);
    Logado = false;
    LayoutBuild();
    qApp->installEventFilter(this);

    try {
        MyException = std::make_unique<TMyException>();
        FCanClose = QStringLiteral("Can");
        ExeFolder = TrailingChar(QDir::fromNativeSeparators(FConfig.ProgramFolder), QLatin1Char('/'), true);
        AppName = QApplication::applicationName();
        ReadVersionInfo(QCoreApplication::applicationFilePath(), VersionInfo);

        FSplash = std::make_unique<TfrmSplash>(this);
        FSplash->show();
        FSplash->set_iProject(QApplication::applicationName());
        FSplash->set_iVersion(QStringLiteral("Versão: ") + GetVersionValue(QStringLiteral("FileVersion"), VersionInfo));
        FSplash->set_iTitle(QStringLiteral("Inicialização do aplicativo"));
        FSplash->repaint();

        FSessionManager =
            std::make_unique<TWinSessionManager>(SessionBar, ButtonBar, popupHidenSessions, popupOpenedWindows);

        FStyle = std::make_unique<TfrmStyle>(this);
        frmStyle = FStyle.get();
        frmStyle->hide();
        frmAlertas = new TfrmAlertas(this);
        frmAlertas->hide();
        // The crash settings (which purge old log days) and the connectivity monitor are created
        // here, in this order, hidden, once they exist.
        FSplash->repaint();

        LogDetails.clear();
        CrashLogLines.clear();
        LogFileName = ExeFolder + QStringLiteral("Log.log");
        LogContext = QStringLiteral("Inicialização de aplicativo");
        AddLogDetail(QStringLiteral("Inicialização do procedimento"));
        AddLogDetail(QStringLiteral("Tratamento de Crash"));

        CrashMarkerCheck();
        SetCrash(true);

        TDesktopAlert* alert = frmAlertas->CreateAlerta(talBasic);
        alert->setMessageText(QStringLiteral("Inicialização básica finalizada!"));
        alert->ShowOver(this);
    } catch (...) {
        try {
            WriteLogEntry(LogContext, LogDetails, LogFileName, QStringLiteral("Exception"));
        } catch (...) {
            // No log can be written (no folder yet, or a read-only one): start-up goes on.
        }
    }
    try {
        WriteLogEntry(LogContext, LogDetails, LogFileName, QStringLiteral("OK"));
    } catch (...) {
        // As above: the program starts without its log.
    }
    FSplash.reset();
}

TfrmPrincipal* MainWindowOf(const QWidget* aScreen)
{
    for (QObject* ancestor = aScreen ? aScreen->parent() : nullptr; ancestor; ancestor = ancestor->parent())
        if (auto* principal = qobject_cast<TfrmPrincipal*>(ancestor))
            return principal;
    return nullptr;
}

void TfrmPrincipal::BlockingWait(int aMilliseconds)
{
    QDeadlineTimer deadline(aMilliseconds);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers,
                                        int(std::min<qint64>(deadline.remainingTime(), 50)));
}

TfrmPrincipal::~TfrmPrincipal()
{
    qApp->removeEventFilter(this);
}

void TfrmPrincipal::LayoutBuild()
{
    dxDockSite1 = new QWidget(this);
    dxDockSite1->setObjectName(QStringLiteral("dxDockSite1"));
    dxDockSite1->setMouseTracking(true);
    setCentralWidget(dxDockSite1);
    auto* site = new QVBoxLayout(dxDockSite1);
    site->setContentsMargins(0, 0, 0, 0);
    site->setSpacing(0);

    DockPanelWorks = new QWidget(dxDockSite1);
    DockPanelWorks->setObjectName(QStringLiteral("DockPanelWorks"));
    DockPanelWorks->setAccessibleName(QStringLiteral("Área de Trabalho"));
    DockPanelWorks->setMouseTracking(true);
    DockPanelWorks->setAutoFillBackground(true);
    auto* works = new TStackLayout(DockPanelWorks);
    IMGBasicBacgroud = new TPictureBox(DockPanelWorks);
    IMGBasicBacgroud->setObjectName(QStringLiteral("IMGBasicBacgroud"));
    IMGBasicBacgroud->setMouseTracking(true);
    IMGBasicBacgroud->setPicture(QPixmap(QStringLiteral(":/norvadel/background.svg")));
    works->addWidget(IMGBasicBacgroud);
    site->addWidget(DockPanelWorks, 1);

    DockWinControl = new QFrame(dxDockSite1);
    DockWinControl->setObjectName(QStringLiteral("DockWinControl"));
    DockWinControl->setAccessibleName(QStringLiteral("Controle de Janelas"));
    auto* strip = new QVBoxLayout(DockWinControl);
    strip->setContentsMargins(2, 0, 2, 2);
    strip->setSpacing(0);
    SessionBar = new TSessionTabBar(DockWinControl);
    strip->addWidget(SessionBar);
    auto* buttonsRow = new QHBoxLayout;
    buttonsRow->setSpacing(4);
    ButtonBar = new QToolBar(DockWinControl);
    ButtonBar->setObjectName(QStringLiteral("ButtonBar"));
    ButtonBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ButtonBar->setMovable(false);
    ButtonBar->setFloatable(false);
    buttonsRow->addWidget(ButtonBar, 1);
    popupHidenSessions = new QMenu(this);
    popupHidenSessions->setObjectName(QStringLiteral("popupHidenSessions"));
    popupOpenedWindows = new QMenu(this);
    popupOpenedWindows->setObjectName(QStringLiteral("popupOpenedWindows"));
    cxButton2 = new QToolButton(DockWinControl);
    cxButton2->setObjectName(QStringLiteral("cxButton2"));
    cxButton2->setText(QStringLiteral("Sessões escondidas"));
    cxButton2->setMenu(popupHidenSessions);
    cxButton2->setPopupMode(QToolButton::InstantPopup);
    cxButton2->setMinimumWidth(125);
    cxButton1 = new QToolButton(DockWinControl);
    cxButton1->setObjectName(QStringLiteral("cxButton1"));
    cxButton1->setText(QStringLiteral("Janelas Abertas"));
    cxButton1->setMenu(popupOpenedWindows);
    cxButton1->setPopupMode(QToolButton::InstantPopup);
    cxButton1->setMinimumWidth(125);
    buttonsRow->addWidget(cxButton2);
    buttonsRow->addWidget(cxButton1);
    strip->addLayout(buttonsRow);
    site->addWidget(DockWinControl);

    DockPanelMenu = new TDockPanel(QStringLiteral("DockPanelMenu"), QString(), dxDockSite1);
    DockPanelMenu->setAccessibleName(QStringLiteral("Menu"));
    // The menu panel holds nothing: revealed, it must neither hide nor catch the clicks meant for
    // the title bars of the screens below it.
    DockPanelMenu->setAttribute(Qt::WA_TransparentForMouseEvents);
    DockPanelMenu->setFrameShape(QFrame::NoFrame);
    DockPanelMenu->setAutoFillBackground(false);
    DockPanelMenu->setAutoHide(true);
    connect(DockPanelMenu, &TDockPanel::Activated, this, &TfrmPrincipal::DockPanelMenuActivate);
    DockPanelUtils = new TDockPanel(QStringLiteral("DockPanelUtils"), QStringLiteral("Utilidades"), dxDockSite1);
    DockPanelUtils->hide();
    PanelsPlace();
}

void TfrmPrincipal::PanelsPlace()
{
    DockPanelMenu->setGeometry(0, 0, dxDockSite1->width(), 57);
    DockPanelUtils->setGeometry(0, 0, 220, std::max(DockPanelWorks->height(), 100));
}

void TfrmPrincipal::resizeEvent(QResizeEvent* aEvent)
{
    QMainWindow::resizeEvent(aEvent);
    PanelsPlace();
}

void TfrmPrincipal::CrashMarkerCheck()
{
    const QString fileName = ExeFolder + QStringLiteral("Crash.ini");
    if (!QFileInfo::exists(fileName)) {
        FIniCrash = std::make_unique<TIniFile>(fileName);
        FIniCrash->WriteBool(kCrashSection, QStringLiteral("First"), true);
        return;
    }
    FIniCrash = std::make_unique<TIniFile>(fileName);
    FIniCrash->WriteBool(kCrashSection, QStringLiteral("First"), false);
    const bool crashed = FIniCrash->ReadBool(kCrashSection, QStringLiteral("Crashed"), true);
    const bool first = FIniCrash->ReadBool(kCrashSection, QStringLiteral("First"), true);
    if (crashed && !first) {
        FCrashDetected = true;
        CrashReportShow();
    }
}

void TfrmPrincipal::CrashReportShow()
{
    // The crash report screen itself joins here once it exists; it shows these lines, or
    // "Log inexistente." when there is no log.
    if (QFileInfo::exists(LogFileName))
        ReadLastLogBlock(LogFileName, CrashLogLines);
}

void TfrmPrincipal::SetCrash(bool aCrashed)
{
    if (FIniCrash)
        FIniCrash->WriteBool(kCrashSection, QStringLiteral("Crashed"), aCrashed);
}

bool TfrmPrincipal::SetBackgroundImage(const QString& aFileName)
{
    return IMGBasicBacgroud->LoadFromFile(aFileName);
}

void TfrmPrincipal::setLogado(bool aLogado)
{
    Logado = aLogado;
}

void TfrmPrincipal::AddSession(const QString& aSession, const QString& aHint, int aImageIndex)
{
    Q_UNUSED(aImageIndex); // session tabs never carry an image
    if (FSessionManager)
        FSessionManager->SessionAdd(aSession, aHint, -1);
}

void TfrmPrincipal::AddSessionButton(const QString& aSession, const QString& aCaption, const QString& aHint,
                                     QWidget* aWinControl, QMenu* aMenu, bool aCanClose, bool aMinimized)
{
    if (FSessionManager && FSessionManager->FindSessionByName(aSession) >= 0)
        FSessionManager->Session()->ButtonAdd(aCaption, aHint, aWinControl, aMenu, aCanClose, aMinimized);
}

void TfrmPrincipal::ChangeButtonCaption(const QString& aSession, const QString& aOldCaption, const QString& aNewCaption,
                                        const QString& aNewHint)
{
    if (FSessionManager && FSessionManager->FindSessionByName(aSession) >= 0)
        FSessionManager->Session()->ButtonChangeCaption(aOldCaption, aNewCaption, aNewHint);
}

void TfrmPrincipal::DockScreen(TfrmBasic* aScreen)
{
    aScreen->setWindowState(Qt::WindowNoState);
    aScreen->MostraForm(DockPanelWorks);
}

void TfrmPrincipal::OpenScreen(TfrmBasic* aScreen, const QString& aSession, const QString& aSessionHint,
                               const QString& aCaption, const QString& aHint, bool aCanClose, bool aMinimized)
{
    DockScreen(aScreen);
    AddSession(aSession, aSessionHint, -1);
    AddSessionButton(aSession, aCaption, aHint, aScreen, popupOpenedWindows, aCanClose, aMinimized);
}

void TfrmPrincipal::dockControlPanel()
{
    const QString session = QStringLiteral("Painel de Controle");
    AddSession(session, QStringLiteral("Sessão de configuração"), -1);
    if (frmAlertas) {
        DockScreen(frmAlertas);
        AddSessionButton(session, QStringLiteral("Alertas"), QStringLiteral("Configuração de alertas"), frmAlertas,
                         popupOpenedWindows, false, true);
    }
    // The crash settings ("Crash", "Configuração de Crash") and the connectivity monitor
    // ("Conexão", "Configuração Conexão") follow here, in this order, once they exist.
}

void TfrmPrincipal::dxDockSite1MouseMove(const QPoint& aPos)
{
    if (aPos.y() < 50) {
        if (DockPanelMenu->AutoHide())
            DockPanelMenu->Reveal();
    } else if (aPos.x() < 50) {
        if (DockPanelUtils->AutoHide())
            DockPanelUtils->Reveal();
    }
}

void TfrmPrincipal::DockPanelMenuActivate()
{
    DockPanelMenu->show();
    DockPanelMenu->raise();
}

void TfrmPrincipal::FormClose()
{
    try {
        // The connectivity monitor's timers and clocks stop here first, once it exists.
        if (frmAlertas)
            frmAlertas->CloseForm();
        // The crash settings close here too.
        FSessionManager.reset();
        SetCrash(false);
        FIniCrash.reset();
        FStyle.reset();
        if (FCanClose == QStringLiteral("Wait"))
            BlockingWait(15000);
        WriteLogEntry(LogContext, LogDetails, LogFileName, QStringLiteral("OK"));
    } catch (...) {
        // The close sequence never raises; the steps after a failing one are skipped.
    }
}

void TfrmPrincipal::CloseSequence()
{
    FormClose();
}

void TfrmPrincipal::closeEvent(QCloseEvent* aEvent)
{
    if (!FClosed) {
        FClosed = true;
        CloseSequence();
    }
    aEvent->accept();
    Q_EMIT Closed();
}

bool TfrmPrincipal::eventFilter(QObject* aWatched, QEvent* aEvent)
{
    const QEvent::Type type = aEvent->type();
    if (type == QEvent::Resize && aWatched == DockPanelWorks)
        PanelsPlace();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::KeyPress)
        return QMainWindow::eventFilter(aWatched, aEvent);
    auto* widget = qobject_cast<QWidget*>(aWatched);
    if (!widget || widget->window() != this)
        return QMainWindow::eventFilter(aWatched, aEvent);

    if (type == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(aEvent);
        const QPoint pos = dxDockSite1->mapFromGlobal(mouse->globalPosition().toPoint());
        if (dxDockSite1->rect().contains(pos))
            dxDockSite1MouseMove(pos);
    } else if (type == QEvent::MouseButtonPress) {
        // A click elsewhere sends an auto-hidden panel back.
        for (TDockPanel* panel : {DockPanelUtils, DockPanelMenu})
            if (panel->AutoHide() && panel->isVisible() && widget != panel && !panel->isAncestorOf(widget))
                panel->hide();
    } else {
        const auto* key = static_cast<QKeyEvent*>(aEvent);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && widget == QApplication::focusWidget() &&
            EnterMovesFocus(widget)) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &tab);
            return true;
        }
    }
    return QMainWindow::eventFilter(aWatched, aEvent);
}
