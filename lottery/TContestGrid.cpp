#include "lottery/TContestGrid.h"

#include "util/TextUtils.h"

#include <algorithm>
#include <limits>

bool TContestGrid::ContestRowInsert(const TContestRow& aRow)
{
    if (aRow.Number.isEmpty())
        return false;
    const qsizetype known = FNumbers.size();
    FNumbers.insert(aRow.Number); // one hash for the test and the insertion
    if (FNumbers.size() == known)
        return false;
    FRows.push_back(aRow);
    return true;
}

void TContestGrid::Reserve(int aRows)
{
    FRows.reserve(std::size_t(aRows));
    FNumbers.reserve(aRows);
}

void TContestGrid::SetRow(int aRow, const TContestRow& aValue)
{
    TContestRow& row = FRows[FRows.size() - 1 - aRow];
    if (row.Number != aValue.Number) {
        row.Number = aValue.Number;
        FNumbers.clear();
        for (const TContestRow& r : FRows)
            FNumbers.insert(r.Number);
    }
    row = aValue;
}

std::vector<TContestRow> TContestGrid::Rows() const
{
    return std::vector<TContestRow>(FRows.rbegin(), FRows.rend());
}

int TContestGrid::iNovos() const
{
    int count = 0;
    for (const TContestRow& row : FRows)
        count += row.Sorte == u"Novo" ? 1 : 0;
    return count;
}

int TContestGrid::NextNumber() const
{
    // Whatever row is on top (an edited or imported older contest may be), the next contest
    // follows the highest one. A number that is not a whole number, or the largest integer,
    // which has no next one, does not count.
    int highest = 0;
    for (const TContestRow& row : FRows) {
        int value = 0;
        if (TryStrToInt(row.Number, value) && value < std::numeric_limits<int>::max())
            highest = std::max(highest, value);
    }
    return highest + 1;
}

void TContestGrid::Clear()
{
    FRows.clear();
    FNumbers.clear();
}
