#pragma once

// TLogins: the account file Logins.inx, read through the INX store.
//
// Section "Logins" holds one header per user, named by the login name exactly as registered,
// with the string keys Nome, Empresa, Email (plain) and Senha, Pergunta, Resposta (enciphered
// with the cipher and the user's key suffix, FirstWord of the name). Section "Ultimos", header
// "Lista", holds the recent users in the plain mult LastFive, newest first.
//
// A TLogins is a copy of the file taken when it is created. It never saves on its own: Save
// writes the accounts written into the copy, and StoreRecentUsers writes the recent list into a
// fresh copy of the file, so that nothing else changes on disk.

#include <QString>
#include <QStringList>

#include <memory>

class TManager;

// What the account file says about a name and a password.
enum TLoginResult
{
    lrUnknownUser,   // no account with exactly this name
    lrWrongPassword, // the account exists; the password (or its stored value) does not match
    lrOK
};

// One account as the registration writes it.
struct TUserRecord
{
    QString Nome;
    QString Empresa;
    QString Email;
    QString Senha;
    QString Pergunta;
    QString Resposta;
};

class TLogins
{
public:
    static inline const QString kSection = QStringLiteral("Logins");

    // Loads aFileName; a missing or empty file is an account file without users.
    explicit TLogins(const QString& aFileName);
    ~TLogins();
    TLogins(const TLogins&) = delete;
    TLogins& operator=(const TLogins&) = delete;

    const QString& FileName() const { return FFileName; }

    // The login names, in file order.
    QStringList Users() const;
    // Exactly (letter case and blanks included) a registered login name.
    bool HasUser(const QString& aLogin) const;

    // Compares aPassword with the stored password of aLogin after deciphering it with aAddKey.
    // A name that could not be a login name is never a known user.
    TLoginResult CheckLogin(const QString& aLogin, const QString& aPassword, const QString& aAddKey);

    // Nome, Empresa and Email of a registered user (empty texts for an unknown one).
    TUserRecord PublicInfo(const QString& aLogin);

    // Writes (replaces or creates) the record named aRecord.Nome in the copy, enciphering the
    // three secrets with FirstWord of the name. Save writes it to the file.
    void WriteUser(const TUserRecord& aRecord);
    // True when the file now holds the copy; else aError (when given) says why.
    bool Save(QString* aError = nullptr);

    // Recovery: when aQuestions holds exactly the stored question and aAnswer is exactly the
    // stored answer of the header named aLogin (found as the store finds names), the deciphered
    // password goes to aPassword and the result is true. An unknown name never matches.
    bool RecoverPassword(const QString& aLogin, const QStringList& aQuestions, const QString& aAnswer,
                         QString& aPassword);

    // The recent users stored in the file, newest first.
    QStringList RecentUsers();
    // Re-reads aFileName and replaces only its recent list with aUsers. True when saved; else
    // aError (when given) says why.
    static bool StoreRecentUsers(const QString& aFileName, const QStringList& aUsers, QString* aError = nullptr);

private:
    // The deciphered value of a secret key; an empty text when the stored value is not cipher text.
    QString ReadSecret(const QString& aLogin, const QString& aKey, const QString& aAddKey);

    QString FFileName;
    std::unique_ptr<TManager> FStore;
};
