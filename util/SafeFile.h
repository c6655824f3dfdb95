#pragma once

// Every file the program rewrites goes through here: the bytes are written to a temporary
// file beside the target and renamed over it, so an interrupted or failed save leaves the
// previous file whole.

#include <QByteArray>
#include <QString>

// True when the file now holds exactly aBytes. On failure the old file is untouched and
// aError (when given) says why.
bool WriteFileAtomic(const QString& aFileName, const QByteArray& aBytes, QString* aError = nullptr);
