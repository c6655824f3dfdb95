#include "app/TfrmLeftBar.h"

#include "app/TDockPanel.h"
#include "app/TcxTabManager.h"

#include <QCloseEvent>
#include <QLayout>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmLeftBar::TfrmLeftBar(QWidget* aParent) : QWidget(aParent)
{
    setObjectName(QStringLiteral("frmLeftBar"));
    setWindowTitle(QStringLiteral("Left Bar"));
    pgcUtilities = new QTabWidget(this);
    pgcUtilities->setObjectName(QStringLiteral("pgcUtilities"));
    pgcUtilities->setDocumentMode(true);
    pgcUtilities->setUsesScrollButtons(true);
    pgcUtilities->setElideMode(Qt::ElideNone);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pgcUtilities);
    FTabs = std::make_unique<TcxTabManager>(pgcUtilities);
}

TfrmLeftBar::~TfrmLeftBar()
{
    FormClose();
}

void TfrmLeftBar::MostraForm(TDockPanel* aDockPanel)
{
    FPanel = aDockPanel;
    setParent(aDockPanel->Body());
    aDockPanel->Body()->layout()->addWidget(this);
    show();
}

void TfrmLeftBar::Docar(const QString& aForm, const QString& aParam)
{
    Q_UNUSED(aForm);
    Q_UNUSED(aParam);
}

void TfrmLeftBar::ShowTab(const QString& aTab, bool aShow)
{
    if (FTabs)
        FTabs->Show(aTab, aShow);
}

bool TfrmLeftBar::IsDocked(const QString& aTab) const
{
    return FTabs && FTabs->Exists(aTab);
}

void TfrmLeftBar::FormClose()
{
    FTabs.reset();
}

void TfrmLeftBar::closeEvent(QCloseEvent* aEvent)
{
    FormClose();
    aEvent->accept();
}
