#pragma once

// What the login, registration and recovery screens share: reaching the main window and its
// side bar from a screen docked in it, and the results box of the registration and recovery.

#include <QString>

class QTextEdit;
class QVBoxLayout;
class QWidget;
class TfrmPrincipal;

// The main window aScreen is docked in (its first ancestor of that kind), or nullptr while it
// is not docked there.
TfrmPrincipal* MainWindowOf(const QWidget* aScreen);

// Docks the side bar's tab aTab with aParam and brings it forward; nothing without a side bar.
void SideTabOpen(const QWidget* aFrom, const QString& aTab, const QString& aParam);
// Brings the side bar's tab aTab forward.
void SideTabShow(const QWidget* aFrom, const QString& aTab);

// The layout of aClientArea's content. The content scrolls when the side bar is shorter than
// the screen, so that no control is squeezed out of reach.
QVBoxLayout* ScrollingBody(QWidget* aClientArea);

// The results box of the registration and recovery screens: read-only, newest line on top.
QTextEdit* ResultsBoxCreate(QWidget* aParent);
