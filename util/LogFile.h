#pragma once

// The program log "Log.log": date blocks, newest day first, newest entry first within a day.
//
//   [9/12/2026]
//   14:05:31-Exception=Ocorreu uma exceção
//   Erro de Conversão de tipos.
//   08:00:02-OK=Inicialização de aplicativo
//   Inicialização do procedimento
//   Tratamento de Crash
//   [8/12/2026]
//   ...
//   (an empty line closes the file)
//
// Written as UTF-8 with CR LF; read as UTF-8 when the bytes are valid UTF-8, else Windows-1252.
// The date comes from Now() (util/Clock.h).

#include <QDate>
#include <QString>
#include <QStringList>

// Detail lines waiting to go under the next entry. WriteLogEntry empties it.
extern QStringList LogDetails;

// Full path of the program log; empty until the main window sets it. Entries written while it is
// empty fail (and the exception handler drops them).
extern QString LogFileName;

void AddLogDetail(const QString& aText);

// The date text of a block header: day/month/year without leading zeros ("9/12/2026").
QString LogDateText(const QDate& aDate);

// Adds the entry aTime-aKind=aValue, followed by aDetails, at the top of today's block (a new
// block at the top of the file when today has none), writes the file atomically and empties
// LogDetails. aDetails may be LogDetails itself. Throws EInOutError when the file exists but
// cannot be read, or cannot be written; then the file and LogDetails are unchanged.
void WriteLogEntry(const QString& aValue, const QStringList& aDetails, const QString& aFileName, const QString& aKind);

// Appends to aList the first line of the file and every following line up to, not including, the
// next line that contains "[": the newest day. A missing file leaves aList unchanged; an empty file
// throws EListError, an unreadable one EInOutError.
void ReadLastLogBlock(const QString& aFileName, QStringList& aList);
