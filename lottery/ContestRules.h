#pragma once

// Contest values as the results screen takes them in: the numbers typed in its boxes, the
// prize value box, the tab-separated import file and the link box's default content.

#include "lottery/TContestGrid.h"

#include <QString>
#include <QStringList>

#include <functional>

// The six box texts joined by ";" in box order; "None" when a box is empty. Whole numbers
// get two digits as imported ones do (4 becomes 04), so that a contest typed by hand and the
// same contest imported read alike; other texts are kept as typed.
QString NumbersFromBoxes(const QStringList& aBoxes);

// Why the six number boxes of a contest typed by hand cannot be stored, naming the first box
// at fault ("caixa 1" to "caixa 6"): each must hold a whole number from 1 to 60, none repeated.
// Empty when the draw is possible.
QString ContestBoxesProblem(const QStringList& aBoxes);

// Checks a cell of the results grid as the user typed it in and gives the text to store in
// aValue: column 0 (number) a whole number from 1 to 99999 that no other row uses, zero-filled
// to five digits; column 1 (drawn numbers) six distinct whole numbers from 1 to 60 joined by
// ";", each with two digits; the other columns as typed. Empty when accepted, else why not
// (a refused edit keeps the old text).
QString ContestCellEdit(const TContestGrid& aGrid, int aRow, int aColumn, const QString& aText, QString& aValue);

// The prize value box after it is left: the text read as a pt-BR number (decimal comma; a
// thousands "." is accepted, so a value already formatted reads again) and written with
// thousands separators and exactly two decimals, without a digit forced before the comma:
// "1234,5" gives "1.234,50", "0,5" gives ",50". Throws EConvertError for a text that is not
// a number (an empty box included).
QString FormatPrizeValue(const QString& aText);

// What an import did. The contests read before a bad line stay in the grid.
struct TContestImport
{
    int Added = 0;
    int Skipped = 0;   // contest numbers already in the grid
    QString Error;     // why the import stopped early; empty when it read the whole file
    int ErrorLine = 0; // 1-based line of Error
    bool Cancelled = false;
    QStringList Log; // "01216 - 04;15;23;38;41;60;" for every contest line read
};

// Reads one contest line of an import file: tab-separated number, six drawn numbers,
// winners and prize (further fields ignored). Empty when the line is a contest; else why not.
QString ContestImportLine(const QString& aLine, TContestRow& aRow);

// Imports the lines of a contest file into aGrid, each contest on top, as the results screen
// does. A first line that is not a contest (the heading) and a last one that is not (a
// closing "FIM") are skipped, and so are blank lines; any other line that is not a valid
// contest stops the import with a message naming it. A file in which no contest could be read
// (a heading alone, an empty or a binary file) gives an Error saying so. aProgress (line
// index, last index) is called before each line; returning false cancels.
TContestImport ContestImportRun(const QStringList& aLines, TContestGrid& aGrid,
                                const std::function<bool(int, int)>& aProgress = {});

// Reads a contest import file (UTF-8 when valid, else Windows-1252). Throws EInOutError.
QStringList ContestFileRead(const QString& aFileName);

// The link box's content when Link.txt is missing or unreadable.
QStringList LinkDefault();
// Where Link.txt is kept: in aProgramFolder when that folder can be written (or the file there
// can), else in aConfigFolder, the user's configuration folder; aFallback tells which.
QString LinkFileName(const QString& aProgramFolder, const QString& aConfigFolder, bool& aFallback);
// Link.txt's lines, or LinkDefault when it is missing or cannot be read.
QStringList LinkLoad(const QString& aFileName);
// Writes the lines (UTF-8, CR LF). Throws EInOutError when the file cannot be written.
void LinkSave(const QString& aFileName, const QStringList& aLines);
