#include "lottery/TBetStore.h"

#include "store/TManager.h"
#include "util/Exceptions.h"
#include "util/TextUtils.h"

namespace {

const QString kApostas = QStringLiteral("Apostas");
const QString kSelecionados = QStringLiteral("Selecionados");
const QString kGrupoSel = QStringLiteral("GrupoSel");

std::unique_ptr<TManager> StoreOpen(const QString& aFileName)
{
    auto store = std::make_unique<TManager>(aFileName, true);
    store->SetFileAccess(TFileAccess::OwnerOnly); // a player's bets are his own
    return store;
}

} // namespace

TBetStore::TBetStore(const QString& aUserFolder, const QString& aLoginName)
    : FFileName(TrailingChar(aUserFolder, u'/', true) + QStringLiteral("Apostas.inx")), FAddKey(FirstWord(aLoginName)),
      FApostas(StoreOpen(FFileName))
{}

TBetStore::~TBetStore() = default;

QString TBetStore::LoadProblem() const
{
    if (!FApostas->Status().HasStatus(stFileLoadFail))
        return QString();
    return QStringLiteral("Não foi possível ler o arquivo \"%1\" (%2); ele não será alterado.")
        .arg(FFileName, FApostas->ErrorString());
}

QStringList TBetStore::Groups() const
{
    return FApostas->GetHeaders(Section());
}

QString TBetStore::GroupFind(const QString& aName) const
{
    for (const QString& group : Groups())
        if (SameTextAscii(group, aName))
            return group;
    return QString();
}

QStringList TBetStore::Bets(const QString& aGroup)
{
    QStringList bets;
    if (GroupFind(aGroup).isEmpty())
        return bets;
    FApostas->ReadMult(bets, kApostas, Section(), aGroup, ipEnd, true, FAddKey);
    return bets;
}

TGroupStore TBetStore::GroupStore(const QString& aName, const QStringList& aLines)
{
    const QString problem = GroupNameProblem(aName);
    if (!problem.isEmpty())
        throw Exception(problem);
    TBetLines lines = BetLinesCheck(aLines);
    TGroupStore result;
    const QString existing = GroupFind(aName);
    result.Name = existing.isEmpty() ? aName : existing;
    result.Stored = int(lines.Accepted.size());
    result.Rejected = std::move(lines.Rejected);
    BetsWrite(aName, lines.Accepted);

    result.Message = result.Stored == 1
                         ? QStringLiteral("Grupo \"%1\" gravado com 1 aposta.").arg(result.Name)
                         : QStringLiteral("Grupo \"%1\" gravado com %2 apostas.").arg(result.Name).arg(result.Stored);
    if (!result.Rejected.empty()) {
        result.Message += result.Rejected.size() == 1
                              ? QStringLiteral(" 1 linha foi recusada:")
                              : QStringLiteral(" %1 linhas foram recusadas:").arg(result.Rejected.size());
        for (const QString& line : BetRejectionLines(result.Rejected))
            result.Message += QStringLiteral("\n") + line;
    }
    return result;
}

void TBetStore::BetsWrite(const QString& aGroup, const QStringList& aBets)
{
    FApostas->WriteMult(aBets, kApostas, Section(), aGroup, ipEnd, true, FAddKey);
    StoreReopen();
}

void TBetStore::GroupsRemove(const QStringList& aNames)
{
    for (const QString& name : aNames)
        FApostas->RemoveHeader(Section(), name, ipEnd);
    StoreReopen();
}

QStringList TBetStore::MarksRead()
{
    QStringList marks;
    FApostas->ReadMult(marks, kGrupoSel, MarksSection(), kSelecionados, ipEnd, false, QString());
    return marks;
}

void TBetStore::MarksSave(const QStringList& aNames)
{
    FApostas->WriteMult(aNames, kGrupoSel, MarksSection(), kSelecionados, ipEnd, false, QString());
    StoreSave();
}

void TBetStore::StoreSave()
{
    // A store without sections writes nothing and reports that as a failed save; the file
    // then has nothing to lose.
    if (FApostas->GetSections().isEmpty())
        return;
    FApostas->Save(FFileName);
    if (FApostas->Status().HasStatus(stFileSaveFail))
        throw EInOutError(
            QStringLiteral("Não foi possível gravar o arquivo \"%1\" (%2); as alterações não foram salvas.")
                .arg(FFileName, FApostas->ErrorString()));
}

void TBetStore::StoreReopen()
{
    // Saved here, not only when released, so that a change the file did not take is reported
    // instead of vanishing when the store is read again; the change stays in this store.
    StoreSave();
    FApostas->setiSaveOnFree(false);
    FApostas.reset();
    FApostas = StoreOpen(FFileName);
}
