#pragma once

// Program-wide state shared by the screens. The main window sets the folders at start-up; the
// login sets UserFolder, Logado and LoginName. (LogFileName and LogDetails live with the log,
// VersionInfo with the version table, MyException with the exception handler.)

#include <QString>
#include <QStringList>

extern QString ExeFolder;         // folder of the program, ending with the separator
extern QString AppName;           // "Norvadel" once start-up has passed the splash
extern QString DataFolder;        // documents folder + "Obrix/Norvadel", no trailing separator
extern QString UserFolder;        // DataFolder + "/" + login name; empty until the first login
extern QString LogContext;        // value text of the start-up and close log entries
extern QStringList CrashLogLines; // newest log day, shown by the crash report
extern bool Logado;               // a user is logged in
extern QString LoginName;         // login name of the last successful login
