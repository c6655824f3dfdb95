#pragma once

// TWinButton: one screen of a session and its window button (a tool button on the button bar and
// an entry in "Janelas Abertas"). The button shows and hides its screen; the screen's own close
// button ("X" of its title frame) becomes the close request. Screens are never owned here: a
// button only asks its screen to close, when the screen is closed through it or when the button is
// destroyed. A button knows nothing of its session or of the session manager: it tells them of a
// click through Clicked.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QToolBar;
class QToolButton;
class QWidget;

enum TWinState
{
    winMaximized, // shown
    winMinimized, // hidden by its button, or because another screen was shown
    winHided,     // hidden together with its session
    winClosed,    // closed through its close button
    winFront      // shown and brought to the front
};

enum TWinAction
{
    winMaximize,
    winMinimize,
    winHide
};

enum TCloseAction
{
    acClose, // release the session's buttons
    acHide   // hide them
};

using TButtonOpen = std::function<void(int aIndex)>;

class TWinButton : public QObject
{
    Q_OBJECT
public:
    TWinButton(QToolBar* aToolBar, QMenu* aMenu, int aIndex);
    ~TWinButton() override;

    void Add(const QString& aCaption, const QString& aHint, const QString& aTagIndex);
    void AssignControl(QWidget* aWinControl);
    void Show(bool aShow, bool aWindowShow);
    void Hide();
    void CloseThis();
    void SetRemoved() { FRemoved = true; }
    void ChangeCaption(const QString& aNewCaption, const QString& aNewHint);

    // The click of the tool button or of its menu entry.
    void Click();
    // The click of the screen's close button.
    void CloseRequest();
    // Hides the screen because another one is shown.
    void Minimize();

    QString ButtonIndex() const { return FTagIndex; }
    void setButtonIndex(const QString& aValue) { FTagIndex = aValue; }
    QToolButton* iButton() const;
    QAction* ButtonAction() const { return FButton.get(); }
    QAction* MenuItem() const { return FMenuItem.get(); }
    bool Removed() const { return FRemoved; }
    QWidget* iForm() const { return FWinControl; }
    QString iTagIndex() const { return FTagIndex; }
    bool iCanClose() const { return FCanClose; }
    void setiCanClose(bool aValue) { FCanClose = aValue; }
    const TButtonOpen& iDoOnButtonOpen() const { return FOnButtonOpen; }
    void setiDoOnButtonOpen(TButtonOpen aValue) { FOnButtonOpen = std::move(aValue); }
    TWinState WinState() const { return FWinState; }
    const QString& Name() const { return FName; }
    void setName(const QString& aValue) { FName = aValue; }
    int Index() const { return FIndex; }

Q_SIGNALS:
    // A click, before the button shows or hides its screen: the screens of every other button
    // are to hide (the session manager does it).
    void Clicked(const QString& aTagIndex);

private:
    void ScreenShow();
    void ScreenHide();
    void ScreenClose();

    QToolBar* FToolBar;
    QMenu* FMenu;
    std::unique_ptr<QAction> FButton;   // the tool button's action on FToolBar
    std::unique_ptr<QAction> FMenuItem; // the entry in FMenu
    QPointer<QWidget> FWinControl;
    TWinState FWinState = winMaximized;
    TWinAction FWinAction = winMaximize;
    QString FTagIndex;
    bool FRemoved = false;
    bool FCanClose = true;
    QString FName;
    int FIndex;
    TButtonOpen FOnButtonOpen;
};
