#pragma once

// The rules of user accounts that need no store: where the account file and a user's folder
// lie, which names may become login names, which values the account file can keep, who may
// write which record, and the list of recent users.
//
// A "problem" function returns an empty text when the value is acceptable, else the sentence
// shown to the user (ending with "Processo abortado!", as the registration results box shows it).

#include <QString>
#include <QStringList>

// Logins.inx in aDataFolder.
QString LoginsFilePath(const QString& aDataFolder);
// The personal folder of aLogin: aDataFolder, a separator, then the login name.
QString UserFolderPath(const QString& aDataFolder, const QString& aLogin);

// A login name becomes a header of the account file, a line of the recent list and a folder
// name: it must not be empty, "None" (the store's word for "no header"), "." or "..", nor hold
// a path separator, "=", "<", ">", "|", a control character or a character the file cannot hold.
QString LoginNameProblem(const QString& aName);

// A plain value (company, e-mail) is kept as it is: it must not hold "=" or "|" (the file
// would keep it cut), a control character or a character the file cannot hold. aField names
// the value in the sentence ("Empresa", "Email").
QString PlainValueProblem(const QString& aField, const QString& aValue);

// A secret (password, answer) is kept enciphered, so any text the cipher brings back whole is
// accepted: every character must have a code from 1 to 254.
QString SecretProblem(const QString& aField, const QString& aValue);

// Names as the account file tells them apart: ignoring the case of the ASCII letters only.
bool SameStoredName(const QString& aLeft, const QString& aRight);
// Whether aUsers holds a name the account file would take for aName.
bool HoldsStoredName(const QStringList& aUsers, const QString& aName);

// The most recent users kept.
inline constexpr int kRecentUsersMax = 5;

// Puts aName at the top of aList (newest first, at most five names; the oldest drops out).
// True when the name is new to the list and the list must be stored; a name already in the
// list only moves to the top, and the stored order is left as it was.
bool RecentUserPush(QStringList& aList, const QString& aName);

// The modes of the registration form.
inline const QString kTipoRegistro = QStringLiteral("Registro");
inline const QString kTipoEditar = QStringLiteral("Editar");

// One press of "Registrar": what the form holds and who is logged in.
struct TRegistration
{
    QString Tipo; // "Registro", "Editar" or another text (after a login with an unknown name)
    QString Name; // the name box
    QString Empresa;
    QString Email;
    QString Senha;
    QString SenhaAgain;
    QString Pergunta; // the checked question, "None" when none is checked
    QString Resposta;
    bool Logado = false;
    QString LoginName; // the logged-in user
};

// The name of the record a registration writes: the logged-in user's in mode "Editar", the
// name box otherwise.
QString RegistrationTarget(const TRegistration& aRequest);

// The message box that refuses the request before any check runs, or an empty text:
// - "Editar" without a login;
// - "Registro" with a name the file already holds (letter case of A-Z ignored, as the file
//   would merge the two);
// - any other mode with a name the file already holds: only a new account may be written from
//   there, never somebody else's.
QString RegistrationRefusal(const TRegistration& aRequest, const QStringList& aUsers);

// The checks of a registration in their order; the sentence of the first that fails, or an
// empty text when every check passes.
QString RegistrationCheckFailure(const TRegistration& aRequest);

// The secret questions offered at registration and recovery, in their order; the first is
// checked when a form starts.
QStringList SecretQuestions();

// What the password boxes hold when a form starts (masked on screen).
inline const QString kSenhaPlaceholder = QStringLiteral("********");
