#include "app/TcxTabManager.h"

#include "app/TfrmBasic.h"

#include <QTabWidget>
#include <QVBoxLayout>

TcxTab::TcxTab(const QString& aName, QTabWidget* aPGC, QWidget* aForm) : FPgc(aPGC), FForm(aForm), FName(aName)
{
    FTab = std::make_unique<QWidget>();
    FTab->setObjectName(QStringLiteral("tab") + aName);
    auto* layout = new QVBoxLayout(FTab.get());
    layout->setContentsMargins(0, 0, 0, 0);
    FPgc->addTab(FTab.get(), aName);
    if (aForm) {
        aForm->setParent(FTab.get());
        aForm->setWindowFlags(Qt::Widget);
        layout->addWidget(aForm);
        aForm->show();
    }
}

TcxTab::~TcxTab()
{
    try {
        if (auto* screen = qobject_cast<TfrmBasic*>(FForm.data()))
            screen->CloseForm();
        else if (FForm)
            FForm->close();
    } catch (...) {
        // The page goes all the same.
    }
    FTab.reset(); // its tab leaves the page control, and the form docked there goes with it
}

void TcxTab::Show(bool aShow)
{
    const int index = FPgc->indexOf(FTab.get());
    if (index >= 0)
        FPgc->setTabVisible(index, aShow);
    if (!aShow)
        return;
    for (int i = 0; i < FPgc->count(); ++i) {
        if (FPgc->tabText(i).compare(FName, Qt::CaseInsensitive) == 0) {
            FPgc->setCurrentIndex(i);
            return;
        }
    }
}

TcxTabManager::TcxTabManager(QTabWidget* aPgc) : FPgc(aPgc) {}

TcxTabManager::~TcxTabManager()
{
    FTabs.clear();
}

void TcxTabManager::Docar(const QString& aName, QWidget* aForm)
{
    if (Exists(aName))
        return;
    ++FCount;
    FIndex = FCount - 1;
    FTabs.push_back(std::make_unique<TcxTab>(aName, FPgc, aForm));
}

void TcxTabManager::Show(const QString& aName, bool aShow)
{
    for (const auto& tab : FTabs)
        if (tab->iName() == aName)
            tab->Show(aShow);
}

bool TcxTabManager::Exists(const QString& aName) const
{
    for (const auto& tab : FTabs)
        if (tab->iName() == aName)
            return true;
    return false;
}
