#pragma once

// TfrmPrincipal: the reusable main window. It is one docking surface: the work area
// DockPanelWorks in the centre, where every screen is docked over the background picture; the
// auto-hiding panels "Menu" (top) and "Utilidades" (left, the side bar); and the bottom strip
// DockWinControl with the session bar, the window buttons and the menus "Sessões escondidas" and
// "Janelas Abertas".
//
// Creation runs the base start-up: the exception handler, the program folder and version, the
// first splash, the session manager, the hidden style, alerts and support screens, the log names,
// the run marker Crash.ini, the start-up alert and the log entry "OK". The close sequence (the
// window's close event) releases the sessions, resets the run marker and writes the log entry
// "OK"; it never throws and may run only once.

#include <QMainWindow>
#include <QString>

#include <memory>

class TPictureBox;
class QMenu;
class QToolBar;
class QToolButton;
class TDockPanel;
class TIniFile;
class TSessionTabBar;
class TWinSessionManager;
class TfrmBaseDLG;
class TfrmBasic;
class TfrmLeftBar;
class TfrmStyle;

// Where the program runs: the real folders for the program, temporary ones for tests.
struct TStartConfig
{
    QString ProgramFolder;   // the program's own files: INI files, Crash.ini, Log.log, bg.jpg, help
    QString DocumentsFolder; // the user's documents folder, used until the basic settings name another
    int SplashDelay = 3000;  // how long the second splash stays, in ms
};

class TfrmPrincipal : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmPrincipal(const TStartConfig& aConfig, QWidget* aParent = nullptr);
    ~TfrmPrincipal() override;

    // Opens the control panel session with its settings screens.
    virtual void dockControlPanel();
    virtual void setLogado(bool aLogado);

    // The session operations (the session named first must have been added before; calls for an
    // unknown session are ignored).
    void AddSession(const QString& aSession, const QString& aHint, int aImageIndex);
    void AddSessionButton(const QString& aSession, const QString& aCaption, const QString& aHint, QWidget* aWinControl,
                          QMenu* aMenu, bool aCanClose, bool aMinimized);
    void ChangeButtonCaption(const QString& aSession, const QString& aOldCaption, const QString& aNewCaption,
                             const QString& aNewHint);

    // The opening recipe every screen of the work area follows: dock aScreen into the work area,
    // fill it, show it in front, then add (or show) the session and its window button.
    void OpenScreen(TfrmBasic* aScreen, const QString& aSession, const QString& aSessionHint, const QString& aCaption,
                    const QString& aHint, bool aCanClose, bool aMinimized);
    // The first half of it: dock, fill, show in front.
    void DockScreen(TfrmBasic* aScreen);

    void SetCrash(bool aCrashed);
    // Loads aFileName as the work area's background; false (background unchanged) when it does not load.
    bool SetBackgroundImage(const QString& aFileName);

    // The reveal of the auto-hidden panels, aPos relative to the dock site.
    void dxDockSite1MouseMove(const QPoint& aPos);
    void DockPanelMenuActivate();

    // True when the run marker showed that the previous run did not end in order.
    bool iCrashDetected() const { return FCrashDetected; }
    TWinSessionManager* SessionManager() const { return FSessionManager.get(); }
    const TStartConfig& StartConfig() const { return FConfig; }

    QWidget* dxDockSite1;
    TDockPanel* DockPanelMenu;
    TDockPanel* DockPanelUtils;
    QWidget* DockPanelWorks;
    TPictureBox* IMGBasicBacgroud;
    QWidget* DockWinControl;
    TSessionTabBar* SessionBar;
    QToolBar* ButtonBar;
    QToolButton* cxButton2;
    QToolButton* cxButton1;
    QMenu* popupHidenSessions;
    QMenu* popupOpenedWindows;

    // The utility side bar; the login form reaches Docar and ShowTab through it. Created by the
    // derived window, docked in DockPanelUtils; released by the close sequence, or with the window.
    std::unique_ptr<TfrmLeftBar> FLeftBar;

Q_SIGNALS:
    // The close sequence has run: the program may end.
    void Closed();

protected:
    // The close sequence of the base; the derived window runs it first in its own.
    void FormClose();
    void closeEvent(QCloseEvent* aEvent) override;
    virtual void CloseSequence();
    // Waits aMilliseconds with the windows painted; user input and end requests wait meanwhile.
    static void BlockingWait(int aMilliseconds);
    void resizeEvent(QResizeEvent* aEvent) override;
    bool eventFilter(QObject* aWatched, QEvent* aEvent) override;

    // The holder of the program's style (frmStyle), released by the close sequence (or with the
    // window, after the sessions).
    std::unique_ptr<TfrmStyle> FStyle;
    std::unique_ptr<TIniFile> FIniCrash;
    std::unique_ptr<TWinSessionManager> FSessionManager;
    QString FCanClose;
    // The splash of the start-up, a child window of this one; each constructor releases its own
    // before it returns.
    std::unique_ptr<TfrmBaseDLG> FSplash;
    TStartConfig FConfig;

private:
    void LayoutBuild();
    void PanelsPlace();
    void CrashMarkerCheck();
    // The previous run did not end in order: the newest day of the log goes to the crash report.
    void CrashReportShow();
    bool FCrashDetected = false;
    bool FClosed = false;
};

// The main window aScreen is docked in (its first ancestor of that kind), or nullptr while it is
// not docked there. Screens reach the window through this, never through the concrete window.
TfrmPrincipal* MainWindowOf(const QWidget* aScreen);
