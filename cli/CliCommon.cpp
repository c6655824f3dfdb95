#include "cli/CliCommon.h"

#include <cstdio>

void PrintOut(const QString& aText)
{
    std::fputs(aText.toUtf8().constData(), stdout);
}

void PrintErr(const QString& aText)
{
    std::fputs(aText.toUtf8().constData(), stderr);
}
