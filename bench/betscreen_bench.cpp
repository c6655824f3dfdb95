// betscreen_bench: storing a bet group of 1,000 bets through the bet groups screen (the text box
// filled, "Inserir" pressed: the group stored, the file saved and read again, the lists rebuilt)
// against storing the same lines through TBetStore alone, on an Apostas.inx that already holds
// other groups of 1,000 bets.
//
//   betscreen_bench [--groups N] [--runs N]
//
// The screen runs offscreen. Each figure is the median of the runs, in ms; every run starts from
// a fresh copy of the same file. Target: the screen at most 2x the store.

#include "app/Dialogs.h"
#include "app/TNorvadelApplication.h"
#include "lottery/TBetStore.h"
#include "lottery/TfrmCadAposta.h"
#include "util/Globals.h"
#include "util/TextUtils.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QString kLogin = QStringLiteral("Ana Maria");

QStringList RandomBets(QRandomGenerator& aRandom, int aCount)
{
    QStringList bets;
    for (int b = 0; b < aCount; ++b) {
        QList<int> numbers;
        const int size = aRandom.bounded(6, 16);
        while (numbers.size() < size) {
            const int n = aRandom.bounded(1, 61);
            if (!numbers.contains(n))
                numbers.append(n);
        }
        QStringList texts;
        for (const int n : numbers) // in drawn order: the store sorts them
            texts.append(PadLike(n, 60));
        bets.append(texts.join(u';'));
    }
    return bets;
}

double Median(std::vector<double> aValues)
{
    std::sort(aValues.begin(), aValues.end());
    return aValues[aValues.size() / 2];
}

// Copies the base file into a fresh user folder, runs aSetup untimed, then times aWork.
double TimeRun(const QString& aBase, const QString& aUserFolder, const std::function<void()>& aSetup,
               const std::function<void()>& aWork)
{
    QDir(aUserFolder).removeRecursively();
    QDir().mkpath(aUserFolder);
    QFile::copy(aBase, aUserFolder + QStringLiteral("/Apostas.inx"));
    aSetup();
    QElapsedTimer timer;
    timer.start();
    aWork();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TNorvadelApplication app(argc, argv);
    int groups = 10;
    int runs = 5;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == u"--groups")
            groups = args[++i].toInt();
        else if (args[i] == u"--runs")
            runs = std::max(1, args[++i].toInt());
    }

    QTemporaryDir temp;
    Dialogs::SetHandler(std::make_shared<Dialogs::TScriptedHandler>());
    DataFolder = temp.path();
    const QString baseFolder = temp.filePath(QStringLiteral("base"));
    QRandomGenerator random(1000);
    QDir().mkpath(baseFolder);
    {
        TBetStore store(baseFolder, kLogin);
        for (int g = 1; g <= groups; ++g)
            store.GroupStore(QStringLiteral("Grupo %1").arg(g), RandomBets(random, 1000));
    }
    const QString base = baseFolder + QStringLiteral("/Apostas.inx");
    const QStringList lines = RandomBets(random, 1000);
    const QString text = lines.join(u'\n');
    const QString user = temp.filePath(QStringLiteral("user"));

    Logado = true;
    LoginName = kLogin;
    UserFolder = user;

    std::vector<double> core;
    std::vector<double> screen;
    for (int run = 0; run < runs; ++run) {
        std::unique_ptr<TBetStore> store;
        core.push_back(TimeRun(
            base, user, [&] { store = std::make_unique<TBetStore>(user, kLogin); },
            [&] { store->GroupStore(QStringLiteral("Novo"), lines); }));
        store.reset();

        std::unique_ptr<TfrmCadAposta> form;
        screen.push_back(TimeRun(
            base, user,
            [&] {
                form = std::make_unique<TfrmCadAposta>();
                form->show();
                form->cxMemoGrupoDeApostas->setPlainText(text);
                form->cmbNomeGrupo->setEditText(QStringLiteral("Novo"));
                QCoreApplication::processEvents();
            },
            [&] {
                form->btnInserirNovo->click();
                QCoreApplication::processEvents();
            }));
        if (form->iGrupos() != groups + 1) {
            std::fprintf(stderr, "the screen lists %d groups, not %d\n", form->iGrupos(), groups + 1);
            return 1;
        }
        form.reset();
    }

    const double coreMs = Median(core);
    const double screenMs = Median(screen);
    std::printf("Storing a group of 1,000 bets into Apostas.inx holding %d groups of 1,000 (median of %d runs)\n",
                groups, runs);
    std::printf("%-36s %10s %8s\n", "how", "ms", "ratio");
    std::printf("%-36s %10.1f %8.2f\n", "TBetStore::GroupStore alone", coreMs, 1.0);
    std::printf("%-36s %10.1f %8.2f  (target <= 2.00)\n", "bet groups screen, \"Inserir\"", screenMs,
                screenMs / coreMs);
    return 0;
}
