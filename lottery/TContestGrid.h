#pragma once

// The contests as the results screen lists them: newest insertion first. The grid's heading
// row and its empty bottom row belong to the screen; this holds the data rows only.

#include <QSet>
#include <QString>

#include <vector>

// One contest row of the results grid (and of Concursos.inx, where Sorte is not stored).
struct TContestRow
{
    QString Number;  // "Concurso": five digits, zero-filled (01216)
    QString Numbers; // "Resultado": the six drawn numbers joined by ";" in drawn order
    QString Value;   // "Valor": prize paid, as text
    QString Winners; // "Ganhadores": as text
    QString Sorte;   // "Novo" for a contest typed in by hand during this run, else empty

    bool operator==(const TContestRow&) const = default;
};

class TContestGrid
{
public:
    // Adds aRow on top unless its number is empty or already listed (exact comparison).
    // True when the row was added. Constant time.
    bool ContestRowInsert(const TContestRow& aRow);
    bool ContestExists(const QString& aNumber) const { return FNumbers.contains(aNumber); }
    // Room for aRows rows in all (an import knows its line count).
    void Reserve(int aRows);

    // Row 0 is the top (newest) row.
    int RowCount() const { return int(FRows.size()); }
    const TContestRow& Row(int aRow) const { return FRows[FRows.size() - 1 - aRow]; }
    // Edits a cell as the user can in the grid; the number index follows an edited number.
    void SetRow(int aRow, const TContestRow& aValue);
    std::vector<TContestRow> Rows() const; // top first

    // Rows marked "Novo".
    int iNovos() const;
    // The highest contest number of the grid plus 1, whatever row holds it; 1 when the grid is
    // empty. Numbers that are not whole numbers, and the largest integer (which has no next
    // one), are passed over.
    int NextNumber() const;

    void Clear();

private:
    std::vector<TContestRow> FRows; // bottom first, so that a row on top is an append
    QSet<QString> FNumbers;
};
