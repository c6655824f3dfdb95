#pragma once

// The tabs of the utility side bar: each page hosts one utility form, created on demand by name.
// TcxTab is one page and its form; releasing a tab asks its form to close and releases the page
// (and with it the form docked there).

#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class QTabWidget;
class QWidget;

class TcxTab
{
public:
    // Adds a page named aName to aPGC and docks aForm into it, filling it, shown.
    TcxTab(const QString& aName, QTabWidget* aPGC, QWidget* aForm);
    ~TcxTab();

    // The page and its tab visible as aShow; when shown, the first page whose caption equals the
    // tab's name (case ignored) becomes active.
    void Show(bool aShow);

    const QString& iName() const { return FName; }
    QWidget* Page() const { return FTab.get(); }
    QWidget* Form() const { return FForm; }

private:
    QTabWidget* FPgc;
    // The page, a child of aPGC: released with the tab, which must therefore go before aPGC.
    std::unique_ptr<QWidget> FTab;
    QPointer<QWidget> FForm;
    QString FName;
};

using TcxTabs = std::vector<std::unique_ptr<TcxTab>>;

// The tabs of one page control, which must outlive the manager (the side bar releases its manager
// before its children go).
class TcxTabManager
{
public:
    explicit TcxTabManager(QTabWidget* aPgc);
    ~TcxTabManager();

    // Nothing when a tab named exactly aName exists.
    void Docar(const QString& aName, QWidget* aForm);
    void Show(const QString& aName, bool aShow);
    bool Exists(const QString& aName) const;
    int Count() const { return FCount; }

private:
    QTabWidget* FPgc;
    TcxTabs FTabs;
    int FIndex = 0;
    int FCount = 0;
};
