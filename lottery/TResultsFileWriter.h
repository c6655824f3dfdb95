#pragma once

// Writes a results file ("Salvar .Result"): one line per grid row from the top, five cells
// separated by tabs, each line ended by CR LF, UTF-8. The bytes go to a temporary file beside
// the target, which is renamed over the target by Commit; a writer destroyed before Commit
// leaves the target as it was. Result rows of plain contests are made from pieces prepared
// once per run and copied in whole blocks, and full buffers are written on a second thread
// while the next is filled: a check of the whole history writes some 200 MB.

#include "lottery/TResultsModel.h"

#include <QFile>
#include <QString>

#include <array>
#include <cstdint>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <memory>
#include <string>
#include <vector>

class TResultsFileWriter
{
public:
    // Opens the temporary file. Throws EInOutError.
    explicit TResultsFileWriter(const QString& aFileName);
    ~TResultsFileWriter();
    TResultsFileWriter(const TResultsFileWriter&) = delete;
    TResultsFileWriter& operator=(const TResultsFileWriter&) = delete;

    // The runs the rows refer to, in the order of their indexes. aRun must outlive the writer.
    void RunAdd(const TCheckRun& aRun);

    void Result(std::uint32_t aRun, std::uint32_t aContest, std::uint32_t aBet, std::uint64_t aHits, int aCount,
                bool aByMask)
    {
        if (aByMask && FFast[aRun][aContest].Suffixes) {
            ResultFast(FBets[aRun], FFast[aRun][aContest], aBet, aHits);
            return;
        }
        ResultCells(aRun, aContest, aBet, aHits, aCount, aByMask);
    }
    void Heading(std::uint32_t aRun, std::uint32_t aContest, std::uint32_t aGroup);
    void Blank();
    void Texts(const TResultTexts& aTexts);

    // Writes what is left and puts the file in place. Throws EInOutError.
    void Commit();

    // Pieces are copied in whole 64-byte blocks (Put), so every source and target keeps a slack.
    static constexpr std::size_t kSlack = 64;

private:
    class TRunBytes;
    // What a result row of a contest of at most six plain numbers needs: the row's start and,
    // for every subset of the drawn numbers, the row's end, hits and level included.
    struct TFastContest
    {
        const char* Prefix = nullptr;
        std::size_t PrefixSize = 0;
        const std::pair<const char*, std::size_t>* Suffixes = nullptr; // null: no table
        // The drawn numbers in drawn order; unused places hold 0, which no bet holds (numbers
        // start at 1), so the subset loop below always runs six times and unrolls.
        std::array<std::uint8_t, 6> Values{};
    };

    // Copies aSize bytes as one fixed block of N bytes (a few vector moves, no call), and the
    // rare longer piece in further blocks; both sides keep kSlack bytes beyond the piece.
    template <std::size_t N> static void Put(char* aTo, const char* aFrom, std::size_t aSize)
    {
        static_assert(N <= kSlack);
        __builtin_memcpy(aTo, aFrom, N);
        for (std::size_t done = N; done < aSize; done += N)
            __builtin_memcpy(aTo + done, aFrom + done, N);
    }
    using TPointer = std::pair<const char*, std::size_t>;
    void ResultFast(const std::vector<TPointer>& aBets, const TFastContest& aContest, std::uint32_t aBet,
                    std::uint64_t aHits)
    {
        unsigned subset = 0;
        for (std::size_t t = 0; t < 6; ++t)
            subset |= unsigned(aHits >> aContest.Values[t] & 1) << t;
        const auto [bet, betSize] = aBets[aBet];
        const auto [suffix, suffixSize] = aContest.Suffixes[subset];
        char* to = Room(aContest.PrefixSize + betSize + suffixSize);
        Put<32>(to, aContest.Prefix, aContest.PrefixSize);
        to += aContest.PrefixSize;
        Put<48>(to, bet, betSize);
        to += betSize;
        Put<32>(to, suffix, suffixSize);
        FUsed += aContest.PrefixSize + betSize + suffixSize;
    }
    char* Room(std::size_t aSize)
    {
        if (FUsed + aSize > kBufferSize)
            Flush();
        return FData + FUsed;
    }
    // Small enough that a buffer is still in the cache when the writing thread copies it.
    static constexpr std::size_t kBufferSize = std::size_t(1) << 20;
    void ResultCells(std::uint32_t aRun, std::uint32_t aContest, std::uint32_t aBet, std::uint64_t aHits, int aCount,
                     bool aByMask);

    void Append(const char* aData, std::size_t aSize);
    void Flush();
    void WaitPending();
    void WritingLoop();
    void Write(const char* aData, std::size_t aSize);
    [[noreturn]] void Fail(const QString& aReason);

    QString FFileName;
    QString FTemporary;
    QFile FFile;
    std::vector<const TCheckRun*> FRuns;
    std::vector<std::unique_ptr<TRunBytes>> FRunBytes;
    std::vector<std::vector<TFastContest>> FFast;
    std::vector<std::vector<TPointer>> FBets;
    std::array<std::vector<char>, 2> FBuffers;
    int FCurrent = 0;
    char* FData = nullptr;
    std::size_t FUsed = 0;
    // The writing thread takes one filled buffer at a time (FJob) and clears FJob when done.
    std::thread FThread;
    std::mutex FMutex;
    std::condition_variable FChanged;
    const char* FJobData = nullptr;
    std::size_t FJobSize = 0;
    bool FJob = false;
    bool FQuit = false;
    bool FFailed = false; // set by the writing thread only while FJob is set
    bool FCommitted = false;
};
