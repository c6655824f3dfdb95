#include "util/SafeFile.h"

#include "util/TextUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr QFile::Permissions kOwnerFile = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
constexpr QFile::Permissions kOwnerFolder =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
constexpr QFile::Permissions kOthers =
    QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

bool Refused(const QString& aReason, QString* aError)
{
    if (aError)
        *aError = aReason;
    return false;
}

} // namespace

TSafeFile::TSafeFile(const QString& aFileName, TFileAccess aAccess) : FFileName(aFileName), FAccess(aAccess) {}

TSafeFile::~TSafeFile()
{
    Discard();
}

bool TSafeFile::Failed(const QString& aReason)
{
    FError = aReason;
    Discard();
    return false;
}

void TSafeFile::Discard()
{
    if (FFile.fileName().isEmpty())
        return;
    FFile.close();
    QFile::remove(FFile.fileName());
    FFile.setFileName(QString());
}

bool TSafeFile::Open()
{
    const QFileInfo target(FFileName);
    if (target.isDir())
        return Failed(qt_error_string(EISDIR));
    // A file the user made read-only is not replaced behind his back.
    if (target.exists() && !target.isWritable())
        return Failed(qt_error_string(EACCES));
    // A name of its own beside the target (the rename must not cross file systems), created
    // exclusively, so that two saves never share one.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name =
            FFileName +
            QStringLiteral(".%1.tmp").arg(uint(QRandomGenerator::global()->generate() & 0xFFFFFFu), 6, 16, QChar(u'0'));
        FFile.setFileName(name);
        if (FFile.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            break;
        const QString reason = FFile.errorString();
        FFile.setFileName(QString());
        if (!QFileInfo::exists(name))
            return Failed(reason);
    }
    if (!FFile.isOpen())
        return Failed(QStringLiteral("não foi possível criar um arquivo temporário"));
    // The mode before the first byte: a secret is never readable by others, not even for a moment.
    if (FAccess == TFileAccess::OwnerOnly) {
        if (!FFile.setPermissions(kOwnerFile))
            return Failed(FFile.errorString());
    } else if (target.exists() && !FFile.setPermissions(target.permissions())) {
        return Failed(FFile.errorString());
    }
    return true;
}

bool TSafeFile::Commit(TFileSync aSync)
{
    if (!FFile.isOpen())
        return Failed(FError.isEmpty() ? QStringLiteral("o arquivo não foi aberto") : FError);
    if (FFile.error() != QFileDevice::NoError)
        return Failed(FFile.errorString());
#ifdef Q_OS_UNIX
    if (aSync == TFileSync::Durable && ::fdatasync(FFile.handle()) != 0)
        return Failed(qt_error_string(errno));
#else
    Q_UNUSED(aSync);
#endif
    FFile.close();
    if (FFile.error() != QFileDevice::NoError)
        return Failed(FFile.errorString());
    // POSIX rename replaces the target in one step: there is never a moment without it.
    if (std::rename(QFile::encodeName(FFile.fileName()).constData(), QFile::encodeName(FFileName).constData()) != 0)
        return Failed(qt_error_string(errno));
    FFile.setFileName(QString());
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
    TSafeFile file(aFileName, aAccess);
    if (file.Open() && WriteWhole(file.Device(), aBytes.constData(), aBytes.size()) && file.Commit(TFileSync::Durable))
        return true;
    if (aError)
        *aError = file.ErrorString().isEmpty() ? file.Device().errorString() : file.ErrorString();
    return false;
}

bool OwnerOnlyFolder(const QString& aPath, QString* aError, bool* aTightened)
{
    if (aTightened)
        *aTightened = false;
    const QFileInfo info(aPath);
    if (!info.isDir()) {
        const QString parent = info.absolutePath();
        if (!ForceDirs(parent, u'/'))
            return Refused(QStringLiteral("não foi possível criar a pasta %1").arg(parent), aError);
        // Created with its final mode: never a moment in which others may enter it.
        if (!QDir().mkdir(aPath, kOwnerFolder))
            return Refused(QStringLiteral("não foi possível criar a pasta %1").arg(aPath), aError);
        return true;
    }
    if (!(info.permissions() & kOthers))
        return true;
    if (!QFile::setPermissions(aPath, (info.permissions() & ~kOthers) | kOwnerFolder))
        return Refused(QStringLiteral("não foi possível restringir a pasta %1 ao seu dono").arg(aPath), aError);
    if (aTightened)
        *aTightened = true;
    return true;
}
