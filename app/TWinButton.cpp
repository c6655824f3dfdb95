#include "app/TWinButton.h"

#include "app/Dialogs.h"
#include "app/TfrmBasic.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

TWinButton::TWinButton(QToolBar* aToolBar, QMenu* aMenu, int aIndex) : FToolBar(aToolBar), FMenu(aMenu), FIndex(aIndex)
{}

TWinButton::~TWinButton()
{
    // The button and the menu entry go first (an action leaves its bar and menu as it goes), then
    // the screen is asked to close.
    FButton.reset();
    FMenuItem.reset();
    try {
        ScreenClose();
    } catch (...) {
        // A screen that fails to close must not stop the others.
    }
}

void TWinButton::Add(const QString& aCaption, const QString& aHint, const QString& aTagIndex)
{
    FName = aCaption;
    FButton = std::make_unique<QAction>(aCaption);
    FButton->setToolTip(aHint);
    FButton->setStatusTip(aHint);
    connect(FButton.get(), &QAction::triggered, this, &TWinButton::Click);
    FToolBar->addAction(FButton.get());
    if (QToolButton* button = iButton()) {
        button->setObjectName(QStringLiteral("btnWin") + aTagIndex);
        button->setMinimumSize(100, 21);
    }
    FTagIndex = aTagIndex;
    FMenuItem = std::make_unique<QAction>(aCaption);
    FMenuItem->setToolTip(aHint);
    FMenuItem->setStatusTip(aHint);
    connect(FMenuItem.get(), &QAction::triggered, this, &TWinButton::Click);
    FMenu->addAction(FMenuItem.get());
    Show(true, true);
}

QToolButton* TWinButton::iButton() const
{
    return FButton ? qobject_cast<QToolButton*>(FToolBar->widgetForAction(FButton.get())) : nullptr;
}

void TWinButton::AssignControl(QWidget* aWinControl)
{
    FWinControl = aWinControl;
    if (!aWinControl)
        return;
    for (QObject* child : aWinControl->children()) {
        if (!child->objectName().contains(QStringLiteral("FrameTop")))
            continue;
        for (QObject* inner : child->children()) {
            auto* close = qobject_cast<QAbstractButton*>(inner);
            if (close && inner->objectName().contains(QStringLiteral("btnCloseForm"))) {
                connect(close, &QAbstractButton::clicked, this, &TWinButton::CloseRequest);
                return;
            }
        }
    }
}

void TWinButton::Show(bool aShow, bool aWindowShow)
{
    if (FButton)
        FButton->setVisible(aShow);
    if (FMenuItem)
        FMenuItem->setVisible(aShow);
    FRemoved = false;
    if (aWindowShow) {
        FWinState = winMaximized;
        try {
            ScreenShow();
        } catch (...) {
            // The button's state stands; a screen that cannot show stays as it is.
        }
    } else {
        ScreenHide();
        FWinState = winMinimized;
    }
}

void TWinButton::Hide()
{
    if (FButton)
        FButton->setVisible(false);
    ScreenHide();
    FWinState = winHided;
    FRemoved = false;
}

void TWinButton::CloseThis()
{
    if (!FCanClose)
        return;
    if (FButton)
        FButton->setVisible(false);
    if (FMenuItem)
        FMenuItem->setVisible(false);
    FWinState = winClosed;
    FRemoved = true;
    ScreenHide();
    try {
        ScreenClose();
    } catch (...) {
        // The screen is hidden and its button gone; a failing close handler changes nothing more.
    }
}

void TWinButton::ChangeCaption(const QString& aNewCaption, const QString& aNewHint)
{
    if (!FButton)
        return;
    FButton->setText(aNewCaption);
    if (!aNewHint.isEmpty())
        FButton->setToolTip(aNewHint);
}

void TWinButton::Click()
{
    Q_EMIT Clicked(FTagIndex);
    switch (FWinState) {
    case winMaximized:
    case winFront:
        ScreenHide();
        FWinState = winMinimized;
        break;
    case winMinimized:
    case winHided:
        ScreenShow();
        FWinState = winMaximized;
        if (FOnButtonOpen)
            FOnButtonOpen(FIndex);
        break;
    case winClosed:
        break;
    }
}

void TWinButton::CloseRequest()
{
    if (!FCanClose) {
        ScreenHide();
        FWinState = winMinimized;
        return;
    }
    const auto* screen = qobject_cast<TfrmBasic*>(FWinControl.data());
    if (!screen || screen->iBasicFrmStatus() == aOK) {
        CloseThis();
        return;
    }
    if (Dialogs::Confirm(FWinControl, QStringLiteral("Esta janela ainda não foi salva. Fechar assim mesmo?")))
        CloseThis();
}

void TWinButton::Minimize()
{
    ScreenHide();
    FWinState = winMinimized;
}

void TWinButton::ScreenShow()
{
    if (!FWinControl)
        return;
    FWinControl->show();
    FWinControl->raise();
}

void TWinButton::ScreenHide()
{
    if (FWinControl)
        FWinControl->hide();
}

void TWinButton::ScreenClose()
{
    if (!FWinControl)
        return;
    if (auto* screen = qobject_cast<TfrmBasic*>(FWinControl.data()))
        screen->CloseForm();
    else
        FWinControl->close();
}
