#pragma once

// The in-memory document of one INX file, as TManager keeps it. Elements are kept in
// creation order (the order a saved file lists them in); every lookup by name goes through a
// hash index over the ASCII-case-folded names (one per list of siblings), so reads and writes
// do not slow down as the file grows. Callers outside the store only read it
// (TManager::Document()).

#include "store/InxTypes.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <memory>
#include <vector>

// Names match ignoring the case of the ASCII letters only: "A".."Z" fold to "a".."z", every
// other character (accented letters included) stays as it is, so "ã" and "Ã" are two names.
bool InxSameName(QStringView aLeft, QStringView aRight);
// The hash of a name so folded; every name index uses it.
size_t InxNameHash(QStringView aName);

// An open-addressing hash index over one list of named elements (the keys of a container, the
// headers of a section, ...). Slots hold list index + 1. Elements keep their name's hash, so a
// probe compares names only when the hashes agree. Removed elements stay in the table and are
// stepped over by lookups.
class TNameIndex
{
public:
    template <class TList, class TGet> int Find(const TList& aList, TGet aGet, QStringView aName, size_t aHash) const
    {
        if (FSlots.empty())
            return -1;
        const size_t mask = FSlots.size() - 1;
        const quint32 check = quint32(aHash >> 32);
        for (size_t i = aHash & mask; FSlots[i].Index != 0; i = (i + 1) & mask) {
            if (FSlots[i].Check != check)
                continue;
            const auto& element = aGet(aList[FSlots[i].Index - 1]);
            if (element.NameHash == aHash && !element.Removed && InxSameName(element.Name, aName))
                return int(FSlots[i].Index - 1);
        }
        return -1;
    }
    // aIndex is the element's index in aList, which already holds it.
    template <class TList, class TGet> void Insert(const TList& aList, TGet aGet, int aIndex)
    {
        if ((FCount + 1) * 2 > FSlots.size()) {
            FSlots.assign(std::max<size_t>(8, FSlots.size() * 2), TSlot{});
            FCount = 0;
            for (int i = 0; i < aIndex; ++i)
                Place(aGet(aList[i]).NameHash, i);
        }
        Place(aGet(aList[aIndex]).NameHash, aIndex);
    }

private:
    // The upper half of the hash is kept beside the index, so that a probe reads the element
    // itself only when it very probably is the one sought.
    struct TSlot
    {
        quint32 Index = 0;
        quint32 Check = 0;
    };
    void Place(size_t aHash, int aIndex)
    {
        const size_t mask = FSlots.size() - 1;
        size_t i = aHash & mask;
        while (FSlots[i].Index != 0)
            i = (i + 1) & mask;
        FSlots[i] = TSlot{quint32(aIndex + 1), quint32(aHash >> 32)};
        ++FCount;
    }

    std::vector<TSlot> FSlots;
    size_t FCount = 0;
};

// A typed key. Only the member of the key's own type is meaningful; a kNone, kMemo or kRecord
// key holds no value and reads as "None".
struct TInxKey
{
    QString Name;
    size_t NameHash = 0;
    static constexpr bool Removed = false;
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
    size_t NameHash = 0;
    static constexpr bool Removed = false;
    QStringList Lines;
    // Set once the block was written through the store: its save and its later updates
    // report progress.
    bool Reporting = false;
};

// What a section and a header share: an optional comment, keys and mults, in creation order.
struct TInxContainer
{
    QString Name;
    size_t NameHash = 0;
    bool HasComment = false;
    TInxBlock Comment;
    std::vector<TInxKey> Keys;
    std::vector<TInxBlock> Mults;
    // Created through the store (not loaded): its save reports progress.
    bool Reporting = false;
    // A removed header or section stays in its list but is absent for lookups, listing and save.
    bool Removed = false;
    TNameIndex KeyIndex;
    TNameIndex MultIndex;
};

struct TInxHeader : TInxContainer
{
};

struct TInxSection : TInxContainer
{
    std::vector<std::unique_ptr<TInxHeader>> Headers;
    TNameIndex HeaderIndex;
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
    std::vector<std::unique_ptr<TInxSection>> FSections;
    TNameIndex FSectionIndex;
};
