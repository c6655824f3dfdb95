#include "app/TWinSessionManager.h"

#include "app/TSessionTabBar.h"

#include <QAction>

#include <algorithm>

TWinSessionManager::TWinSessionManager(TSessionTabBar* aTabBar, QToolBar* aToolBar, QMenu* aDropDownHiden,
                                       QMenu* aWinOpened)
    : FTabBar(aTabBar), FToolBar(aToolBar), FDropDownHiden(aDropDownHiden), FWinOpened(aWinOpened)
{
    connect(FTabBar, &TSessionTabBar::TabSelected, this, &TWinSessionManager::TabSelected);
    connect(FTabBar, &TSessionTabBar::TabClosed, this, &TWinSessionManager::TabClosed);
}

TWinSessionManager::~TWinSessionManager()
{
    disconnect(FTabBar, nullptr, this, nullptr);
    FSession = nullptr;
    FSessions.clear();
}

int TWinSessionManager::FindSessionByName(const QString& aName)
{
    for (const auto& session : FSessions) {
        if (session->SessionName().compare(aName, Qt::CaseInsensitive) == 0) {
            FSession = session.get();
            return session->SessionTagIndex();
        }
    }
    return -1;
}

void TWinSessionManager::HideAllButtons()
{
    for (const auto& session : FSessions)
        session->ShowButtons(false, false);
}

void TWinSessionManager::SessionAdd(const QString& aName, const QString& aHint, int aImageIndex)
{
    if (FindSessionByName(aName) >= 0) {
        HideAllButtons();
        FSession->Show(true);
        return;
    }
    HideAllButtons();
    ++FSCount;
    FSIndex = FSCount - 1;
    ++FTagIndex;
    auto session = std::make_unique<TWinSession>(FTabBar, FToolBar, FWinOpened, FTagIndex, FDropDownHiden, FWinOpened);
    connect(session.get(), &TWinSession::ButtonClicked, this, &TWinSessionManager::MinimizeOthers);
    session->Add(aName, aHint, aImageIndex, 0, 0);
    session->setSIndex(int(FSessions.size()));
    FSession = session.get();
    FSessions.push_back(std::move(session));
    FSession->Show(true);
}

void TWinSessionManager::SessionShowButtons(const QString& aSession, bool aShow)
{
    if (FindSessionByName(aSession) >= 0)
        FSession->ShowButtons(aShow, true);
}

QString TWinSessionManager::FindButtonByID(const QString& aSession, int aID)
{
    if (FindSessionByName(aSession) < 0 || aID < 0 || aID >= int(FSession->Buttons().size()))
        return QString();
    return FSession->Buttons()[std::size_t(aID)]->Name();
}

void TWinSessionManager::ButtonRemove(const QString& aSession)
{
    if (FindSessionByName(aSession) >= 0)
        FSession->ButtonRemove();
}

void TWinSessionManager::ButtonShow(const QString& aSession, const QString& aButtonCaption)
{
    if (FindSessionByName(aSession) >= 0)
        FSession->ShowWindow(aButtonCaption);
}

bool TWinSessionManager::OthersClosed(const QString& aName) const
{
    return std::all_of(FSessions.begin(), FSessions.end(), [&](const auto& session) {
        return session->SessionName().compare(aName, Qt::CaseInsensitive) == 0 || (session->States() & ssHided);
    });
}

void TWinSessionManager::MinimizeOthers(const QString& aTagIndex)
{
    for (const auto& session : FSessions)
        for (const auto& button : session->Buttons())
            if (button->iTagIndex() != aTagIndex)
                button->Minimize();
}

void TWinSessionManager::TabSelected(int aIndex)
{
    if (aIndex < 0 || FTabBar->IsClosing(aIndex))
        return;
    int position = -1;
    try {
        HideAllButtons();
        if (FindSessionByName(FTabBar->tabText(aIndex)) < 0)
            return;
        FTabBar->TabSelect(aIndex);
        FSession->ShowButtons(true, false);
        if (!FSession->Buttons().empty())
            FSession->ShowLastOpened();
        position = FSession->SIndex();
    } catch (...) {
        return;
    }
    FAnterior = position;
}

void TWinSessionManager::TabClosed(int aIndex)
{
    const QString name = FTabBar->tabText(aIndex);
    if (FindSessionByName(name) < 0 || OthersClosed(name))
        return;
    TWinSession* closed = FSession;
    closed->setAction(acHide);
    closed->CloseAll(acHide);
    closed->ShowButtons(false, false);
    if (closed->HiddenEntry())
        closed->HiddenEntry()->setVisible(true);

    const int a = FAnterior;
    const int n = FSCount;
    int k = std::max(a - 1, 0);
    if (k >= n - 1)
        k = n - 2;
    if (a == 0)
        k = 1;
    if (a == n - 1)
        k = n - 2;
    if (k < 0 || k >= int(FSessions.size()))
        return;
    FSession = FSessions[std::size_t(k)].get();
    FTabBar->TabSelect(FSession->TabIndex());
}
