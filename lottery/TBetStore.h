#pragma once

// A user's bet groups in Apostas.inx: section "Grupos de apostas", one header per group in
// creation order, its bets in the mult "Apostas", each line enciphered with FirstWord of the
// login name; the marked groups in the mult "GrupoSel" of header "Selecionados" of the section
// "Grupos de apostasSel" (not enciphered). Every change is written to the file at once: the
// store is released (which saves it) and opened again, so what is read next comes from the file.

#include "lottery/BetRules.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class TManager;

struct TGroupStore
{
    QString Name;   // the group as listed (an existing group keeps its spelling)
    int Stored = 0; // bets written
    std::vector<TBetRejection> Rejected;
    // For the user: how many bets were stored and which lines were refused, and why.
    QString Message;
};

class TBetStore
{
public:
    // Opens aUserFolder/Apostas.inx (a missing file is an empty store).
    TBetStore(const QString& aUserFolder, const QString& aLoginName);
    ~TBetStore(); // saves the file
    TBetStore(const TBetStore&) = delete;
    TBetStore& operator=(const TBetStore&) = delete;

    const QString& FileName() const { return FFileName; }
    // For the user, when the file exists but could not be read: which file and why. Such a file
    // is never written over (every write then throws EInOutError), so nothing in it is lost.
    // Empty when the file was read or did not exist.
    QString LoadProblem() const;
    const QString& AddKey() const { return FAddKey; }

    // The group names in stored order.
    QStringList Groups() const;
    // The stored spelling of a group name (names match ignoring the case of A to Z); empty
    // when there is no such group.
    QString GroupFind(const QString& aName) const;
    // The bets of a group, deciphered, in stored order; empty for a group that does not
    // exist (which is not created). Throws EConvertError for a line that is not cipher text.
    QStringList Bets(const QString& aGroup);

    // Stores the lines of the text box as group aName: the lines that pass the bet rules, in
    // their stored form, replace the group's bets (a new group goes to the end). Throws
    // Exception with the reason when the name is refused (GroupNameProblem).
    TGroupStore GroupStore(const QString& aName, const QStringList& aLines);
    // Replaces a group's bets as they are (after bets were removed from the bet list).
    void BetsWrite(const QString& aGroup, const QStringList& aBets);
    void GroupsRemove(const QStringList& aNames);

    // The stored marks, as written (a mark may name a group that no longer exists).
    QStringList MarksRead();
    void MarksSave(const QStringList& aNames);

    // Releases the store (saving it) and opens it again from the file. The writes above and
    // MarksSave throw EInOutError when the file cannot be written; the store then keeps the
    // change in memory and is not read again.
    void StoreReopen();

    static QString Section() { return QStringLiteral("Grupos de apostas"); }
    static QString MarksSection() { return Section() + QStringLiteral("Sel"); }

private:
    void StoreSave();

    QString FFileName;
    QString FAddKey;
    std::unique_ptr<TManager> FApostas;
};
