#include "cli/CliCommon.h"

#include <cstdio>

namespace {

void Print(const QString& aText, std::FILE* aStream)
{
    const QByteArray bytes = aText.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), aStream);
}

} // namespace

void PrintOut(const QString& aText)
{
    Print(aText, stdout);
}

void PrintErr(const QString& aText)
{
    Print(aText, stderr);
}
