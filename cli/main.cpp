// norvadel-cli: a tool for people who keep Norvadel's files, and for checking bets in batches.

#include "cli/CliCommon.h"
#include "util/Exceptions.h"

#include <QCoreApplication>
#include <QLocale>

namespace {
const char* const kUsage =
    "Uso: norvadel-cli COMANDO [ARGUMENTOS]\n"
    "\n"
    "Comandos:\n"
    "  inx resave IN OUT            carrega o arquivo INX IN e o grava em OUT na forma canônica\n"
    "  inx dump FILE [--key NOME]   mostra a árvore do arquivo INX; com --key, decifra as linhas\n"
    "                               cifradas dos mults com a primeira palavra de NOME\n"
    "  crypt c|d CHAVE TEXTO        cifra (c) ou decifra (d) TEXTO com a parte de chave CHAVE\n"
    "  check --contests ARQUIVO [--last N] --bets ARQUIVO [--bets ARQUIVO ...] --out NOME.Result\n"
    "        [--levels 4,5,6]       confere os grupos de apostas (um por arquivo) contra os concursos\n"
    "                               (Concursos.inx ou arquivo de importação) e grava o .Result\n"
    "  import ARQUIVO --data-folder PASTA\n"
    "                               importa um arquivo de concursos para PASTA/Concursos.inx\n"
    "  --help                       mostra esta ajuda\n"
    "\n"
    "Erros (arquivo ilegível, argumentos inválidos, texto que não decifra) saem com código 2.\n";
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        PrintErr(QString::fromUtf8(kUsage));
        return kExitError;
    }
    const QString command = args.takeFirst();
    try {
        if (command == u"--help" || command == u"-h" || command == u"help") {
            PrintOut(QString::fromUtf8(kUsage));
            return kExitOk;
        }
        if (command == u"inx")
            return RunInx(args);
        if (command == u"crypt")
            return RunCrypt(args);
        if (command == u"check")
            return RunCheck(args);
        if (command == u"import")
            return RunImport(args);
        throw CliError(QStringLiteral("comando desconhecido: %1 (veja norvadel-cli --help)").arg(command));
    } catch (const CliError& e) {
        PrintErr(QStringLiteral("norvadel-cli: %1\n").arg(e.Message()));
    } catch (const Exception& e) {
        PrintErr(QStringLiteral("norvadel-cli: %1\n").arg(e.Message()));
    } catch (const std::exception& e) {
        PrintErr(QStringLiteral("norvadel-cli: %1\n").arg(QString::fromUtf8(e.what())));
    }
    return kExitError;
}
