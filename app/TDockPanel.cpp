#include "app/TDockPanel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

TDockPanel::TDockPanel(const QString& aName, const QString& aCaption, QWidget* aParent) : QFrame(aParent)
{
    setObjectName(aName);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setAccessibleName(aCaption.isEmpty() ? aName : aCaption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    if (!aCaption.isEmpty()) {
        auto* bar = new QWidget(this);
        bar->setObjectName(QStringLiteral("DockCaption"));
        auto* barLayout = new QHBoxLayout(bar);
        barLayout->setContentsMargins(6, 2, 2, 2);
        auto* caption = new QLabel(aCaption, bar);
        auto* hide = new QToolButton(bar);
        hide->setObjectName(QStringLiteral("btnHidePanel"));
        hide->setText(QStringLiteral("«"));
        hide->setToolTip(QStringLiteral("Esconder"));
        hide->setAutoRaise(true);
        connect(hide, &QToolButton::clicked, this, &QWidget::hide);
        barLayout->addWidget(caption, 1);
        barLayout->addWidget(hide);
        layout->addWidget(bar);
    }
    FBody = new QWidget(this);
    FBody->setObjectName(aName + QStringLiteral("Body"));
    auto* bodyLayout = new QVBoxLayout(FBody);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FBody, 1);

    FHideTimer = new QTimer(this);
    FHideTimer->setSingleShot(true);
    FHideTimer->setInterval(400);
    connect(FHideTimer, &QTimer::timeout, this, &TDockPanel::HideIfIdle);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* aNow) {
        if (FAutoHide && isVisible() && !(aNow && isAncestorOf(aNow)) && !underMouse())
            HideLater();
    });
}

void TDockPanel::setAutoHide(bool aValue)
{
    FAutoHide = aValue;
    if (aValue)
        hide();
}

void TDockPanel::Reveal()
{
    FHideTimer->stop();
    if (!isVisible()) {
        show();
        raise();
        Q_EMIT Activated();
    }
}

void TDockPanel::enterEvent(QEnterEvent* aEvent)
{
    FHideTimer->stop();
    QFrame::enterEvent(aEvent);
}

void TDockPanel::leaveEvent(QEvent* aEvent)
{
    if (FAutoHide)
        HideLater();
    QFrame::leaveEvent(aEvent);
}

void TDockPanel::HideLater()
{
    FHideTimer->start();
}

void TDockPanel::HideIfIdle()
{
    if (!FAutoHide || underMouse() || QApplication::activePopupWidget() || QApplication::activeModalWidget())
        return;
    QWidget* focus = QApplication::focusWidget();
    if (focus && isAncestorOf(focus))
        return;
    hide();
}
