#pragma once

// Desktop alerts: small frameless windows in a corner of the desktop with a header and a message,
// which close by themselves after their display time. The alerts of one stack never cover one
// another: they pile up from the bottom right corner of the desktop, and close up when one goes.

#include <QFrame>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QLabel;
class QTimer;
class TAlertStack;

class TDesktopAlert : public QFrame
{
    Q_OBJECT
public:
    explicit TDesktopAlert(QWidget* aOwner);

    void setHeaderText(const QString& aText);
    QString HeaderText() const;
    void setMessageText(const QString& aText);
    QString MessageText() const;
    // Milliseconds the alert stays on screen once shown.
    void setDisplayTime(int aMilliseconds) { FDisplayTime = aMilliseconds; }
    int DisplayTime() const { return FDisplayTime; }
    void setAlertStack(TAlertStack* aStack) { FStack = aStack; }
    // Called when the user clicks the message.
    void setOnMessageClick(std::function<void()> aHandler) { FOnMessageClick = std::move(aHandler); }

    // Shows the alert on the desktop of aWindow (the primary one without a window), without
    // taking the focus; the display time starts now.
    void ShowOver(QWidget* aWindow);

protected:
    void mouseReleaseEvent(QMouseEvent* aEvent) override;
    void hideEvent(QHideEvent* aEvent) override;

private:
    QLabel* FHeader;
    QLabel* FMessage;
    QTimer* FTimer;
    int FDisplayTime = 9400;
    QPointer<TAlertStack> FStack;
    std::function<void()> FOnMessageClick;
};

class TAlertStack : public QObject
{
    Q_OBJECT
public:
    explicit TAlertStack(QObject* aParent = nullptr);

    // Puts aAlert on top of the pile of shown alerts on the desktop of aWindow.
    void Place(TDesktopAlert* aAlert, QWidget* aWindow);
    // aAlert has gone: the others close up.
    void Remove(TDesktopAlert* aAlert);
    QList<TDesktopAlert*> Shown() const;

private:
    void Arrange();

    QList<QPointer<TDesktopAlert>> FShown; // bottom first
    QRect FArea;
};
