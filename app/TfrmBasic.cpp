#include "app/TfrmBasic.h"

#include "app/TFrameTop.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>
#include <QVBoxLayout>

TfrmBasic::TfrmBasic(QWidget* aParent) : QWidget(aParent)
{
    setWindowTitle(QStringLiteral("Formulário Básico"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    resize(796, 411);

    FrameTop1 = new TFrameTop(this);
    FClientArea = new QWidget(this);
    FClientArea->setObjectName(QStringLiteral("ClientArea"));
    // The main window reveals its hidden side panels when the mouse comes near their edge.
    setMouseTracking(true);
    FClientArea->setMouseTracking(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(FrameTop1);
    layout->addWidget(FClientArea, 1);
}

void TfrmBasic::MostraForm(QWidget* aParent, bool aModal)
{
    if (aParent) {
        if (parentWidget() != aParent)
            setParent(aParent);
        setGeometry(aParent->rect());
        if (aParent->layout() && aParent->layout()->indexOf(this) < 0)
            aParent->layout()->addWidget(this);
        show();
        raise();
        return;
    }
    if (aModal) {
        setWindowModality(Qt::ApplicationModal);
        show();
        // The screen may be destroyed while the loop runs.
        const QPointer<TfrmBasic> self(this);
        QEventLoop loop;
        while (self && self->isVisible())
            loop.processEvents(QEventLoop::WaitForMoreEvents);
        return;
    }
    show();
}

void TfrmBasic::showEvent(QShowEvent* aEvent)
{
    QWidget::showEvent(aEvent);
    FormShow();
}

void TfrmBasic::closeEvent(QCloseEvent* aEvent)
{
    FormClose();
    aEvent->accept();
}

void TfrmBasic::CloseForm()
{
    if (isVisible())
        close();
    else
        FormClose();
}
