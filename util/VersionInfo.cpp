#include "util/VersionInfo.h"

#include "util/TextUtils.h"

#include "util/VersionItems.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <vector>

TVersionInfo VersionInfo;

namespace {
const char* const kVersionNames[10] = {"CompanyName",    "FileDescription", "FileVersion",      "InternalName",
                                       "LegalCopyright", "LegalTradeMarks", "OriginalFileName", "ProductName",
                                       "ProductVersion", "Coments"};

bool IsRunningProgram(const QString& aFileName)
{
    if (aFileName.isEmpty() || !QCoreApplication::instance())
        return false;
    const QString own = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    return !own.isEmpty() && QFileInfo(aFileName).canonicalFilePath() == own;
}
} // namespace

void ClearVersionInfo(TVersionInfo& aInfo)
{
    for (QString& cell : aInfo)
        cell.clear();
}

std::span<const TVersionItem> ProgramVersionItems()
{
    static const std::vector<TVersionItem> items = [] {
        std::vector<TVersionItem> list;
        for (const VersionItems::TItem& item : VersionItems::kItems)
            list.push_back({QString::fromUtf8(item.Name), QString::fromUtf8(item.Value)});
        return list;
    }();
    return items;
}

void ReadVersionInfo(const QString& aFileName, TVersionInfo& aInfo)
{
    ReadVersionInfo(IsRunningProgram(aFileName) ? ProgramVersionItems() : std::span<const TVersionItem>(), aInfo);
}

void ReadVersionInfo(std::span<const TVersionItem> aItems, TVersionInfo& aInfo)
{
    ClearVersionInfo(aInfo);
    // The size of the version data: the UTF-8 bytes of every name and value, each with a terminator.
    qsizetype size = 0;
    for (const TVersionItem& item : aItems)
        size += item.Name.toUtf8().size() + item.Value.toUtf8().size() + 2;
    if (size == 0) {
        aInfo[0] = QStringLiteral("Versão não encontrada");
        return;
    }
    aInfo[0] = QStringLiteral("VersionInfoSize = ");
    aInfo[20] = QString::number(size);
    for (int k = 0; k < 10; ++k) {
        const QString name = QString::fromLatin1(kVersionNames[k]);
        for (const TVersionItem& item : aItems) {
            if (item.Name == name) {
                aInfo[1 + k] = name + QStringLiteral(" = ");
                aInfo[21 + k] = item.Value;
                break;
            }
        }
    }
}

QString GetVersionValue(const QString& aName, const TVersionInfo& aInfo)
{
    const QString wanted = aName + QStringLiteral(" = ");
    for (int i = 0; i < 20; ++i) {
        if (SameTextAscii(aInfo[i], wanted))
            return aInfo[i + 20];
    }
    return QStringLiteral("None");
}
