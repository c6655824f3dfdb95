#include "users/UserScreens.h"

#include "app/TfrmLeftBar.h"
#include "app/TfrmPrincipal.h"

#include <QScrollArea>
#include <QTextEdit>
#include <QVBoxLayout>

TfrmPrincipal* MainWindowOf(const QWidget* aScreen)
{
    for (QObject* ancestor = aScreen ? aScreen->parent() : nullptr; ancestor; ancestor = ancestor->parent())
        if (auto* principal = qobject_cast<TfrmPrincipal*>(ancestor))
            return principal;
    return nullptr;
}

void SideTabOpen(const QWidget* aFrom, const QString& aTab, const QString& aParam)
{
    TfrmPrincipal* principal = MainWindowOf(aFrom);
    if (!principal || !principal->FLeftBar)
        return;
    principal->FLeftBar->Docar(aTab, aParam);
    principal->FLeftBar->ShowTab(aTab, true);
}

void SideTabShow(const QWidget* aFrom, const QString& aTab)
{
    TfrmPrincipal* principal = MainWindowOf(aFrom);
    if (principal && principal->FLeftBar)
        principal->FLeftBar->ShowTab(aTab, true);
}

QTextEdit* ResultsBoxCreate(QWidget* aParent)
{
    auto* box = new QTextEdit(aParent);
    box->setObjectName(QStringLiteral("cxrchdtResultados"));
    box->setAccessibleName(QStringLiteral("Resultados"));
    box->setReadOnly(true);
    box->setAcceptRichText(false);
    return box;
}

QVBoxLayout* ScrollingBody(QWidget* aClientArea)
{
    auto* scroll = new QScrollArea(aClientArea);
    scroll->setObjectName(QStringLiteral("ScrollBody"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(aClientArea);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    return new QVBoxLayout(content);
}
