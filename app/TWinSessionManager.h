#pragma once

// TWinSessionManager: the sessions of the main window's work area. It answers the session bar's
// tab-selected and tab-closed notifications: selecting a tab shows that session's buttons and its
// last opened screen; closing a tab hides the session (never the last visible one) and selects a
// neighbour.

#include "app/TWinSession.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QMenu;
class QToolBar;
class TSessionTabBar;

using TWinSessions = std::vector<std::unique_ptr<TWinSession>>;

class TWinSessionManager : public QObject
{
    Q_OBJECT
public:
    TWinSessionManager(TSessionTabBar* aTabBar, QToolBar* aToolBar, QMenu* aDropDownHiden, QMenu* aWinOpened);
    ~TWinSessionManager() override;

    // The tag of the first session named aName (case ignored), which becomes the current
    // session; -1 when there is none (the current session stays).
    int FindSessionByName(const QString& aName);
    void SessionAdd(const QString& aName, const QString& aHint, int aImageIndex);
    void SessionShowButtons(const QString& aSession, bool aShow);
    QString FindButtonByID(const QString& aSession, int aID);
    void ButtonRemove(const QString& aSession);
    void ButtonShow(const QString& aSession, const QString& aButtonCaption);
    // True when every session not named aName is hidden, also when there is no other.
    bool OthersClosed(const QString& aName) const;

    TWinSession* Session() const { return FSession; }
    const TWinSessions& Sessions() const { return FSessions; }
    int Anterior() const { return FAnterior; }

    // A window button was clicked (every session passes its buttons' clicks on to here): every
    // screen of another button hides.
    void MinimizeOthers(const QString& aTagIndex);

private:
    void HideAllButtons();
    void TabSelected(int aIndex);
    void TabClosed(int aIndex);

    TSessionTabBar* FTabBar;
    QToolBar* FToolBar;
    QMenu* FDropDownHiden;
    QMenu* FWinOpened;
    TWinSessions FSessions;
    int FSCount = 0;
    int FSIndex = 0;
    int FTagIndex = 0;
    TWinSession* FSession = nullptr;
    int FAnterior = 0;
};
