#include "lottery/TResultsFileWriter.h"

#include "lottery/CheckRules.h"
#include "util/Exceptions.h"
#include "util/SafeFile.h"

#include <algorithm>
#include <bit>
#include <cstring>

TResultRowBytes::TResultRowBytes(const TCheckRun& aRun)
{
    for (const TCheckRun::TContest& contest : aRun.Contests) {
        const QByteArray number = contest.Number.toUtf8();
        ContestPrefix.push_back(Add(number + '\t' + contest.Numbers.toUtf8() + '\t'));
        HeadingPrefix.push_back(Add(number + "\t<- Concurso\tGrupo: "));
    }
    for (const TCheckRun::TBet& bet : aRun.Bets)
        Bets.push_back(Add(bet.Text.toUtf8()));
    for (const TCheckRun::TGroup& group : aRun.Groups)
        Groups.push_back(Add(group.Name.toUtf8() + "\t\t"));
    FArena.resize(FArena.size() + kSlack, '\0');
}

const TResultRowBytes& TResultRowBytes::Of(const TCheckRun& aRun)
{
    if (!aRun.RowBytes)
        aRun.RowBytes = std::make_shared<const TResultRowBytes>(aRun);
    return *aRun.RowBytes;
}

TResultRowBytes::TPiece TResultRowBytes::Add(const QByteArray& aBytes)
{
    const TPiece piece{FArena.size(), std::size_t(aBytes.size())};
    FArena.append(aBytes.constData(), std::size_t(aBytes.size()));
    return piece;
}

TResultsFileWriter::TResultsFileWriter(const QString& aFileName)
    : FFileName(aFileName), FFile(std::make_unique<TSafeFile>(aFileName))
{
    if (!FFile->Open())
        Fail(FFile->ErrorString());
    FDevice = &FFile->Device();
    FBuffer.resize(kBufferSize + kSlack);
    FData = FBuffer.data();
}

TResultsFileWriter::TResultsFileWriter(QIODevice& aDevice, const QByteArray& aLineEnd)
    : FDevice(&aDevice), FLineEnd(aLineEnd)
{
    FLineEnd2[0] = aLineEnd.isEmpty() ? '\0' : aLineEnd[0];
    FLineEnd2[1] = aLineEnd.size() > 1 ? aLineEnd[1] : '\0';
    FLineEndSize = std::size_t(std::min<qsizetype>(aLineEnd.size(), 2));
    FBuffer.resize(kBufferSize + kSlack);
    FData = FBuffer.data();
}

// An uncommitted TSafeFile removes its temporary file when it is destroyed.
TResultsFileWriter::~TResultsFileWriter() = default;

void TResultsFileWriter::RunAdd(const TCheckRun& aRun)
{
    FRuns.push_back(&aRun);
    const TResultRowBytes& bytes = TResultRowBytes::Of(aRun);
    FRunBytes.push_back(&bytes);
    std::vector<TFastContest> fast(aRun.Contests.size());
    for (std::size_t c = 0; c < fast.size(); ++c) {
        const TCheckRun::TContest& contest = aRun.Contests[c];
        bool twoDigits = contest.ByMask && contest.Values.size() <= 6 && bytes.ContestPrefix[c].Size <= kLongPiece;
        for (const auto& span : contest.Spans)
            twoDigits = twoDigits && span.second == 2;
        if (!twoDigits)
            continue;
        TFastContest& f = fast[c];
        f.Fast = true;
        f.Prefix = bytes.Data(bytes.ContestPrefix[c]);
        f.PrefixSize = bytes.ContestPrefix[c].Size;
        for (std::size_t t = 0; t < contest.Values.size(); ++t) {
            f.Values[t] = contest.Values[t];
            const QStringView token = contest.Token(t);
            const char text[4] = {char(token[0].unicode()), char(token[1].unicode()), ';', '\0'};
            std::memcpy(&f.Texts[t], text, 4);
        }
    }
    FFast.push_back(std::move(fast));
    std::vector<TPointer> bets;
    for (const TResultRowBytes::TPiece& bet : bytes.Bets)
        bets.emplace_back(bytes.Data(bet), bet.Size);
    FBets.push_back(std::move(bets));
}

bool TResultsFileWriter::ResultsPlain(std::uint32_t aRun, std::uint32_t aContest, std::uint32_t aFirst,
                                      std::uint32_t aCount, const std::uint64_t* aBetMasks, std::uint64_t aContestMask,
                                      std::uint8_t* aCounts)
{
    // Everything the loop needs is held in locals: the row bytes are written through a char
    // pointer, which could otherwise point at any member and force it to be read again.
    const TFastContest contest = FFast[aRun][aContest];
    if (!contest.Fast)
        return false;
    const TPointer* const bets = FBets[aRun].data() + aFirst;
    const char lineEnd[2] = {FLineEnd2[0], FLineEnd2[1]};
    const std::size_t lineEndSize = FLineEndSize;
    const std::size_t prefixRoom = contest.PrefixSize + kRowTail + kSlack;
    std::uint32_t done = 0;
    while (done < aCount) {
        char* to = Room(prefixRoom + 64);
        char* const start = to;
        char* const end = FData + kBufferSize;
        for (; done < aCount; ++done) {
            const TPointer bet = bets[done];
            if (std::size_t(end - to) < prefixRoom + bet.second || bet.second > kLongPiece)
                break;
            const std::uint64_t hits = aContestMask & aBetMasks[done];
            std::size_t count = 0;
            to = ResultRow(to, contest, bet, hits, lineEnd, lineEndSize, count);
            aCounts[done] = std::uint8_t(count);
        }
        FUsed += std::size_t(to - start);
        if (done < aCount && bets[done].second > kLongPiece) {
            const std::uint64_t hits = aContestMask & aBetMasks[done];
            aCounts[done] = std::uint8_t(std::popcount(hits));
            ResultCells(aRun, aContest, aFirst + done, hits, aCounts[done], true);
            ++done;
        }
    }
    return true;
}

void TResultsFileWriter::ResultCells(std::uint32_t aRun, std::uint32_t aContest, std::uint32_t aBet,
                                     std::uint64_t aHits, int aCount, bool aByMask)
{
    // A contest of more than six numbers, or numbers that are not all plain: cell by cell.
    const TCheckRun::TContest& contest = FRuns[aRun]->Contests[aContest];
    const QString& betText = FRuns[aRun]->Bets[aBet].Text;
    Texts({contest.Number, contest.Numbers, betText, ResultHitsText(contest, betText, aHits, aByMask),
           LevelName(aCount)});
}

void TResultsFileWriter::Heading(std::uint32_t aRun, std::uint32_t aContest, std::uint32_t aGroup)
{
    const TResultRowBytes& run = *FRunBytes[aRun];
    const TResultRowBytes::TPiece& prefix = run.HeadingPrefix[aContest];
    const TResultRowBytes::TPiece& group = run.Groups[aGroup];
    if (prefix.Size + group.Size > kLongPiece) {
        Append(run.Data(prefix), prefix.Size);
        Append(run.Data(group), group.Size);
        Append(FLineEnd2, FLineEndSize);
        return;
    }
    char* to = Room(prefix.Size + group.Size + 2 + kSlack);
    Put<64>(to, run.Data(prefix), prefix.Size);
    Put<64>(to + prefix.Size, run.Data(group), group.Size);
    __builtin_memcpy(to + prefix.Size + group.Size, FLineEnd2, 2);
    FUsed += prefix.Size + group.Size + FLineEndSize;
}

void TResultsFileWriter::Blank()
{
    const QByteArray line = "\t\t\t\t" + FLineEnd;
    Append(line.constData(), std::size_t(line.size()));
}

void TResultsFileWriter::Texts(const TResultTexts& aTexts)
{
    QByteArray line = ResultLine(aTexts);
    line += FLineEnd;
    Append(line.constData(), std::size_t(line.size()));
}

void TResultsFileWriter::Commit()
{
    Flush();
    if (FFailed)
        Fail(FDevice->errorString());
    if (!FFile)
        return;
    // Not forced to the disk before the rename: a results file can be made again, and waiting would
    // double the time of saving the 200 MB of a whole-history check.
    if (!FFile->Commit(TFileSync::Quick))
        Fail(FFile->ErrorString());
}

void TResultsFileWriter::Append(const char* aData, std::size_t aSize)
{
    if (aSize > kBufferSize) {
        Flush();
        Write(aData, aSize);
        return;
    }
    std::memcpy(Room(aSize), aData, aSize);
    FUsed += aSize;
}

void TResultsFileWriter::Flush()
{
    Write(FData, FUsed);
    FUsed = 0;
}

void TResultsFileWriter::Write(const char* aData, std::size_t aSize)
{
    if (!FFailed && !WriteWhole(*FDevice, aData, qint64(aSize)))
        FFailed = true;
}

void TResultsFileWriter::Fail(const QString& aReason)
{
    if (FFileName.isEmpty())
        throw EInOutError(QStringLiteral("Não foi possível escrever a saída: %1").arg(aReason));
    throw EInOutError(QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2").arg(FFileName, aReason));
}
