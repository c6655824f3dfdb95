#include "users/UserScreens.h"

#include "app/TFrameTop.h"
#include "app/TfrmBasic.h"
#include "app/TfrmLeftBar.h"
#include "app/TfrmPrincipal.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QVBoxLayout>

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

QVBoxLayout* SideBarBody(TfrmBasic* aForm)
{
    aForm->FrameTop1->btnCloseForm->hide();
    auto* scroll = new QScrollArea(aForm->ClientArea());
    scroll->setObjectName(QStringLiteral("ScrollBody"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget;
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(aForm->ClientArea());
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(2, 2, 2, 2);
    return layout;
}

QVBoxLayout* SideBarGroup(const QString& aTitle, QVBoxLayout* aBody, int aStretch)
{
    auto* group = new QGroupBox(aTitle);
    group->setMinimumWidth(120);
    aBody->addWidget(group, aStretch);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 6, 6, 6);
    return layout;
}

QLineEdit* LabeledEdit(QVBoxLayout* aLayout, const QString& aLabel, const QString& aName)
{
    auto* label = new QLabel(aLabel);
    auto* edit = new QLineEdit;
    edit->setObjectName(aName);
    label->setBuddy(edit);
    aLayout->addWidget(label);
    aLayout->addWidget(edit);
    return edit;
}
