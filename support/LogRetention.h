#pragma once

// Log retention: removes the date blocks of the program log that are older than the retention
// period. The crash settings screen runs it once at start-up with its "Tempo de armazenamento".

#include <QDate>
#include <QDateTime>
#include <QString>

// Removes every block "[date]" (header and lines up to the next header) dated more than aDays
// before aNow: the block's date is taken at midnight, so a block exactly aDays old goes once aNow
// is past midnight. Blocks are examined from the last in the file to the first; lines before the
// first block are kept. The file is rewritten, atomically, only when a block was removed.
//
// A block name that is no date, or any other failure, logs "Exceção no tratamento de data para
// arquivo de log." and stops the purge; blocks removed until then stay removed. A rewrite that
// fails logs "Erro ao liberar ini e strings para arquivo de log.". Nothing is thrown.
// Returns the number of blocks removed.
int CheckLog(const QString& aLogFile, double aDays, const QDateTime& aNow);

// The same for the program log (LogFileName) at the current time.
int CheckLog(double aDays);

// The date of a block name: day/month/year as Brazilians write it; failing that, three numbers
// a/b/c are the month a, day b, year c. Throws EConvertError when neither reading works.
QDate LogBlockDate(const QString& aName);
