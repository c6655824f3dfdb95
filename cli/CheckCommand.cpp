// norvadel-cli check and import: the checking screen's run and the results screen's import
// without the window.

#include "cli/CliCommon.h"
#include "lottery/BetRules.h"
#include "lottery/CheckRules.h"
#include "lottery/ContestRules.h"
#include "lottery/ContestSheet.h"
#include "lottery/TCheckEngine.h"
#include "lottery/TContestStore.h"
#include "lottery/TResultsFileWriter.h"
#include "store/TManager.h"
#include "util/Exceptions.h"
#include "util/TextUtils.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstdio>
#include <cstdint>
#include <limits>

namespace {

// The value after an option, or a usage error.
QString OptionValue(const QStringList& aArgs, int& aIndex, const QString& aUsage)
{
    if (aIndex + 1 >= aArgs.size())
        throw CliError(QStringLiteral("falta o valor de %1 (%2)").arg(aArgs[aIndex], aUsage));
    return aArgs[++aIndex];
}

// A contests file is a Concursos.inx when its name ends with ".inx", else an import file.
TContestGrid ContestsRead(const QString& aFileName)
{
    if (!QFileInfo(aFileName).isFile())
        throw CliError(QStringLiteral("arquivo de concursos não encontrado: %1").arg(aFileName));
    TContestGrid grid;
    if (aFileName.endsWith(QStringLiteral(".inx"), Qt::CaseInsensitive)) {
        TManager store(aFileName, true);
        store.setiSaveOnFree(false); // reading must not rewrite the user's file
        if (store.Status().HasStatus(stFileLoadFail))
            throw CliError(QStringLiteral("não foi possível ler o arquivo de concursos: %1: %2")
                               .arg(aFileName, store.ErrorString()));
        ContestsLoad(store, grid);
        return grid;
    }
    const TContestImport import = ContestImportRun(ContestImportFileRead(aFileName), grid);
    if (!import.Error.isEmpty())
        throw CliError(QStringLiteral("%1: %2").arg(aFileName, import.Error));
    return grid;
}

std::array<bool, 6> LevelsParse(const QString& aText)
{
    std::array<bool, 6> levels{};
    const QStringList items = aText.split(u',');
    for (const QString& item : items) {
        int level = 0;
        if (!TryStrToInt(item.trimmed(), level) || level < 1 || level > 6)
            throw CliError(
                QStringLiteral("nível inválido em --levels: \"%1\" (use números de 1 a 6, como 4,5,6)").arg(item));
        levels[level - 1] = true;
    }
    return levels;
}

const char* const kCheckUsage =
    "uso: norvadel-cli check --contests ARQUIVO [--last N] --bets ARQUIVO [--bets ARQUIVO ...] "
    "--out NOME.Result [--levels 4,5,6]";

} // namespace

int RunCheck(const QStringList& aArgs)
{
    const QString usage = QString::fromUtf8(kCheckUsage);
    QString contestsFile;
    QString outFile;
    QStringList betFiles;
    int last = std::numeric_limits<int>::max();
    std::array<bool, 6> levels{false, false, false, true, true, true};
    for (int i = 0; i < aArgs.size(); ++i) {
        const QString& arg = aArgs[i];
        if (arg == u"--contests") {
            contestsFile = OptionValue(aArgs, i, usage);
        } else if (arg == u"--bets") {
            betFiles.append(OptionValue(aArgs, i, usage));
        } else if (arg == u"--out") {
            outFile = OptionValue(aArgs, i, usage);
        } else if (arg == u"--last") {
            const QString value = OptionValue(aArgs, i, usage);
            if (!TryStrToInt(value, last) || last < 0)
                throw CliError(QStringLiteral("valor inválido em --last: \"%1\" (use um número inteiro)").arg(value));
        } else if (arg == u"--levels") {
            levels = LevelsParse(OptionValue(aArgs, i, usage));
        } else {
            throw CliError(QStringLiteral("argumento desconhecido: %1 (%2)").arg(arg, usage));
        }
    }
    if (contestsFile.isEmpty() || betFiles.isEmpty() || outFile.isEmpty())
        throw CliError(usage);

    // The groups first: a bad bet file should not wait for the contests to load.
    std::vector<TBetGroup> groups;
    for (const QString& betFile : std::as_const(betFiles)) {
        const QString name = GroupNameFromFile(betFile);
        const QString problem = GroupNameProblem(name);
        if (!problem.isEmpty())
            throw CliError(QStringLiteral("%1: %2").arg(betFile, problem));
        for (const TBetGroup& group : groups)
            if (group.Name.compare(name, Qt::CaseInsensitive) == 0)
                throw CliError(QStringLiteral("%1: o grupo \"%2\" já foi dado por outro arquivo").arg(betFile, name));
        if (!QFileInfo(betFile).isFile())
            throw CliError(QStringLiteral("arquivo de apostas não encontrado: %1").arg(betFile));
        const TBetLines lines = BetLinesCheck(BetFileRead(betFile));
        for (const QString& line : BetRejectionLines(lines.Rejected))
            PrintErr(QStringLiteral("norvadel-cli: %1: %2 (recusada)\n").arg(betFile, line));
        groups.push_back({name, lines.Accepted});
    }

    const TContestGrid grid = ContestsRead(contestsFile);
    const TContestListFill list = ContestListFill(grid.Rows(), false, true, last);
    if (!list.Message.isEmpty())
        throw CliError(QStringLiteral("%1: %2").arg(contestsFile, list.Message));

    // Nobody looks at the rows: they go straight to the file, in the order the checking screen's
    // grid would hold them after this run on an empty grid.
    TResultsModel results;
    TResultsModel summary;
    TCheckEngine engine;
    engine.Start(list.Entries, groups, levels, results, &summary);
    std::array<std::int64_t, 7> perLevel{};
    engine.ResultsFileRun(outFile, perLevel);

    QString out = QStringLiteral("Linhas de resultado por nível:\n");
    for (int n = 0; n <= 6; ++n)
        out += QStringLiteral("%1\t%2\n").arg(LevelName(n)).arg(perLevel[n]);
    QStringList names;
    for (int n = 1; n <= 6; ++n)
        if (levels[std::size_t(n - 1)])
            names.append(LevelName(n));
    out += QStringLiteral("Resumo (%1): %2 linhas\n").arg(names.join(QStringLiteral(", "))).arg(summary.RowCount() - 1);
    // The summary rows can be many thousands: written as the results file writes its lines.
    std::fflush(stdout);
    QFile output;
    if (!output.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw CliError(QStringLiteral("não foi possível escrever na saída padrão"));
    const QByteArray head = out.toUtf8();
    output.write(head);
    TResultsFileWriter rows(output, "\n");
    summary.RowsWrite(rows);
    rows.Commit();
    return kExitOk;
}

int RunImport(const QStringList& aArgs)
{
    const QString usage = QStringLiteral("uso: norvadel-cli import ARQUIVO --data-folder PASTA");
    QString importFile;
    QString dataFolder;
    for (int i = 0; i < aArgs.size(); ++i) {
        if (aArgs[i] == u"--data-folder")
            dataFolder = OptionValue(aArgs, i, usage);
        else if (importFile.isEmpty() && !aArgs[i].startsWith(QStringLiteral("--")))
            importFile = aArgs[i];
        else
            throw CliError(QStringLiteral("argumento desconhecido: %1 (%2)").arg(aArgs[i], usage));
    }
    if (importFile.isEmpty() || dataFolder.isEmpty())
        throw CliError(usage);
    if (!QFileInfo(dataFolder).isDir())
        throw CliError(QStringLiteral("pasta de dados não encontrada: %1").arg(dataFolder));
    if (!QFileInfo(importFile).isFile())
        throw CliError(QStringLiteral("arquivo de concursos não encontrado: %1").arg(importFile));
    const QStringList lines = ContestImportFileRead(importFile);

    const QString storeFile = ContestsFileName(dataFolder);
    TManager store(storeFile, true);
    store.setiSaveOnFree(false);
    if (store.Status().HasStatus(stFileLoadFail))
        throw CliError(
            QStringLiteral("não foi possível ler o arquivo de concursos: %1: %2").arg(storeFile, store.ErrorString()));
    TContestGrid grid;
    ContestsLoad(store, grid);
    const TContestImport import = ContestImportRun(lines, grid);
    // The contests read before a bad line are kept, as the results screen keeps them; a file
    // that added nothing leaves the contests file as it was.
    if (import.Added > 0) {
        ContestsSave(store, grid);
        store.Save(storeFile);
        if (store.Status().HasStatus(stFileSaveFail))
            throw CliError(QStringLiteral("não foi possível gravar o arquivo de concursos: %1: %2")
                               .arg(storeFile, store.ErrorString()));
    }
    if (import.Log.isEmpty())
        throw CliError(QStringLiteral("%1: %2").arg(importFile, import.Error));
    PrintOut(QStringLiteral("%1 concursos adicionados, %2 ignorados (já existiam). Próximo concurso: %3\n")
                 .arg(import.Added)
                 .arg(import.Skipped)
                 .arg(PadLike(grid.NextNumber(), 99999)));
    if (!import.Error.isEmpty())
        throw CliError(QStringLiteral("%1: %2").arg(importFile, import.Error));
    return kExitOk;
}
