#include "lottery/TResultsFileWriter.h"

#include "lottery/CheckRules.h"
#include "util/Exceptions.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

namespace {

// Renames aFrom over aTo in one step where the system can (POSIX rename replaces the target).
bool FileReplace(const QString& aFrom, const QString& aTo)
{
    if (std::rename(QFile::encodeName(aFrom).constData(), QFile::encodeName(aTo).constData()) == 0)
        return true;
    QFile::remove(aTo);
    return QFile::rename(aFrom, aTo);
}

} // namespace

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
    : FFileName(aFileName), FTemporary(aFileName + QStringLiteral(".tmp")), FFile(FTemporary)
{
    if (!FFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        Fail(FFile.errorString());
    FDevice = &FFile;
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

TResultsFileWriter::~TResultsFileWriter()
{
    if (!FCommitted && !FFileName.isEmpty()) {
        FFile.close();
        QFile::remove(FTemporary);
    }
}

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
    QString hits;
    if (aByMask) {
        for (std::size_t t = 0; t < contest.Values.size(); ++t)
            if (aHits >> contest.Values[t] & 1) {
                if (!hits.isEmpty())
                    hits += u';';
                hits += contest.Token(t);
            }
        if (hits.isEmpty())
            hits = QStringLiteral("None");
    } else {
        hits = CountHits(contest.Numbers, betText).section(u'|', 0, 0);
    }
    Texts({contest.Number, contest.Numbers, betText, hits, LevelName(aCount)});
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
    QByteArray line;
    for (int c = 0; c < 5; ++c) {
        if (c > 0)
            line += '\t';
        line += aTexts[c].toUtf8();
    }
    line += FLineEnd;
    Append(line.constData(), std::size_t(line.size()));
}

void TResultsFileWriter::Commit()
{
    Flush();
    if (FFailed)
        Fail(FDevice->errorString());
    if (FFileName.isEmpty()) {
        FCommitted = true;
        return;
    }
    FFile.close();
    if (!FileReplace(FTemporary, FFileName))
        Fail(QStringLiteral("não foi possível substituir o arquivo"));
    FCommitted = true;
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
    if (!FFailed && aSize > 0 && FDevice->write(aData, qint64(aSize)) != qint64(aSize))
        FFailed = true;
}

void TResultsFileWriter::Fail(const QString& aReason)
{
    if (FFileName.isEmpty())
        throw EInOutError(QStringLiteral("Não foi possível escrever a saída: %1").arg(aReason));
    throw EInOutError(QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2").arg(FFileName, aReason));
}
