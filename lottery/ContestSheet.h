#pragma once

// The lottery operator's results spreadsheet (.xlsx) as contest import lines.
//
// The workbook's first sheet is read: shared strings, inline strings, text and number cells,
// with or without cell positions and namespace prefixes, as different producers write them. Its
// first row that holds anything is the heading; the columns "Concurso", "Bola1" … "Bola6",
// "Ganhadores 6 acertos" and "Rateio 6 acertos" are found by their heading (blanks and the case
// of letters aside), wherever they stand; the last two may be missing. Each later row becomes
// one line of the text import (number, the six balls, winners, prize, tab-separated), at the
// index of its row, so that ContestImportRun applies the same rules and names a bad row by its
// number in the sheet ("Linha 5" is the sheet's row 5).

#include <QString>
#include <QStringList>

// Whether aFileName names a spreadsheet (by its extension), rather than a text import file.
bool IsContestSheet(const QString& aFileName);

// The import lines of the spreadsheet aFileName, a heading line first. Throws EInOutError with
// a message in Portuguese naming the file and what is wrong: unreadable, not a spreadsheet, a
// part too large to be a results sheet (a zip bomb), malformed XML, no sheet, a missing column.
QStringList ContestSheetRead(const QString& aFileName);

// Reads the contest file aFileName as an import reads it: a spreadsheet or a text file.
QStringList ContestImportFileRead(const QString& aFileName);
