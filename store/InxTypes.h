#pragma once

// Types shared by the INX store: element kinds, key types, placement, status flags.
// The enumerations keep their members (and ordinal values) in this order.

#include <QString>

#include <cstdint>
#include <functional>

enum TObjType
{
    oKey,
    oMult,
    oHeader,
    oSection,
    oComment,
    oKeyPoint,
    oHeaderPoint,
    oPoint,
    oNone,
    oEnd
};

enum TKeyType
{
    kStr,
    kBool,
    kInt,
    kReal,
    kMemo,
    kRecord,
    kNone
};

// Where an element created by a read or write goes among its siblings in memory. Files are
// always written in creation order, so the choice does not show in a saved file.
enum TInsPos
{
    ipBegin,
    ipEnd
};

// Where lines are added to an existing mult.
enum TMultSite
{
    msBegin,
    msMidle,
    msEnd,
    msSpecific
};

enum TStatus
{
    stCleaned,
    stCreating,
    stOK,
    stInvalid,
    stRemoved,
    stCreationFail,
    stCreationOK,
    stUpdateFail,
    stUpdateOK,
    stCommentFail,
    stCommentOK,
    stNoSections,
    stNoHeaders,
    stNoComment,
    stNoMults,
    stNoKeys,
    stHasSections,
    stHasComment,
    stHasMults,
    stHasHeaders,
    stHasKeys,
    stMultUpdateFail,
    stMultUpdateOK,
    stMultCreationFail,
    stMultCreationOK,
    stMultRemoved,
    stKeyUpdateFail,
    stKeyUpdateOK,
    stKeyCreationFail,
    stKeyCreationOK,
    stKeyRemoved,
    stHeaderUpdateFail,
    stHeaderUpdateOK,
    stHeaderCreationFail,
    stHeaderCreationOK,
    stHeaderRemoved,
    stSectionUpdateFail,
    stSectionUpdateOK,
    stSectionCreationFail,
    stSectionCreationOK,
    stSectionRemoved,
    stFileLoaded,
    stFileSaved,
    stFileSaveFail,
    stFileChanged,
    stFileLoadFail,
    stFileReadOnly,
    stCanSave
};

// A set of TStatus flags. IncStatus first removes the flags that contradict the one added.
class TStatusSet
{
public:
    void IncStatus(TStatus aStatus);
    void ExcStatus(TStatus aStatus) { FBits &= ~Bit(aStatus); }
    bool HasStatus(TStatus aStatus) const { return (FBits & Bit(aStatus)) != 0; }
    std::uint64_t Bits() const { return FBits; }
    bool operator==(const TStatusSet&) const = default;

private:
    static constexpr std::uint64_t Bit(TStatus aStatus) { return std::uint64_t(1) << aStatus; }
    std::uint64_t FBits = 0;
};

// Progress of long store operations: (progress, maximum, text).
using TProgressEvent = std::function<void(int aProgress, int aMax, const QString& aID)>;
