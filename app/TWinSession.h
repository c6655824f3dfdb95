#pragma once

// TWinSession: one session of the work area, shown as a tab of the session bar, with the window
// buttons of its screens. Hiding a session (closing its tab) hides its screens and lists it under
// "Sessões escondidas", from where it can be restored. A click on any of its window buttons is
// passed on through ButtonClicked.

#include "app/TWinButton.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QAction;
class QMenu;
class QToolBar;
class QWidget;
class TSessionTabBar;

enum TSessionState
{
    ssShowing = 1 << 0,
    ssClosed = 1 << 1,
    ssHided = 1 << 2,
    ssContent = 1 << 3,
    ssEmpty = 1 << 4
};
using TSessionStates = int; // a set of TSessionState bits

using TSessionButtons = std::vector<std::unique_ptr<TWinButton>>;

class TWinSession : public QObject
{
    Q_OBJECT
public:
    TWinSession(TSessionTabBar* aTabBar, QToolBar* aToolBar, QMenu* aMenu, int aTagIndex, QMenu* aDropDownHiden,
                QMenu* aWinOpened);
    ~TWinSession() override;

    void Add(const QString& aName, const QString& aHint, int aImageIndex, int aStatus, int aSIndex);
    void Show(bool aShow);
    void Select();
    void ShowButtons(bool aShow, bool aWindowShow);
    void ShowWindow(const QString& aName);
    void SetModified(bool aStatus);
    void Enable(bool aEnable);
    void ButtonAdd(const QString& aName, const QString& aHint, QWidget* aWinControl, QMenu* aMenu, bool aCanClose,
                   bool aMinimized);
    void ButtonRemove();
    void ButtonChangeCaption(const QString& aOldCaption, const QString& aNewCaption, const QString& aNewHint);
    void CloseAll(TCloseAction aAction);
    // The click on the session's entry in "Sessões escondidas".
    void Restore();
    // Shows the screen of the button opened last, in front.
    void ShowLastOpened();

    QString SessionName() const { return FName; }
    void setSessionName(const QString& aValue) { FName = aValue; }
    QString SessionHint() const { return FHint; }
    void setSessionHint(const QString& aValue) { FHint = aValue; }
    int SessionImageIndex() const { return FImageIndex; }
    void setSessionImageIndex(int aValue) { FImageIndex = aValue; }
    int SessionStatus() const { return FStatus; }
    void setSessionStatus(int aValue) { FStatus = aValue; }
    int SessionTagIndex() const { return FTagIndex; }
    void setSessionTagIndex(int aValue) { FTagIndex = aValue; }

    TSessionStates States() const { return FSessionStates; }
    const TSessionButtons& Buttons() const { return FSessionButtons; }
    int LastOpened() const { return FLastOpened; }
    int SIndex() const { return FSIndex; }
    void setSIndex(int aValue) { FSIndex = aValue; }
    void setAction(TCloseAction aValue) { FAction = aValue; }
    // The tab's position on the session bar, -1 before Add.
    int TabIndex() const;
    QAction* HiddenEntry() const { return FMenuItem.get(); }

Q_SIGNALS:
    // A window button of this session was clicked (TWinButton::Clicked).
    void ButtonClicked(const QString& aTagIndex);

private:
    void StatesChange(TSessionStates aAdd, TSessionStates aRemove)
    {
        FSessionStates = (FSessionStates | aAdd) & ~aRemove;
    }

    TSessionTabBar* FTabBar;
    bool FTabBarItem = false; // the session's tab exists
    QToolBar* FToolBar;
    QMenu* FMenu;
    QString FName;
    QString FHint;
    int FImageIndex = 1;
    int FStatus = 0;
    int FTagIndex;
    TSessionStates FSessionStates = 0;
    int FSIndex = 0;
    QMenu* FDropDownHiden;
    QMenu* FWinOpened;
    std::unique_ptr<QAction> FMenuItem; // entry in FDropDownHiden
    TSessionButtons FSessionButtons;
    int FSBCount = 0;
    int FSBIndex = 0;
    TCloseAction FAction = acHide;
    int FLastOpened = 0;
};
