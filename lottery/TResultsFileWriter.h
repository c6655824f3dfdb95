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
#include <future>
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
            ResultFast(*FRunBytes[aRun], FFast[aRun][aContest], aBet, aHits);
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
        std::array<std::uint8_t, 6> Values{};
        std::size_t Tokens = 0;
    };

    static void Put(char* aTo, const char* aFrom, std::size_t aSize)
    {
        std::size_t done = 0;
        do {
            __builtin_memcpy(aTo + done, aFrom + done, 64);
            done += 64;
        } while (done < aSize);
    }
    void ResultFast(const TRunBytes& aRun, const TFastContest& aContest, std::uint32_t aBet, std::uint64_t aHits);
    void ResultCells(std::uint32_t aRun, std::uint32_t aContest, std::uint32_t aBet, std::uint64_t aHits, int aCount,
                     bool aByMask);

    char* Room(std::size_t aSize);
    void Append(const char* aData, std::size_t aSize);
    void Flush();
    void WaitPending();
    void Write(const char* aData, std::size_t aSize);
    [[noreturn]] void Fail(const QString& aReason);

    QString FFileName;
    QString FTemporary;
    QFile FFile;
    std::vector<const TCheckRun*> FRuns;
    std::vector<std::unique_ptr<TRunBytes>> FRunBytes;
    std::vector<std::vector<TFastContest>> FFast;
    std::array<std::vector<char>, 2> FBuffers;
    int FCurrent = 0;
    char* FData = nullptr;
    std::size_t FUsed = 0;
    std::future<void> FPending;
    bool FFailed = false; // set by the writing thread only between Flush and WaitPending
    bool FCommitted = false;
};
