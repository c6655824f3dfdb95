#pragma once

// Writes a results file ("Salvar .Result"): one line per grid row from the top, five cells
// separated by tabs, each line ended by CR LF, UTF-8. The file is saved as every file the
// program rewrites (util/SafeFile.h): the bytes go to a temporary file beside the target,
// which Commit renames over the target in one step; a writer destroyed before Commit, or a
// failure anywhere, leaves the target as it was, mode included. A check of the whole history
// writes some 200 MB, so result rows of plain contests are made from pieces prepared once per
// run, copied in whole blocks into a buffer that stays in the processor's cache, which goes to
// the file each time it is full.
// (Writing from a second thread gained nothing measurable: the system's copy into the file
// then reads every byte from the other processor's cache.)

#include "lottery/TCheckRun.h"
#include "util/SafeFile.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The UTF-8 pieces of one run's rows (contest starts, bets, group names), laid end to end in
// one arena with a slack at its end; made once per run and shared by every writer of its rows
// (TCheckRun::RowBytes).
class TResultRowBytes
{
public:
    struct TPiece
    {
        std::size_t Offset = 0;
        std::size_t Size = 0;
    };
    static constexpr std::size_t kSlack = 64;

    explicit TResultRowBytes(const TCheckRun& aRun);
    // The run's pieces, made on first use.
    static const TResultRowBytes& Of(const TCheckRun& aRun);

    const char* Data(const TPiece& aPiece) const { return FArena.data() + aPiece.Offset; }

    std::vector<TPiece> ContestPrefix; // number, tab, drawn numbers, tab
    std::vector<TPiece> HeadingPrefix; // number, tab, "<- Concurso", tab, "Grupo: "
    std::vector<TPiece> Bets;
    std::vector<TPiece> Groups; // name, then the two empty cells

private:
    TPiece Add(const QByteArray& aBytes);
    std::string FArena;
};

class TResultsFileWriter
{
public:
    // Opens the temporary file. Throws EInOutError.
    explicit TResultsFileWriter(const QString& aFileName);
    // Writes the same lines, ended by aLineEnd (one or two bytes), to an open device
    // (standard output, for one).
    TResultsFileWriter(QIODevice& aDevice, const QByteArray& aLineEnd);
    ~TResultsFileWriter();
    TResultsFileWriter(const TResultsFileWriter&) = delete;
    TResultsFileWriter& operator=(const TResultsFileWriter&) = delete;

    // The runs the rows refer to, in the order of their indexes. aRun must outlive the writer.
    void RunAdd(const TCheckRun& aRun);

    void Result(std::uint32_t aRun, std::uint32_t aContest, std::uint32_t aBet, std::uint64_t aHits, int aCount,
                bool aByMask)
    {
        const TPointer bet = FBets[aRun][aBet];
        if (aByMask && FFast[aRun][aContest].Fast && bet.second <= kLongPiece) {
            char* to = Room(FFast[aRun][aContest].PrefixSize + bet.second + kRowTail + kSlack);
            std::size_t count = 0;
            FUsed += std::size_t(ResultRow(to, FFast[aRun][aContest], bet, aHits, FLineEnd2, FLineEndSize, count) - to);
            return;
        }
        ResultCells(aRun, aContest, aBet, aHits, aCount, aByMask);
    }
    // The result rows of the bets aFirst … aFirst + aCount − 1 of run aRun against contest
    // aContest, in that order, for bets whose numbers are all plain (aBetMasks, one per bet;
    // aContestMask is the contest's). aCounts receives each bet's hit count. False, and
    // nothing written, when the contest is not six or fewer plain two-digit numbers.
    bool ResultsPlain(std::uint32_t aRun, std::uint32_t aContest, std::uint32_t aFirst, std::uint32_t aCount,
                      const std::uint64_t* aBetMasks, std::uint64_t aContestMask, std::uint8_t* aCounts);
    void Heading(std::uint32_t aRun, std::uint32_t aContest, std::uint32_t aGroup);
    void Blank();
    void Texts(const TResultTexts& aTexts);

    // Writes what is left and puts the file in place (a device is left open). Throws EInOutError.
    void Commit();

    // Pieces are copied in whole blocks (Put), so every source and target keeps a slack.
    static constexpr std::size_t kSlack = TResultRowBytes::kSlack;

private:
    // A contest of at most six drawn numbers, each a plain number of two digits: its rows are
    // made without looking at its texts again.
    struct TFastContest
    {
        bool Fast = false;
        const char* Prefix = nullptr;
        std::size_t PrefixSize = 0;
        // The drawn numbers in drawn order; unused places hold 0, which no bet holds
        // (numbers start at 1), so the loops below always run six times and unroll.
        std::array<std::uint8_t, 6> Values{};
        // Each drawn number's text and a ";", as four bytes to copy at once.
        std::array<std::uint32_t, 6> Texts{};
    };
    using TPointer = std::pair<const char*, std::size_t>;
    // A row's end after its bet: tab, hits ("None" or up to six "NN;"), tab, level, line end.
    static constexpr std::size_t kRowTail = 32;
    // Contest starts and bets longer than this (only possible with odd texts) are written
    // cell by cell, so that a row always fits in a buffer.
    static constexpr std::size_t kLongPiece = 1024;

    // Copies aSize bytes as one fixed block of N bytes (a few vector moves, no call), and the
    // rare longer piece in further blocks; both sides keep kSlack bytes beyond the piece.
    template <std::size_t N> static void Put(char* aTo, const char* aFrom, std::size_t aSize)
    {
        static_assert(N <= kSlack);
        __builtin_memcpy(aTo, aFrom, N);
        for (std::size_t done = N; done < aSize; done += N)
            __builtin_memcpy(aTo + done, aFrom + done, N);
    }
    // Writes one result row at aTo and returns its end. The hits are written branch-free:
    // every drawn number's text is copied, and the position advances only past those hit.
    static char* ResultRow(char* aTo, const TFastContest& aContest, TPointer aBet, std::uint64_t aHits,
                           const char* aLineEnd, std::size_t aLineEndSize, std::size_t& aCount)
    {
        static constexpr char kLevels[7][8] = {"None", "Sol", "Duque", "Terno", "Quadra", "Quina", "Sena"};
        static_assert(sizeof(kNoHitsText) == 5);
        static constexpr std::uint8_t kLevelSizes[7] = {4, 3, 5, 5, 6, 5, 4};
        Put<32>(aTo, aContest.Prefix, aContest.PrefixSize);
        aTo += aContest.PrefixSize;
        Put<48>(aTo, aBet.first, aBet.second);
        aTo += aBet.second;
        *aTo++ = '\t';
        // Unrolled by hand: six copies, each followed by a step of 0 or 3 bytes.
        std::size_t count = 0;
        const auto step = [&](std::size_t aT) {
            const auto hit = std::size_t(aHits >> aContest.Values[aT] & 1);
            __builtin_memcpy(aTo, &aContest.Texts[aT], 4);
            aTo += 3 * hit;
            count += hit;
        };
        step(0);
        step(1);
        step(2);
        step(3);
        step(4);
        step(5);
        // No hit: "None" and a tab where the hits would be. Some hits: the last ";" becomes
        // the tab (with none, the byte before is the tab already written). Branch-free.
        __builtin_memcpy(aTo, kNoHitsText, 4);
        aTo[4] = '\t';
        aTo[-1] = '\t';
        aTo += 5 * std::size_t(count == 0);
        aCount = count;
        __builtin_memcpy(aTo, kLevels[count], 8);
        aTo += kLevelSizes[count];
        __builtin_memcpy(aTo, aLineEnd, 2);
        return aTo + aLineEndSize;
    }
    char* Room(std::size_t aSize)
    {
        if (FUsed + aSize > kBufferSize)
            Flush();
        return FData + FUsed;
    }
    // Small enough to stay in the processor's cache between being filled and being copied
    // into the file by the system, and to be filled again without a trip to memory.
    static constexpr std::size_t kBufferSize = std::size_t(1) << 19;
    void ResultCells(std::uint32_t aRun, std::uint32_t aContest, std::uint32_t aBet, std::uint64_t aHits, int aCount,
                     bool aByMask);

    void Append(const char* aData, std::size_t aSize);
    void Flush();
    void Write(const char* aData, std::size_t aSize);
    [[noreturn]] void Fail(const QString& aReason);

    QString FFileName;                // empty when writing to a device
    std::unique_ptr<TSafeFile> FFile; // absent when writing to a device
    QIODevice* FDevice = nullptr;
    QByteArray FLineEnd = "\r\n";
    char FLineEnd2[2] = {'\r', '\n'};
    std::size_t FLineEndSize = 2;
    std::vector<const TCheckRun*> FRuns;
    std::vector<const TResultRowBytes*> FRunBytes;
    std::vector<std::vector<TFastContest>> FFast;
    std::vector<std::vector<TPointer>> FBets;
    std::vector<char> FBuffer;
    char* FData = nullptr;
    std::size_t FUsed = 0;
    bool FFailed = false;
};
