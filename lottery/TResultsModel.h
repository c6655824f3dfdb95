#pragma once

// The rows behind the results grid and the summary grid of a check.
//
// A check of the whole history against a thousand bets makes about three million rows, so a
// row is compact (which run, which contest, which bet or group, the numbers hit as bits, its
// kind) and its texts are made when a cell is read. The texts of contests, bets and groups are
// shared by all rows of a run (TCheckRun). A row goes on top in constant time: rows are kept
// bottom first and read from the end.
//
// Row 0 is the top data row; the last row is the grid's own empty bottom row, which is always
// there. The heading row of the grid ("Concurso", …) is not a data row.

#include "lottery/TCheckRun.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class TResultsFileWriter;

// Memory for millions of rows: a large block is asked for in huge pages where the system
// offers them, so that filling it costs a few dozen page faults instead of tens of thousands.
void* LargeBlockAllocate(std::size_t aBytes);
void LargeBlockFree(void* aBlock, std::size_t aBytes);

template <class T> struct TLargeAllocator
{
    using value_type = T;
    TLargeAllocator() = default;
    template <class U> TLargeAllocator(const TLargeAllocator<U>&) {}
    T* allocate(std::size_t aCount) { return static_cast<T*>(LargeBlockAllocate(aCount * sizeof(T))); }
    void deallocate(T* aBlock, std::size_t aCount) { LargeBlockFree(aBlock, aCount * sizeof(T)); }
    template <class U> bool operator==(const TLargeAllocator<U>&) const { return true; }
};

class TResultsModel
{
public:
    enum TRowKind : std::uint8_t
    {
        rkResult,     // a bet against a contest, counted by mask
        rkResultText, // a bet against a contest whose numbers are not all plain: counted by CountHits
        rkHeading,    // contest number, "<- Concurso", "Grupo: " + name
        rkBlank,      // five empty cells, above a heading
        rkTexts,      // five given texts (rows read from a results file): one line of a text block
    };

    // Data rows, the empty bottom row included.
    int RowCount() const { return int(FRows.size()) + 1; }
    QString Cell(int aRow, int aColumn) const;
    TResultTexts Row(int aRow) const;
    // The hit count of a result row; -1 for other rows.
    int HitCount(int aRow) const;

    // Empties the grid (one empty data row left), also while a run is paused.
    void Clear();

    // ResultRowInsert with texts: on top; a group heading (aGroupHeading) also gets a blank
    // row above it.
    void ResultRowInsert(const TResultTexts& aTexts, bool aGroupHeading = false);

    // The compact forms used by the check run. RunAdd returns the run's index for them.
    std::uint32_t RunAdd(std::shared_ptr<const TCheckRun> aRun);
    void ResultInsert(std::uint32_t aRun, std::uint32_t aContest, std::uint32_t aBet, std::uint64_t aHits, int aCount,
                      bool aByMask)
    {
        FRows.push_back({aHits, aContest, aBet, aRun, aByMask ? rkResult : rkResultText,
                         std::uint8_t(aCount > 255 ? 255 : aCount)});
    }
    // The heading of a group's block and the blank row above it.
    void GroupHeadingInsert(std::uint32_t aRun, std::uint32_t aContest, std::uint32_t aGroup)
    {
        FRows.push_back({0, aContest, aGroup, aRun, rkHeading, 0});
        FRows.push_back({0, 0, 0, 0, rkBlank, 0});
    }
    void Reserve(std::size_t aRows) { FRows.reserve(aRows); }

    // Bytes held, the shared texts of the runs and of rows read from files left out.
    std::size_t RowBytes() const { return FRows.capacity() * sizeof(TRow); }

    // The data rows from the top, the empty bottom row left out, as lines of the results file.
    void RowsWrite(TResultsFileWriter& aOut) const;
    // "Salvar .Result": every data row from the top, blank rows and the empty bottom row
    // included, as five tab-separated cells, each line ended by CR LF, UTF-8. The file is
    // written beside the target and renamed over it. Throws EInOutError on failure.
    void ResultsFileSave(const QString& aFileName) const;
    // Reading a results file back: the grid is emptied, then the file's lines are put in
    // file order above the empty bottom row; a cell "None" reads empty, missing cells are
    // empty, further cells are ignored. Throws EInOutError when the file cannot be read.
    void ResultsFileLoad(const QString& aFileName);

private:
    struct TRow
    {
        std::uint64_t Hits;    // numbers hit as bits (rkResult); offset of the line (rkTexts)
        std::uint32_t Contest; // index in the run's Contests; length of the line (rkTexts)
        std::uint32_t Item;    // bet (results), group (heading) or text block (rkTexts)
        std::uint32_t Run;
        TRowKind Kind;
        std::uint8_t Count; // hits (results)
    };
    // Tab-separated lines of texts, shared by the rows that point into them.
    struct TTextBlock
    {
        QByteArray Bytes;
        bool Utf8 = true; // else Windows-1252
    };
    static_assert(sizeof(TRow) <= 24);

    const TRow& At(int aRow) const { return FRows[FRows.size() - 1 - std::size_t(aRow)]; }
    QString TextCell(const TRow& aRow, int aColumn) const;
    void TextRowPush(std::uint32_t aBlock, qsizetype aOffset, qsizetype aLength);

    std::vector<TRow, TLargeAllocator<TRow>> FRows; // bottom first
    std::vector<std::shared_ptr<const TCheckRun>> FRuns;
    std::vector<TTextBlock> FBlocks;
};
