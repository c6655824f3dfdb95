#include "support/LogRetention.h"

#include "support/TMyException.h"
#include "util/Clock.h"
#include "util/Exceptions.h"
#include "util/IniFile.h"
#include "util/LogFile.h"
#include "util/SafeFile.h"
#include "util/TextCodec.h"
#include "util/TextUtils.h"

#include <QFile>

#include <vector>

namespace {
const QString kDateFailure = QStringLiteral("Exceção no tratamento de data para arquivo de log.");
const QString kReleaseFailure = QStringLiteral("Erro ao liberar ini e strings para arquivo de log.");

bool AllDigits(QStringView aText)
{
    if (aText.isEmpty())
        return false;
    for (const QChar ch : aText) {
        if (ch < u'0' || ch > u'9')
            return false;
    }
    return true;
}

// dd/mm/yyyy, leading zeros optional; a year of one or two digits falls in the 100 years that
// start 50 years before today.
QDate BrazilianDate(const QString& aName)
{
    const QStringList parts = aName.trimmed().split(u'/');
    if (parts.size() != 3)
        return {};
    for (const QString& part : parts) {
        if (!AllDigits(QStringView(part).trimmed()) || part.trimmed().size() > 4)
            return {};
    }
    const int day = parts[0].trimmed().toInt();
    const int month = parts[1].trimmed().toInt();
    int year = parts[2].trimmed().toInt();
    if (parts[2].trimmed().size() <= 2) {
        const int base = Now().date().year() - 50;
        year += base / 100 * 100;
        if (year < base)
            year += 100;
    }
    if (year < 1)
        return {};
    return QDate(year, month, day);
}

// a/b/c as month a, day b, year c.
QDate SplitDate(const QString& aName)
{
    const QStringList parts = aName.split(u'/');
    int month = 0, day = 0, year = 0;
    if (parts.size() == 3 && TryStrToInt(parts[0].trimmed(), month) && TryStrToInt(parts[1].trimmed(), day) &&
        TryStrToInt(parts[2].trimmed(), year) && year >= 1) {
        const QDate date(year, month, day);
        if (date.isValid())
            return date;
    }
    throw EConvertError(QStringLiteral("'%1' não é uma data válida").arg(aName));
}

// The name of a date block's header line "[name]"; false for any other line.
bool BlockName(const QString& aLine, QString& aName)
{
    QStringView name;
    if (!IniSectionName(aLine, name))
        return false;
    aName = name.toString();
    return true;
}
} // namespace

QDate LogBlockDate(const QString& aName)
{
    const QDate date = BrazilianDate(aName);
    return date.isValid() ? date : SplitDate(aName);
}

int CheckLog(const QString& aLogFile, double aDays, const QDateTime& aNow)
{
    QFile file(aLogFile);
    if (aLogFile.isEmpty() || !file.exists())
        return 0;
    if (!file.open(QIODevice::ReadOnly)) {
        LogErrorMessage(kDateFailure);
        return 0;
    }
    const QStringList lines = SplitLines(DecodeText(file.readAll()));
    file.close();

    struct TBlock
    {
        qsizetype Start;
        QString Name;
    };
    std::vector<TBlock> blocks;
    QString name;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (BlockName(lines[i], name))
            blocks.push_back({i, name});
    }

    std::vector<bool> removeLine(lines.size(), false);
    int removed = 0;
    bool failed = false;
    const double nowInDay = aNow.time().msecsSinceStartOfDay() / 86400000.0;
    for (auto block = blocks.rbegin(); block != blocks.rend(); ++block) {
        QDate date;
        try {
            date = LogBlockDate(block->Name);
        } catch (...) {
            failed = true;
            break;
        }
        const double age = date.daysTo(aNow.date()) + nowInDay;
        if (age <= aDays)
            continue;
        qsizetype end = block == blocks.rbegin() ? lines.size() : (block - 1)->Start;
        for (qsizetype i = block->Start; i < end; ++i)
            removeLine[i] = true;
        if (block == blocks.rbegin()) {
            // The empty lines that close the file are no part of the oldest day: one of them stays.
            qsizetype tail = end;
            while (tail > block->Start + 1 && lines[tail - 1].isEmpty())
                --tail;
            if (tail < end)
                removeLine[tail] = false;
        }
        ++removed;
    }

    if (removed > 0) {
        QString text;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (removeLine[i])
                continue;
            text += lines[i];
            text += QLatin1String("\r\n");
        }
        if (QString error; !WriteFileAtomic(aLogFile, text.toUtf8(), &error)) {
            AddLogDetail(QStringLiteral("%1: %2").arg(aLogFile, error));
            LogErrorMessage(kReleaseFailure);
            removed = 0;
        }
    }
    if (failed)
        LogErrorMessage(kDateFailure);
    return removed;
}

int CheckLog(double aDays)
{
    return CheckLog(LogFileName, aDays, Now());
}
