#include "users/TLogins.h"

#include "store/TManager.h"
#include "users/UserRules.h"
#include "util/Crypt.h"
#include "util/Exceptions.h"
#include "util/TextUtils.h"

namespace {
const QString kRecentSection = QStringLiteral("Ultimos");
const QString kRecentHeader = QStringLiteral("Lista");
const QString kRecentMult = QStringLiteral("LastFive");

std::unique_ptr<TManager> OpenStore(const QString& aFileName)
{
    auto store = std::make_unique<TManager>(aFileName, true);
    store->setiSaveOnFree(false);
    store->SetFileAccess(TFileAccess::OwnerOnly); // the passwords can be deciphered
    return store;
}
} // namespace

TLogins::TLogins(const QString& aFileName) : FFileName(aFileName), FStore(OpenStore(aFileName)) {}

TLogins::~TLogins() = default;

QStringList TLogins::Users() const
{
    return FStore->GetHeaders(kSection);
}

bool TLogins::HasUser(const QString& aLogin) const
{
    return Users().contains(aLogin);
}

QString TLogins::ReadSecret(const QString& aLogin, const QString& aKey, const QString& aAddKey)
{
    const QString stored = FStore->ReadStr(kSection, aKey, QString(), aLogin, ipEnd);
    try {
        return Crypt(QStringLiteral("D"), stored, aAddKey);
    } catch (const EConvertError&) {
        // A damaged value matches nothing a user can type.
        return QString();
    }
}

TLoginResult TLogins::CheckLogin(const QString& aLogin, const QString& aPassword, const QString& aAddKey)
{
    if (!LoginNameProblem(aLogin).isEmpty() || !HasUser(aLogin))
        return lrUnknownUser;
    const QString stored = FStore->ReadStr(kSection, QStringLiteral("Senha"), QString(), aLogin, ipEnd);
    if (stored.isEmpty())
        return lrWrongPassword;
    try {
        return Crypt(QStringLiteral("D"), stored, aAddKey) == aPassword ? lrOK : lrWrongPassword;
    } catch (const EConvertError&) {
        return lrWrongPassword;
    }
}

TUserRecord TLogins::PublicInfo(const QString& aLogin)
{
    TUserRecord record;
    if (!HasUser(aLogin))
        return record;
    record.Nome = FStore->ReadStr(kSection, QStringLiteral("Nome"), QString(), aLogin, ipEnd);
    record.Empresa = FStore->ReadStr(kSection, QStringLiteral("Empresa"), QString(), aLogin, ipEnd);
    record.Email = FStore->ReadStr(kSection, QStringLiteral("Email"), QString(), aLogin, ipEnd);
    return record;
}

void TLogins::WriteUser(const TUserRecord& aRecord)
{
    const QString& name = aRecord.Nome;
    const QString addKey = FirstWord(name);
    const QString c = QStringLiteral("C");
    FStore->WriteStr(kSection, QStringLiteral("Nome"), name, ipEnd, name);
    FStore->WriteStr(kSection, QStringLiteral("Empresa"), aRecord.Empresa, ipEnd, name);
    FStore->WriteStr(kSection, QStringLiteral("Email"), aRecord.Email, ipEnd, name);
    FStore->WriteStr(kSection, QStringLiteral("Senha"), Crypt(c, aRecord.Senha, addKey), ipEnd, name);
    FStore->WriteStr(kSection, QStringLiteral("Pergunta"), Crypt(c, aRecord.Pergunta, addKey), ipEnd, name);
    FStore->WriteStr(kSection, QStringLiteral("Resposta"), Crypt(c, aRecord.Resposta, addKey), ipEnd, name);
}

bool TLogins::Save(QString* aError)
{
    FStore->Save(FFileName);
    if (aError)
        *aError = FStore->ErrorString();
    return FStore->Status().HasStatus(stFileSaved);
}

bool TLogins::RecoverPassword(const QString& aLogin, const QStringList& aQuestions, const QString& aAnswer,
                              QString& aPassword)
{
    if (!HoldsStoredName(Users(), aLogin))
        return false;
    const QString addKey = FirstWord(aLogin);
    const QString question = ReadSecret(aLogin, QStringLiteral("Pergunta"), addKey);
    const QString answer = ReadSecret(aLogin, QStringLiteral("Resposta"), addKey);
    if (answer != aAnswer || !aQuestions.contains(question))
        return false;
    aPassword = ReadSecret(aLogin, QStringLiteral("Senha"), addKey);
    return true;
}

QStringList TLogins::RecentUsers()
{
    QStringList users;
    FStore->ReadMult(users, kRecentMult, kRecentSection, kRecentHeader, ipEnd, false, QString());
    return users;
}

bool TLogins::StoreRecentUsers(const QString& aFileName, const QStringList& aUsers, QString* aError)
{
    const auto store = OpenStore(aFileName);
    store->WriteMult(aUsers, kRecentMult, kRecentSection, kRecentHeader, ipEnd, false, QString());
    store->Save(aFileName);
    if (aError)
        *aError = store->ErrorString();
    return store->Status().HasStatus(stFileSaved);
}
