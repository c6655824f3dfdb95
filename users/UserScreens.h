#pragma once

// What the login, registration and recovery screens share: reaching the side bar from a screen
// docked in the main window, and the results box of the registration and recovery.

#include <QString>

class QLineEdit;
class QTextEdit;
class TfrmBasic;
class QVBoxLayout;
class QWidget;

// Docks the side bar's tab aTab with aParam and brings it forward; nothing without a side bar.
void SideTabOpen(const QWidget* aFrom, const QString& aTab, const QString& aParam);
// Brings the side bar's tab aTab forward.
void SideTabShow(const QWidget* aFrom, const QString& aTab);

// Sets up aForm for a tab of the side bar and gives the layout of its content. The content
// scrolls when the side bar is smaller than the form, so that no control is squeezed out of
// reach. The title frame's close button is hidden: a side bar tab stays for the whole run.
QVBoxLayout* SideBarBody(TfrmBasic* aForm);

// A group box of a side bar form with its layout. It may be narrower than its title (which is
// then cut), so that a narrow side bar needs no sideways scrolling.
QVBoxLayout* SideBarGroup(const QString& aTitle, QVBoxLayout* aBody, int aStretch = 0);

// A text box named aName under the label aLabel (its buddy, which also names it for assistive tools).
QLineEdit* LabeledEdit(QVBoxLayout* aLayout, const QString& aLabel, const QString& aName);

// The results box of the registration and recovery screens: read-only, newest line on top.
QTextEdit* ResultsBoxCreate(QWidget* aParent);
