#pragma once

// The rules of a bet line and of a group name, and the bet and export files.
//
// A bet is 6 to 15 whole numbers from 1 to 60, none twice (compared by value, so 5 and 05
// are the same number), separated by ";". The stored form holds every number with two
// digits, in ascending order: "5;10;20;30;40;50" is stored as "05;10;20;30;40;50".

#include <QString>
#include <QStringList>

#include <vector>

// The fifteen number boxes of the bet groups screen joined by ";" in box order, empty boxes
// skipped; nothing is checked here (the line is checked when its group is stored).
QString BetFromBoxes(const QStringList& aBoxes);

// Why a line is not a bet; empty when it is one.
QString BetProblem(const QString& aLine);

// The stored form of an accepted line (see above); an empty text when the line is refused.
QString BetStoredForm(const QString& aLine);

struct TBetRejection
{
    int Line = 0;   // 1-based line number in the text box or file
    QString Text;   // the line as it was
    QString Reason; // BetProblem of the line
};

struct TBetLines
{
    QStringList Accepted; // stored forms, in line order
    std::vector<TBetRejection> Rejected;
};

// Passes every line through the bet rules. Blank lines are not bets and are skipped
// without being reported (a file often ends with one).
TBetLines BetLinesCheck(const QStringList& aLines);

// One Portuguese line per rejected line: "linha 3 (01;02;03): tem 3 números; ...".
QStringList BetRejectionLines(const std::vector<TBetRejection>& aRejected);

// Why a text cannot name a group; empty when it can. A group name becomes a header name of
// Apostas.inx and the name of its export file, so it must not be empty or "None", must not
// hold "=", "<", ">", "|", a path separator, a control character or a character that
// Windows-1252 (the file's code page) cannot hold, and must not be "." or "..".
QString GroupNameProblem(const QString& aName);

// The group name the bet groups screen gives a loaded file: the file name without its folder,
// cut at the first "." ("minhas apostas.2014.txt" gives "minhas apostas").
QString GroupNameFromFile(const QString& aFileName);

// The lines of a bet or export file (UTF-8 when valid, else Windows-1252). Throws
// EInOutError naming the file when it cannot be read.
QStringList BetFileRead(const QString& aFileName);

// aFolder/aGroupName.export
QString ExportFileName(const QString& aFolder, const QString& aGroupName);

// Writes aLines (UTF-8, each line ended by CR LF) to ExportFileName, replacing an existing
// file. Throws EInOutError when the file cannot be written, Exception when the group name
// is refused (GroupNameProblem).
void ExportFileWrite(const QString& aFolder, const QString& aGroupName, const QStringList& aLines);
