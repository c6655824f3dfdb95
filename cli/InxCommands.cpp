#include "cli/CliCommon.h"

int RunInx(const QStringList& aArgs)
{
    Q_UNUSED(aArgs);
    throw CliError(QStringLiteral("inx: ainda não disponível"));
}
