#pragma once

// TManager: one INX file held in memory. Reads and writes address an element by section,
// optional header ("None" = the section itself) and name; names match ignoring ASCII case.
// Reads and writes create what they address. The whole file is written back by Save and
// when the store is destroyed (iSaveOnFree).
//
// Failures are recorded as status flags, with their reason in ErrorString, and never thrown,
// except: a typed read whose stored value cannot be converted throws EConvertError;
// deciphering a mult line that is not cipher text throws EConvertError. A store that has no
// document (created with aLoad false, neither loaded nor cleared) lists nothing, returns false
// from the typed writes and WriteMult, fails its saves (stFileSaveFail) and throws
// EInvalidOpException from every other operation.

#include "store/InxTypes.h"
#include "util/SafeFile.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class TInxDocument; // the in-memory document (store/InxDocument.h)
struct TInxContainer;
struct TInxKey;
struct TInxSection;

class TManager
{
public:
    TManager(const QString& aFileName, bool aLoad);
    ~TManager();
    TManager(const TManager&) = delete;
    TManager& operator=(const TManager&) = delete;

    // Loads aFileName; a different name first saves the current document to the current
    // FileName. "Self" reloads FileName. A missing or empty file gives an empty document.
    void Load(const QString& aFileName);
    // Writes the document to FileName (the argument is not used). A document without
    // sections writes nothing, and neither does a store whose file exists but could not be read
    // (stFileLoadFail): its content would be lost. Sets stFileSaved or stFileSaveFail; never
    // throws. The file is replaced through a temporary file, so a failed save leaves the
    // previous file whole.
    void Save(const QString& aFileName);
    void Clear();

    QStringList GetSections() const;
    // The headers of the section named exactly aSection (case-sensitive), removed ones left out.
    QStringList GetHeaders(const QString& aSection) const;

    QString ReadStr(const QString& aSection, const QString& aKey, const QString& aDefault,
                    const QString& aHeader = QStringLiteral("None"), TInsPos aRPos = ipEnd);
    bool ReadBool(const QString& aSection, const QString& aKey, bool aDefault,
                  const QString& aHeader = QStringLiteral("None"), TInsPos aRPos = ipEnd);
    int ReadInt(const QString& aSection, const QString& aKey, int aDefault,
                const QString& aHeader = QStringLiteral("None"), TInsPos aRPos = ipEnd);
    double ReadReal(const QString& aSection, const QString& aKey, double aDefault,
                    const QString& aHeader = QStringLiteral("None"), TInsPos aRPos = ipEnd);

    bool WriteStr(const QString& aSection, const QString& aKey, const QString& aValue, TInsPos aRPos = ipEnd,
                  const QString& aHeader = QStringLiteral("None"));
    bool WriteBool(const QString& aSection, const QString& aKey, bool aValue, TInsPos aRPos = ipEnd,
                   const QString& aHeader = QStringLiteral("None"));
    bool WriteInt(const QString& aSection, const QString& aKey, int aValue, TInsPos aRPos = ipEnd,
                  const QString& aHeader = QStringLiteral("None"));
    bool WriteReal(const QString& aSection, const QString& aKey, double aValue, TInsPos aRPos = ipEnd,
                   const QString& aHeader = QStringLiteral("None"));

    // Appends the mult's lines to aContent (deciphered with aAddKey when Encripted); a missing
    // mult is created with the lines aContent holds, stored as they are.
    bool ReadMult(QStringList& aContent, const QString& aMult, const QString& aSection,
                  const QString& aHeader = QStringLiteral("None"), TInsPos aRPos = ipEnd, bool Encripted = false,
                  const QString& aAddKey = QString());
    // Replaces (or creates) the mult with aContent, each line enciphered with aAddKey when Encripted.
    bool WriteMult(const QStringList& aContent, const QString& aMult, const QString& aSection,
                   const QString& aHeader = QStringLiteral("None"), TInsPos aRPos = ipEnd, bool Encripted = false,
                   const QString& aAddKey = QString());
    bool AddInMult(const QStringList& aContent, const QString& aMult, const QString& aSection,
                   const QString& aHeader = QStringLiteral("None"), TMultSite aSite = msEnd);
    bool ReadComment(QStringList& aContent, const QString& aMult, const QString& aSection,
                     const QString& aHeader = QStringLiteral("None"));
    bool WriteComment(const QStringList& aContent, const QString& aMult, const QString& aSection,
                      const QString& aHeader = QStringLiteral("None"));

    bool RemoveHeader(const QString& aSection, const QString& aHeader, TInsPos aRPos = ipEnd);
    // Removes the section like RemoveHeader removes a header: from then on it is not listed,
    // not found (a later write creates a new, empty one at the end) and not saved. False when
    // there is no such section. A document whose sections were all removed saves nothing.
    bool RemoveSection(const QString& aSection);

    // A read-only view of the document for tools that list a whole file; nullptr while the
    // store has no document. Valid until the next Load, Clear or the store's destruction.
    const TInxDocument* Document() const { return FDocument.get(); }

    bool iSaveOnFree() const { return FSaveOnFree; }
    void setiSaveOnFree(bool aValue) { FSaveOnFree = aValue; }
    const QString& FileName() const { return FFileName; }
    void setFileName(const QString& aValue) { FFileName = aValue; }
    const TStatusSet& Status() const { return FStatus; }
    // Why the last load or save failed (the system's words where the system refused), for
    // messages and the log; empty after one that succeeded.
    const QString& ErrorString() const { return FErrorString; }
    // Who may read the file once saved: a store that holds secrets asks for OwnerOnly.
    void SetFileAccess(TFileAccess aAccess) { FFileAccess = aAccess; }
    QStringList Sections() const { return GetSections(); }

    TProgressEvent OnProgress;

private:
    TInxDocument& Doc() const;
    TInxContainer& Container(const QString& aSection, const QString& aHeader);
    TInxContainer& FindOrCreateContainer(const QString& aSection, const QString& aHeader, TInxSection*& aSectionFound);
    void SetKey(const QString& aSection, const QString& aKey, const QString& aHeader, const TInxKey& aValue);
    const TInxKey& KeyForRead(const QString& aSection, const QString& aKey, const QString& aHeader,
                              const TInxKey& aDefault);
    QByteArray BuildFile();
    void DoProgress(int aProgress, int aMax, const QString& aID);
    void LoadFailed(const QString& aReason);

    bool FSaveOnFree = true;
    QString FFileName;
    TStatusSet FStatus;
    std::unique_ptr<TInxDocument> FDocument;
    // The container addressed last, by the exact names used; cleared whenever the document
    // or its membership changes.
    QString FLastSection;
    QString FLastHeader;
    TInxContainer* FLastContainer = nullptr;
    TInxSection* FLastSectionPtr = nullptr;
    qsizetype FLastFileSize = 0; // sizes the output buffer of the next save
    // The file exists but could not be read: saving would replace what it holds with the little
    // that was read, so saves are refused until a load of the file succeeds.
    bool FLoadFailed = false;
    QString FLoadError;
    QString FErrorString;
    TFileAccess FFileAccess = TFileAccess::Kept;
};
