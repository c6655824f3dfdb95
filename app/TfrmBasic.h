#pragma once

// TfrmBasic: the base of every screen of the work area. It carries the title frame FrameTop1
// and the saved/unsaved status iBasicFrmStatus. A derived screen puts its controls into
// ClientArea().
//
// Life cycle: creation is the constructor; FormShow runs from showEvent; FormClose runs from
// closeEvent and must be safe to run again on a closed screen (the close sequence of the main
// window asks some screens to close more than once). Closing a screen hides it; the screen is
// destroyed with its owner.

#include "app/TBasicDefs.h"

#include <QWidget>

class TFrameTop;

class TfrmBasic : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmBasic(QWidget* aParent = nullptr);

    TBasicFrmStatus iBasicFrmStatus() const { return FBasicFrmStatus; }
    void setiBasicFrmStatus(TBasicFrmStatus aValue) { FBasicFrmStatus = aValue; }

    // With aParent: docks the screen into aParent (re-parented, filling it) and shows it.
    // Without: shows it as a window of its own, modal when aModal is true.
    virtual void MostraForm(QWidget* aParent, bool aModal = false);

    // Asks the screen to close as the program's close paths do: FormClose runs and the screen
    // hides, also when it is already hidden.
    void CloseForm();

    // Where derived screens place their controls, below the title frame.
    QWidget* ClientArea() const { return FClientArea; }

    TFrameTop* FrameTop1;

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}
    void showEvent(QShowEvent* aEvent) override;
    void closeEvent(QCloseEvent* aEvent) override;

private:
    TBasicFrmStatus FBasicFrmStatus = aOK;
    QWidget* FClientArea;
};
