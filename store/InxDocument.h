#pragma once

// The in-memory document of one INX file, as TManager keeps it. Elements are kept in
// creation order (the order a saved file lists them in); every lookup by name goes through
// one hash over the ASCII-case-folded names, so reads and writes do not slow down as the
// file grows. Callers outside the store only read it (TManager::Document()).

#include "store/InxTypes.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// A typed key. Only the member of the key's own type is meaningful; a kNone, kMemo or kRecord
// key holds no value and reads as "None".
struct TInxKey
{
    QString Name;
    TKeyType Type = kNone;
    QString Str;
    bool Bool = false;
    int Int = 0;
    double Real = 0.0;
};

// A mult or a comment: a named block of text lines.
struct TInxBlock
{
    QString Name;
    QStringList Lines;
    // Set once the block was written through the store: its save and its later updates
    // report progress.
    bool Reporting = false;
};

// What a section and a header share: an optional comment, keys and mults, in creation order.
struct TInxContainer
{
    QString Name;
    bool HasComment = false;
    TInxBlock Comment;
    std::vector<TInxKey> Keys;
    std::vector<TInxBlock> Mults;
    // Created through the store (not loaded): its save reports progress.
    bool Reporting = false;
    // A removed header or section stays in its list but is absent for lookups, listing and save.
    bool Removed = false;
};

struct TInxHeader : TInxContainer
{
};

struct TInxSection : TInxContainer
{
    std::vector<std::unique_ptr<TInxHeader>> Headers;
};

// The text form of values in the file. Reals use the decimal comma, up to 15 significant
// digits, exponent form only when the decimal exponent is below -5 or at least 15.
QString InxFloatToStr(double aValue);
// Accepts what InxFloatToStr writes (optional sign, digits, optional ",digits", optional
// exponent), with surrounding blanks; false for anything else.
bool InxTryStrToFloat(const QString& aText, double& aValue);

// The value line a key is written with: type letter, "|", value, cut before a first "=" (the
// file form has no escaping); an empty line for keys without a file type.
QString InxValueLine(const TInxKey& aKey);
// The type letter of the file form ("S", "B", "I", "R"), or an empty text.
QString InxTypeLetter(TKeyType aType);

// The credit line that ends every saved file (no "<", so the reader skips it).
QString InxBannerLine();

// ASCII-only case folding: "A".."Z" become "a".."z"; every other character stays.
bool InxSameName(QStringView aLeft, QStringView aRight);

class TInxDocument
{
public:
    TInxDocument() = default;
    TInxDocument(const TInxDocument&) = delete;
    TInxDocument& operator=(const TInxDocument&) = delete;

    // Sections in creation order, removed ones included (check Removed).
    const std::vector<std::unique_ptr<TInxSection>>& Sections() const { return FSections; }
    bool HasSections() const;

    // Lookups; nullptr / -1 when absent.
    TInxSection* FindSection(const QString& aName) const;
    TInxHeader* FindHeader(const TInxSection& aSection, const QString& aName) const;
    int FindKey(const TInxContainer& aContainer, const QString& aName) const;
    int FindMult(const TInxContainer& aContainer, const QString& aName) const;

    // Find-or-create; aCreated tells which happened.
    TInxSection& EnsureSection(const QString& aName, bool& aCreated);
    TInxHeader& EnsureHeader(TInxSection& aSection, const QString& aName, bool& aCreated);
    // New elements are appended; the caller fills them.
    TInxKey& AddKey(TInxContainer& aContainer, const QString& aName);
    TInxBlock& AddMult(TInxContainer& aContainer, const QString& aName);

    void RemoveHeader(TInxSection& aSection, TInxHeader& aHeader);
    void RemoveSection(TInxSection& aSection);

private:
    enum TNameKind : quint8
    {
        nkSection,
        nkHeader,
        nkKey,
        nkMult
    };
    struct TNameKey
    {
        const void* Owner;
        TNameKind Kind;
        QString Name;
        bool operator==(const TNameKey& aOther) const
        {
            return Owner == aOther.Owner && Kind == aOther.Kind && InxSameName(Name, aOther.Name);
        }
    };
    friend size_t qHash(const TNameKey& aKey, size_t aSeed) noexcept;

    std::vector<std::unique_ptr<TInxSection>> FSections;
    QHash<TNameKey, int> FIndex;
};
