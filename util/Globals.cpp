#include "util/Globals.h"

QString ExeFolder;
QString AppName;
QString DataFolder;
QString UserFolder;
QString LogContext;
QStringList CrashLogLines;
bool Logado = false;
QString LoginName;
