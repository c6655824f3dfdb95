#pragma once

// TfrmLeftBar: the utility side bar, docked into the main window's "Utilidades" panel. Its page
// control holds one tab per utility form; Docar (by name) is what a derived side bar maps to
// its forms.

#include <QPointer>
#include <QWidget>

#include <memory>

class QTabWidget;
class TDockPanel;
class TcxTabManager;

class TfrmLeftBar : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmLeftBar(QWidget* aParent = nullptr);
    ~TfrmLeftBar() override;

    // Docks the side bar into aDockPanel, filling it, and shows it.
    void MostraForm(TDockPanel* aDockPanel);
    // Creates (once) the utility form named aForm and docks it in its tab; the base knows no names.
    virtual void Docar(const QString& aForm, const QString& aParam);
    void ShowTab(const QString& aTab, bool aShow);
    bool IsDocked(const QString& aTab) const;
    // Releases the tabs: every tab asks its form to close. Safe to run again.
    void FormClose();

    QTabWidget* pgcUtilities;

protected:
    void closeEvent(QCloseEvent* aEvent) override;
    TcxTabManager* Tabs() const { return FTabs.get(); }

private:
    QPointer<TDockPanel> FPanel;
    std::unique_ptr<TcxTabManager> FTabs;
};
