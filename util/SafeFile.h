#pragma once

// Every file the program rewrites goes through here: the bytes are written to a temporary
// file beside the target and renamed over it, so an interrupted or failed save leaves the
// previous file whole. A replaced file keeps its mode; a file that holds a secret (passwords,
// a user's bets) is made readable by its owner only, before any byte is written.

#include <QByteArray>
#include <QString>

class QIODevice;
class QSaveFile;

enum class TFileAccess
{
    Kept,      // a new file gets the usual mode (umask applies); a replaced one keeps its own
    OwnerOnly, // always 0600, whatever the file had before
};

// Opens aFile (unbuffered: callers write in large blocks) and gives its temporary file the mode
// aAccess asks for. On failure aError (when given) says why, in the system's words.
bool SafeFileOpen(QSaveFile& aFile, TFileAccess aAccess, QString* aError = nullptr);

// Writes all aSize bytes to aDevice. A short write (the disk filled up half way) is tried again,
// so that the device's errorString then gives the system's reason. False on failure.
bool WriteWhole(QIODevice& aDevice, const char* aData, qint64 aSize);

// True when the file now holds exactly aBytes. On failure the old file is untouched and
// aError (when given) says why.
bool WriteFileAtomic(const QString& aFileName, const QByteArray& aBytes, QString* aError = nullptr,
                     TFileAccess aAccess = TFileAccess::Kept);

// Creates the folder aPath (absolute, "/"-separated) and any missing folder above it, the last
// one readable by its owner only (0700). An existing folder that others may enter is made
// owner-only, and aTightened (when given) tells so. False, with aError, when the folder cannot
// be created or its mode cannot be set.
bool OwnerOnlyFolder(const QString& aPath, QString* aError = nullptr, bool* aTightened = nullptr);
