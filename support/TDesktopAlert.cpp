#include "support/TDesktopAlert.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const int kMargin = 12;
const int kGap = 6;
} // namespace

TDesktopAlert::TDesktopAlert(QWidget* aOwner)
    : QFrame(aOwner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("DesktopAlert"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameShape(QFrame::Box);
    setStyleSheet(QStringLiteral("TDesktopAlert { background: #fffdf3; border: 1px solid #1f8a4c; }"
                                 "QLabel#HeaderText { background: #1f8a4c; color: white; font-weight: bold;"
                                 " padding: 4px; }"
                                 "QLabel#MessageText { padding: 8px; color: #0b3d2e; }"));
    FHeader = new QLabel(this);
    FHeader->setObjectName(QStringLiteral("HeaderText"));
    FMessage = new QLabel(this);
    FMessage->setObjectName(QStringLiteral("MessageText"));
    FMessage->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(FHeader);
    layout->addWidget(FMessage, 1);
    setFixedSize(300, 96);

    FTimer = new QTimer(this);
    FTimer->setSingleShot(true);
    connect(FTimer, &QTimer::timeout, this, [this] {
        close();
        deleteLater();
    });
}

void TDesktopAlert::setHeaderText(const QString& aText)
{
    FHeader->setText(aText);
}

QString TDesktopAlert::HeaderText() const
{
    return FHeader->text();
}

void TDesktopAlert::setMessageText(const QString& aText)
{
    FMessage->setText(aText);
}

QString TDesktopAlert::MessageText() const
{
    return FMessage->text();
}

void TDesktopAlert::ShowOver(QWidget* aWindow)
{
    if (FStack)
        FStack->Place(this, aWindow);
    show();
    FTimer->start(FDisplayTime);
}

void TDesktopAlert::mouseReleaseEvent(QMouseEvent* aEvent)
{
    if (aEvent->button() == Qt::LeftButton && FMessage->geometry().contains(aEvent->position().toPoint()) &&
        FOnMessageClick)
        FOnMessageClick();
    QFrame::mouseReleaseEvent(aEvent);
}

void TDesktopAlert::hideEvent(QHideEvent* aEvent)
{
    if (FStack)
        FStack->Remove(this);
    QFrame::hideEvent(aEvent);
}

TAlertStack::TAlertStack(QObject* aParent) : QObject(aParent)
{
    setObjectName(QStringLiteral("AlertStack"));
}

void TAlertStack::Place(TDesktopAlert* aAlert, QWidget* aWindow)
{
    const QScreen* screen = aWindow && aWindow->screen() ? aWindow->screen() : QGuiApplication::primaryScreen();
    if (screen)
        FArea = screen->availableGeometry();
    FShown.removeAll(aAlert);
    FShown.append(aAlert);
    Arrange();
}

void TAlertStack::Remove(TDesktopAlert* aAlert)
{
    if (FShown.removeAll(aAlert) > 0)
        Arrange();
}

QList<TDesktopAlert*> TAlertStack::Shown() const
{
    QList<TDesktopAlert*> shown;
    for (const auto& alert : FShown)
        if (alert)
            shown.append(alert);
    return shown;
}

void TAlertStack::Arrange()
{
    FShown.removeAll(nullptr);
    int bottom = FArea.bottom() - kMargin;
    for (const auto& alert : FShown) {
        alert->move(FArea.right() - kMargin - alert->width(), bottom - alert->height());
        bottom -= alert->height() + kGap;
    }
}
