#include "util/SafeFile.h"

#include <QSaveFile>

bool WriteFileAtomic(const QString& aFileName, const QByteArray& aBytes, QString* aError)
{
    QSaveFile file(aFileName);
    if (!file.open(QIODevice::WriteOnly)) {
        if (aError)
            *aError = file.errorString();
        return false;
    }
    if (file.write(aBytes) != aBytes.size()) {
        if (aError)
            *aError = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (aError)
            *aError = file.errorString();
        return false;
    }
    return true;
}
