#include "util/SafeFile.h"

#include "util/TextUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr QFile::Permissions kOwnerFile = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
constexpr QFile::Permissions kOwnerFolder =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
constexpr QFile::Permissions kOthers =
    QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

bool Failed(const QString& aReason, QString* aError)
{
    if (aError)
        *aError = aReason;
    return false;
}

} // namespace

bool SafeFileOpen(QSaveFile& aFile, TFileAccess aAccess, QString* aError)
{
    // The temporary file is created beside the target; QSaveFile gives it the mode of the file it
    // replaces, so only the owner-only case needs a mode of its own, set before anything is written.
    if (!aFile.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failed(aFile.errorString(), aError);
    if (aAccess == TFileAccess::OwnerOnly && !aFile.setPermissions(kOwnerFile)) {
        const QString reason = aFile.errorString();
        aFile.cancelWriting();
        return Failed(reason, aError);
    }
    return true;
}

bool WriteWhole(QIODevice& aDevice, const char* aData, qint64 aSize)
{
    while (aSize > 0) {
        const qint64 written = aDevice.write(aData, aSize);
        if (written <= 0)
            return false;
        aData += written;
        aSize -= written;
    }
    return true;
}

bool WriteFileAtomic(const QString& aFileName, const QByteArray& aBytes, QString* aError, TFileAccess aAccess)
{
    QSaveFile file(aFileName);
    if (!SafeFileOpen(file, aAccess, aError))
        return false;
    if (!WriteWhole(file, aBytes.constData(), aBytes.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failed(reason, aError);
    }
    if (!file.commit())
        return Failed(file.errorString(), aError);
    return true;
}

bool OwnerOnlyFolder(const QString& aPath, QString* aError, bool* aTightened)
{
    if (aTightened)
        *aTightened = false;
    const QFileInfo info(aPath);
    if (!info.isDir()) {
        const QString parent = info.absolutePath();
        if (!ForceDirs(parent, u'/'))
            return Failed(QStringLiteral("não foi possível criar a pasta %1").arg(parent), aError);
        // Created with its final mode: never a moment in which others may enter it.
        if (!QDir().mkdir(aPath, kOwnerFolder))
            return Failed(QStringLiteral("não foi possível criar a pasta %1").arg(aPath), aError);
        return true;
    }
    if (!(info.permissions() & kOthers))
        return true;
    if (!QFile::setPermissions(aPath, (info.permissions() & ~kOthers) | kOwnerFolder))
        return Failed(QStringLiteral("não foi possível restringir a pasta %1 ao seu dono").arg(aPath), aError);
    if (aTightened)
        *aTightened = true;
    return true;
}
