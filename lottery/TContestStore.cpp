#include "lottery/TContestStore.h"

#include "store/TManager.h"
#include "util/TextUtils.h"

#include <algorithm>
#include <limits>

namespace {
const QString kSection = QStringLiteral("Concursos");
}

QString ContestsFileName(const QString& aDataFolder)
{
    return TrailingChar(aDataFolder, u'/', true) + QStringLiteral("Concursos.inx");
}

int ContestsLoad(TManager& aStore, TContestGrid& aGrid)
{
    QStringList names = aStore.GetHeaders(kSection);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    names.erase(std::unique(names.begin(), names.end(),
                            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }),
                names.end());
    int highest = 0;
    for (const QString& name : std::as_const(names)) {
        if (name.isEmpty())
            continue;
        TContestRow row;
        row.Number = aStore.ReadStr(kSection, QStringLiteral("Concurso"), QString(), name);
        row.Numbers = aStore.ReadStr(kSection, QStringLiteral("Aposta"), QString(), name);
        row.Value = aStore.ReadStr(kSection, QStringLiteral("Premio"), QString(), name);
        row.Winners = aStore.ReadStr(kSection, QStringLiteral("Ganhadores"), QString(), name);
        aGrid.ContestRowInsert(row);
        int value = 0;
        // A number edited into something that is not a whole number does not count, nor does
        // the largest integer, which has no next one.
        if (TryStrToInt(row.Number, value) && value < std::numeric_limits<int>::max())
            highest = std::max(highest, value);
    }
    return highest + 1;
}

void ContestsSave(TManager& aStore, const TContestGrid& aGrid)
{
    for (int r = 0; r < aGrid.RowCount(); ++r) {
        const TContestRow& row = aGrid.Row(r);
        if (row.Number.isEmpty())
            continue;
        aStore.WriteStr(kSection, QStringLiteral("Concurso"), row.Number, ipEnd, row.Number);
        aStore.WriteStr(kSection, QStringLiteral("Aposta"), row.Numbers, ipEnd, row.Number);
        aStore.WriteStr(kSection, QStringLiteral("Premio"), row.Value, ipEnd, row.Number);
        aStore.WriteStr(kSection, QStringLiteral("Ganhadores"), row.Winners, ipEnd, row.Number);
    }
}
