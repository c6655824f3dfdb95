#include "cli/CliCommon.h"
#include "util/Crypt.h"
#include "util/Exceptions.h"

int RunCrypt(const QStringList& aArgs)
{
    if (aArgs.size() != 3)
        throw CliError(QStringLiteral("uso: norvadel-cli crypt c|d CHAVE TEXTO"));
    const QString action = aArgs[0].toLower();
    if (action != u"c" && action != u"d")
        throw CliError(QStringLiteral("ação inválida: %1 (use c para cifrar ou d para decifrar)").arg(aArgs[0]));
    QString result;
    try {
        result = Crypt(action, aArgs[2], aArgs[1]);
    } catch (const EConvertError&) {
        throw CliError(QStringLiteral("o texto não é um texto cifrado válido: %1").arg(aArgs[2]));
    }
    PrintOut(result + u'\n');
    return kExitOk;
}
