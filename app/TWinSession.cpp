#include "app/TWinSession.h"

#include "app/TSessionTabBar.h"

#include <QAction>
#include <QMenu>

TWinSession::TWinSession(TSessionTabBar* aTabBar, QToolBar* aToolBar, QMenu* aMenu, int aTagIndex,
                         QMenu* aDropDownHiden, QMenu* aWinOpened)
    : FTabBar(aTabBar), FToolBar(aToolBar), FMenu(aMenu), FTagIndex(aTagIndex), FDropDownHiden(aDropDownHiden),
      FWinOpened(aWinOpened)
{
    StatesChange(ssEmpty, ssContent);
}

TWinSession::~TWinSession()
{
    // The buttons (and with them their screens' close) first, then the entry in "Sessões escondidas".
    FSessionButtons.clear();
    FMenuItem.reset();
}

int TWinSession::TabIndex() const
{
    return FTabBarItem ? FTabBar->TabByTag(FTagIndex) : -1;
}

void TWinSession::Add(const QString& aName, const QString& aHint, int aImageIndex, int aStatus, int aSIndex)
{
    Q_UNUSED(aStatus);
    if (FTabBarItem) {
        FTabBar->TabShow(TabIndex(), true);
        return;
    }
    FSIndex = aSIndex;
    FName = aName;
    FHint = aHint;
    FStatus = 0;
    FImageIndex = aImageIndex;
    FTabBar->TabAdd(aName, aHint, FTagIndex);
    FTabBarItem = true;
    StatesChange(ssEmpty, ssContent);
    if (!FMenuItem) {
        FMenuItem = std::make_unique<QAction>(aName);
        FMenuItem->setToolTip(aHint);
        FMenuItem->setVisible(false);
        connect(FMenuItem.get(), &QAction::triggered, this, &TWinSession::Restore);
        FDropDownHiden->addAction(FMenuItem.get());
    }
}

void TWinSession::Show(bool aShow)
{
    FTabBar->TabShow(TabIndex(), aShow);
    if (!aShow) {
        ShowButtons(false, false);
        return;
    }
    StatesChange(ssShowing, ssHided | ssClosed);
    Select();
}

void TWinSession::Select()
{
    FTabBar->TabSelect(TabIndex());
    ShowButtons(true, true);
}

void TWinSession::ShowButtons(bool aShow, bool aWindowShow)
{
    for (const auto& button : FSessionButtons)
        if (!button->Removed())
            button->Show(aShow, aWindowShow);
    if (aShow)
        StatesChange(ssShowing, ssHided | ssClosed);
}

void TWinSession::ShowWindow(const QString& aName)
{
    for (const auto& button : FSessionButtons)
        if (button->Name() == aName)
            button->Show(true, true);
}

void TWinSession::SetModified(bool aStatus)
{
    // The mark goes on whatever aStatus says; nothing takes it off.
    Q_UNUSED(aStatus);
    FTabBar->TabSetModified(TabIndex());
}

void TWinSession::Enable(bool aEnable)
{
    const int index = TabIndex();
    if (index >= 0)
        FTabBar->setTabEnabled(index, aEnable);
}

void TWinSession::ButtonAdd(const QString& aName, const QString& aHint, QWidget* aWinControl, QMenu* aMenu,
                            bool aCanClose, bool aMinimized)
{
    for (const auto& button : FSessionButtons) {
        if (button->ButtonAction() && button->ButtonAction()->text() == aName) {
            button->Show(true, true);
            return;
        }
    }
    ++FSBCount;
    FSBIndex = FSBCount - 1;
    auto button = std::make_unique<TWinButton>(FToolBar, aMenu, FSBIndex);
    TWinButton* added = button.get();
    connect(added, &TWinButton::Clicked, this, &TWinSession::ButtonClicked);
    FSessionButtons.push_back(std::move(button));
    added->Add(aName, aHint, QString::number(FTagIndex) + QLatin1Char('.') + QString::number(FSBIndex));
    added->AssignControl(aWinControl);
    added->Show(true, true);
    added->setiCanClose(aCanClose);
    added->setiDoOnButtonOpen([this](int aIndex) { FLastOpened = aIndex; });
    FLastOpened = FSBIndex;
    if (aMinimized)
        added->Minimize();
    StatesChange(ssContent, ssEmpty);
}

void TWinSession::ButtonRemove()
{
    int removed = 0;
    for (const auto& button : FSessionButtons) {
        if (!button->iForm()) {
            button->Show(false, true);
            button->SetRemoved();
            ++removed;
        }
    }
    if (removed == int(FSessionButtons.size()))
        StatesChange(ssEmpty, ssContent);
}

void TWinSession::ButtonChangeCaption(const QString& aOldCaption, const QString& aNewCaption, const QString& aNewHint)
{
    for (const auto& button : FSessionButtons) {
        if (button->ButtonAction() && button->ButtonAction()->text().compare(aOldCaption, Qt::CaseInsensitive) == 0) {
            button->ChangeCaption(aNewCaption, aNewHint);
            button->setName(aNewCaption);
            return;
        }
    }
}

void TWinSession::CloseAll(TCloseAction aAction)
{
    FAction = aAction;
    if (aAction == acClose) {
        FSessionButtons.clear();
        FSBCount = 0;
        FSBIndex = 0;
        StatesChange(ssEmpty, ssContent);
    } else {
        for (const auto& button : FSessionButtons)
            button->Hide();
    }
    Show(false);
    StatesChange(ssHided, ssShowing);
}

void TWinSession::ShowLastOpened()
{
    if (FLastOpened >= 0 && FLastOpened < int(FSessionButtons.size()))
        ShowWindow(FSessionButtons[std::size_t(FLastOpened)]->Name());
}

void TWinSession::Restore()
{
    Show(true);
    ShowLastOpened();
    if (FMenuItem)
        FMenuItem->setVisible(false);
}
