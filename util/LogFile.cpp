#include "util/LogFile.h"

#include "util/Clock.h"
#include "util/Exceptions.h"
#include "util/SafeFile.h"
#include "util/TextCodec.h"

#include <QFile>

QStringList LogDetails;
QString LogFileName;

namespace {
// The lines of aFileName, or no lines when it does not exist.
QStringList ReadLogLines(const QString& aFileName, bool& aExists)
{
    QFile file(aFileName);
    aExists = !aFileName.isEmpty() && file.exists();
    if (!aExists)
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(
            QStringLiteral("Não foi possível ler o arquivo de log %1: %2").arg(aFileName, file.errorString()));
    return SplitLines(DecodeText(file.readAll()));
}
} // namespace

void AddLogDetail(const QString& aText)
{
    LogDetails.append(aText);
}

QString LogDateText(const QDate& aDate)
{
    return QStringLiteral("%1/%2/%3").arg(aDate.day()).arg(aDate.month()).arg(aDate.year());
}

void WriteLogEntry(const QString& aValue, const QStringList& aDetails, const QString& aFileName, const QString& aKind)
{
    if (aFileName.isEmpty())
        throw EInOutError(QStringLiteral("Arquivo de log sem nome"));
    bool exists = false;
    const QStringList old = ReadLogLines(aFileName, exists);

    const QDateTime now = Now();
    const QString date = LogDateText(now.date());
    const QString entry = now.time().toString(QStringLiteral("HH:mm:ss")) + u'-' + aKind + u'=' + aValue;

    const QString marker = u'[' + date;
    qsizetype block = -1;
    for (qsizetype i = 0; i < old.size(); ++i) {
        if (old[i].contains(marker)) {
            block = i;
            break;
        }
    }

    // Built in one pass: lines up to the date line, the entry, its details, the rest.
    QStringList lines;
    lines.reserve(old.size() + aDetails.size() + 3);
    if (block < 0) {
        lines.append(marker + u']');
        lines.append(entry);
        lines.append(aDetails);
        lines.append(old);
        lines.append(QString());
    } else {
        lines.append(old.mid(0, block + 1));
        lines.append(entry);
        lines.append(aDetails);
        lines.append(old.mid(block + 1));
        if (block == old.size() - 1)
            lines.append(QString());
    }

    QString text;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    QString error;
    if (!WriteFileAtomic(aFileName, text.toUtf8(), &error))
        throw EInOutError(QStringLiteral("Não foi possível gravar o arquivo de log %1: %2").arg(aFileName, error));
    LogDetails.clear();
}

void ReadLastLogBlock(const QString& aFileName, QStringList& aList)
{
    bool exists = false;
    const QStringList lines = ReadLogLines(aFileName, exists);
    if (!exists)
        return;
    if (lines.isEmpty())
        throw EListError(QStringLiteral("Índice de lista fora dos limites (0)"));
    aList.append(lines.first());
    for (qsizetype i = 1; i < lines.size() && !lines[i].contains(u'['); ++i)
        aList.append(lines[i]);
}
