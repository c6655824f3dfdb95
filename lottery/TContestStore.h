#pragma once

// The contests in Concursos.inx: section "Concursos", one header per contest named by its
// number, with the string keys "Concurso", "Aposta", "Premio" and "Ganhadores". The mark
// "Novo" is not stored.

#include "lottery/TContestGrid.h"

#include <QString>

class TManager;

// DataFolder/Concursos.inx
QString ContestsFileName(const QString& aDataFolder);

// Adds every stored contest to aGrid (the headers in text order ignoring case, each on top,
// so the grid ends newest first) and returns the next contest number: the highest stored
// "Concurso" that is a whole number below the largest integer, plus 1 (1 when there is none).
int ContestsLoad(TManager& aStore, TContestGrid& aGrid);

// Writes every grid row that has a number into the store (a row whose number was edited is
// written under its new number; the old header stays).
void ContestsSave(TManager& aStore, const TContestGrid& aGrid);
