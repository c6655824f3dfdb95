#include "users/UserRules.h"

#include "store/InxDocument.h"
#include "util/TextCodec.h"
#include "util/TextUtils.h"

namespace {
const QString kAbort = QStringLiteral(" Processo abortado!");

// Characters that would cut a name or value in the file, end a block early or make the
// name a path.
const QString kNameForbidden = QStringLiteral("/\\=<>|");
const QString kValueForbidden = QStringLiteral("=|");

bool HasControl(const QString& aText)
{
    for (const QChar ch : aText)
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
            return true;
    return false;
}

// Whether the file, which is kept in Windows-1252, gives the text back unchanged.
bool FileHolds(const QString& aText)
{
    return DecodeWin1252(EncodeWin1252(aText)) == aText;
}

QChar FirstOf(const QString& aText, const QString& aSet)
{
    for (const QChar ch : aText)
        if (aSet.contains(ch))
            return ch;
    return QChar();
}

QString Unstorable(const QString& aField)
{
    return aField + QStringLiteral(" contém um caractere que não pode ser gravado.") + kAbort;
}
} // namespace

QString LoginsFilePath(const QString& aDataFolder)
{
    return TrailingChar(aDataFolder, u'/', true) + QStringLiteral("Logins.inx");
}

QString UserFolderPath(const QString& aDataFolder, const QString& aLogin)
{
    return TrailingChar(aDataFolder, u'/', true) + aLogin;
}

QString LoginNameProblem(const QString& aName)
{
    if (aName.isEmpty())
        return QStringLiteral("Nome não pode ser vazio.") + kAbort;
    if (aName.compare(u"None", Qt::CaseInsensitive) == 0 || aName == u"." || aName == u"..")
        return QStringLiteral("O nome \"%1\" não pode ser usado como nome de login.").arg(aName) + kAbort;
    if (const QChar bad = FirstOf(aName, kNameForbidden); !bad.isNull())
        return QStringLiteral("Nome de login não pode conter \"%1\".").arg(bad) + kAbort;
    if (HasControl(aName) || !FileHolds(aName))
        return Unstorable(QStringLiteral("Nome de login"));
    return QString();
}

QString PlainValueProblem(const QString& aField, const QString& aValue)
{
    if (const QChar bad = FirstOf(aValue, kValueForbidden); !bad.isNull())
        return QStringLiteral("%1 não pode conter \"%2\".").arg(aField, bad) + kAbort;
    if (HasControl(aValue) || !FileHolds(aValue))
        return Unstorable(aField);
    return QString();
}

QString SecretProblem(const QString& aField, const QString& aValue)
{
    for (const QChar ch : aValue)
        if (ch.unicode() < 1 || ch.unicode() > 254)
            return Unstorable(aField);
    return QString();
}

bool SameStoredName(const QString& aLeft, const QString& aRight)
{
    return InxSameName(aLeft, aRight);
}

bool HoldsStoredName(const QStringList& aUsers, const QString& aName)
{
    for (const QString& user : aUsers)
        if (SameStoredName(user, aName))
            return true;
    return false;
}

bool RecentUserPush(QStringList& aList, const QString& aName)
{
    const qsizetype at = aList.indexOf(aName);
    if (at >= 0) {
        aList.move(at, 0);
        return false;
    }
    // A list that grew beyond the limit outside the program is brought back to it here.
    while (aList.size() >= kRecentUsersMax)
        aList.removeLast();
    aList.prepend(aName);
    return true;
}

QString RegistrationTarget(const TRegistration& aRequest)
{
    return aRequest.Tipo == kTipoEditar ? aRequest.LoginName : aRequest.Name;
}

QString RegistrationRefusal(const TRegistration& aRequest, const QStringList& aUsers)
{
    if (aRequest.Tipo == kTipoEditar) {
        if (!aRequest.Logado || aRequest.LoginName.isEmpty())
            return QStringLiteral("Faça o login para editar o seu perfil.");
        return QString();
    }
    if (HoldsStoredName(aUsers, aRequest.Name))
        return QStringLiteral("Este nome de usuário já está registrado.");
    return QString();
}

QString RegistrationCheckFailure(const TRegistration& aRequest)
{
    if (const QString problem = LoginNameProblem(RegistrationTarget(aRequest)); !problem.isEmpty())
        return problem;
    if (aRequest.Empresa.isEmpty())
        return QStringLiteral("Empresa não pode ser vazia.") + kAbort;
    if (const QString problem = PlainValueProblem(QStringLiteral("Empresa"), aRequest.Empresa); !problem.isEmpty())
        return problem;
    if (aRequest.Email.isEmpty())
        return QStringLiteral("Email não pode ser vazio.") + kAbort;
    if (const QString problem = PlainValueProblem(QStringLiteral("Email"), aRequest.Email); !problem.isEmpty())
        return problem;
    if (aRequest.Senha.isEmpty())
        return QStringLiteral("Senha não pode ser vazia.") + kAbort;
    if (const QString problem = SecretProblem(QStringLiteral("Senha"), aRequest.Senha); !problem.isEmpty())
        return problem;
    if (aRequest.Senha != aRequest.SenhaAgain)
        return QStringLiteral("Senha de conferência não é igual a senha digitada.") + kAbort;
    if (aRequest.Pergunta == u"None" || aRequest.Pergunta.isEmpty())
        return QStringLiteral("Não foi selecionada nenhuma pergunta.") + kAbort;
    if (aRequest.Resposta.isEmpty())
        return QStringLiteral("Resposta não pode ser vazia!") + kAbort;
    if (const QString problem = SecretProblem(QStringLiteral("Resposta"), aRequest.Resposta); !problem.isEmpty())
        return problem;
    return QString();
}

QStringList SecretQuestions()
{
    return {QStringLiteral("Filme predileto"), QStringLiteral("Música favorita"),
            QStringLiteral("Marca de carro favorita"), QStringLiteral("Frase favorita"), QStringLiteral("Outro")};
}
