#pragma once

// The working screens the welcome screen opens (bet groups, contests, checking), by the name of
// the button that opens them. Every one opens through the main window's one recipe
// (TfrmPrincipal::OpenScreen) in the session "Principal"; this table says which screen, with
// which window button. A screen joins the welcome screen by adding its row in TWorkScreens.cpp.

#include <QString>

#include <functional>

class QWidget;
class TfrmBasic;

struct TWorkScreen
{
    QString Button;  // the welcome screen's button: "btnCadAposta", "btnLancaConcurso", "btnConferencia"
    QString Caption; // the window button's caption in the session "Principal"
    QString Hint;
    // The screen's single instance: created (owner aOwner) when its global reference is empty.
    std::function<TfrmBasic*(QWidget* aOwner)> Instance;
    // After the opening: whether the screen stays shown (the checking screen hides itself when it
    // cannot proceed). Empty: it stays shown.
    std::function<bool(TfrmBasic* aScreen)> StaysShown;
};

// The screen opened by aButton, or nullptr when that screen is not part of the program yet.
const TWorkScreen* FindWorkScreen(const QString& aButton);

// Puts aScreen in the table, replacing the row of the same button; a row without Instance takes
// the screen out.
void RegisterWorkScreen(const TWorkScreen& aScreen);
