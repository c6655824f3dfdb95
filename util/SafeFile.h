#pragma once

// Every file the program rewrites goes through here: the bytes are written to a temporary
// file beside the target and renamed over it in one step, so an interrupted or failed save
// leaves the previous file whole and never a half-written one. A replaced file keeps its mode;
// a file that holds a secret (passwords, a user's bets) is made readable by its owner only,
// before any byte is written.

#include <QByteArray>
#include <QFile>
#include <QString>

class QIODevice;

enum class TFileAccess
{
    Kept,      // a new file gets the usual mode (umask applies); a replaced one keeps its own
    OwnerOnly, // always 0600, whatever the file had before
};

// Whether Commit waits for the bytes to reach the disk before the rename, so that a power
// failure right after a save cannot leave an empty file in place of the old one.
enum class TFileSync
{
    Durable, // the program's own small files: accounts, bets, contests, settings, the log
    Quick,   // files of hundreds of megabytes that can be made again (results files): waiting for
             // the disk would double the time of a save
};

// One save of aFileName. Write through Device (unbuffered: write in large blocks), then Commit.
// A TSafeFile destroyed without a successful Commit removes its temporary file and leaves the
// target as it was. Failures give the system's reason in ErrorString.
class TSafeFile
{
public:
    explicit TSafeFile(const QString& aFileName, TFileAccess aAccess = TFileAccess::Kept);
    ~TSafeFile();
    TSafeFile(const TSafeFile&) = delete;
    TSafeFile& operator=(const TSafeFile&) = delete;

    // Creates the temporary file beside the target, with the mode the target will have.
    bool Open();
    QIODevice& Device() { return FFile; }
    // Puts the temporary file in place of the target with one rename.
    bool Commit(TFileSync aSync);
    const QString& ErrorString() const { return FError; }

private:
    bool Failed(const QString& aReason);
    void Discard();

    QString FFileName;
    TFileAccess FAccess;
    QFile FFile; // the temporary file
    QString FError;
};

// Writes all aSize bytes to aDevice. A short write (the disk filled up half way) is tried again,
// so that the device's errorString then gives the system's reason. False on failure.
bool WriteWhole(QIODevice& aDevice, const char* aData, qint64 aSize);

// True when the file now holds exactly aBytes, on the disk (TFileSync::Durable). On failure the
// old file is untouched and aError (when given) says why.
bool WriteFileAtomic(const QString& aFileName, const QByteArray& aBytes, QString* aError = nullptr,
                     TFileAccess aAccess = TFileAccess::Kept);

// Creates the folder aPath (absolute, "/"-separated) and any missing folder above it, the last
// one readable by its owner only (0700). An existing folder that others may enter is made
// owner-only, and aTightened (when given) tells so. False, with aError, when the folder cannot
// be created or its mode cannot be set.
bool OwnerOnlyFolder(const QString& aPath, QString* aError = nullptr, bool* aTightened = nullptr);
