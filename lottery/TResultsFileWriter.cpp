#include "lottery/TResultsFileWriter.h"

#include "lottery/CheckRules.h"
#include "util/Exceptions.h"

#include <algorithm>
#include <QElapsedTimer>
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

const char* const kLevelTexts[7] = {"None", "Sol", "Duque", "Terno", "Quadra", "Quina", "Sena"};

} // namespace

// The UTF-8 pieces of one run's rows, laid end to end in one arena with a slack at its end.
// For a contest of at most six plain numbers, the end of a result row ("\t" + hits + "\t" +
// level + CR LF) is made once for every subset of its drawn numbers.
class TResultsFileWriter::TRunBytes
{
public:
    struct TPiece
    {
        std::size_t Offset = 0;
        std::size_t Size = 0;
    };

    explicit TRunBytes(const TCheckRun& aRun)
    {
        for (const TCheckRun::TContest& contest : aRun.Contests) {
            const QByteArray number = contest.Number.toUtf8();
            ContestPrefix.push_back(Add(number + '\t' + contest.Numbers.toUtf8() + '\t'));
            HeadingPrefix.push_back(Add(number + "\t<- Concurso\tGrupo: "));
            const std::size_t tokens = contest.Values.size();
            if (!contest.ByMask || tokens > kTableTokens) {
                SuffixFirst.push_back(-1);
                continue;
            }
            SuffixFirst.push_back(qsizetype(Suffixes.size()));
            std::vector<QByteArray> texts;
            for (const QString& token : contest.Tokens)
                texts.push_back(token.toUtf8());
            for (unsigned subset = 0; subset < (1u << tokens); ++subset) {
                TPiece suffix{FArena.size(), 0};
                FArena += '\t';
                int count = 0;
                for (std::size_t t = 0; t < tokens; ++t) {
                    if (!(subset >> t & 1))
                        continue;
                    if (count++ > 0)
                        FArena += ';';
                    FArena.append(texts[t].constData(), std::size_t(texts[t].size()));
                }
                if (count == 0)
                    FArena += "None";
                FArena += '\t';
                FArena += kLevelTexts[count];
                FArena += "\r\n";
                suffix.Size = FArena.size() - suffix.Offset;
                Suffixes.push_back(suffix);
            }
        }
        for (const TCheckRun::TBet& bet : aRun.Bets)
            Bets.push_back(Add(bet.Text.toUtf8()));
        for (const TCheckRun::TGroup& group : aRun.Groups)
            Groups.push_back(Add(group.Name.toUtf8() + "\t\t\r\n"));
        FArena.resize(FArena.size() + kSlack, '\0');
        for (const TPiece& suffix : Suffixes)
            SuffixPointers.emplace_back(Data(suffix), suffix.Size);
    }

    const char* Data(const TPiece& aPiece) const { return FArena.data() + aPiece.Offset; }

    static constexpr std::size_t kTableTokens = 6;
    std::vector<TPiece> ContestPrefix;  // number, tab, drawn numbers, tab
    std::vector<TPiece> HeadingPrefix;  // number, tab, "<- Concurso", tab, "Grupo: "
    std::vector<qsizetype> SuffixFirst; // first of the contest's suffixes; -1 without a table
    std::vector<TPiece> Suffixes;
    std::vector<std::pair<const char*, std::size_t>> SuffixPointers; // Suffixes, made when the arena is whole
    std::vector<TPiece> Bets;
    std::vector<TPiece> Groups; // name, then the two empty cells and the line end

private:
    TPiece Add(const QByteArray& aBytes)
    {
        const TPiece piece{FArena.size(), std::size_t(aBytes.size())};
        FArena.append(aBytes.constData(), std::size_t(aBytes.size()));
        return piece;
    }
    std::string FArena;
};

TResultsFileWriter::TResultsFileWriter(const QString& aFileName)
    : FFileName(aFileName), FTemporary(aFileName + QStringLiteral(".tmp")), FFile(FTemporary)
{
    if (!FFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        Fail(FFile.errorString());
    for (auto& buffer : FBuffers)
        buffer.resize(kBufferSize + kSlack);
    FData = FBuffers[0].data();
}

TResultsFileWriter::~TResultsFileWriter()
{
    if (FThread.joinable()) {
        {
            std::lock_guard<std::mutex> lock(FMutex);
            FQuit = true;
        }
        FChanged.notify_all();
        FThread.join();
    }
    if (!FCommitted) {
        FFile.close();
        QFile::remove(FTemporary);
    }
}

void TResultsFileWriter::RunAdd(const TCheckRun& aRun)
{
    FRuns.push_back(&aRun);
    FRunBytes.push_back(std::make_unique<TRunBytes>(aRun));
    const TRunBytes& bytes = *FRunBytes.back();
    std::vector<TFastContest> fast(aRun.Contests.size());
    for (std::size_t c = 0; c < fast.size(); ++c) {
        const qsizetype first = bytes.SuffixFirst[c];
        if (first < 0)
            continue;
        fast[c].Prefix = bytes.Data(bytes.ContestPrefix[c]);
        fast[c].PrefixSize = bytes.ContestPrefix[c].Size;
        fast[c].Suffixes = bytes.SuffixPointers.data() + first;
        std::copy(aRun.Contests[c].Values.begin(), aRun.Contests[c].Values.end(), fast[c].Values.begin());
    }
    FFast.push_back(std::move(fast));
    std::vector<TPointer> bets;
    for (const TRunBytes::TPiece& bet : bytes.Bets)
        bets.emplace_back(bytes.Data(bet), bet.Size);
    FBets.push_back(std::move(bets));
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
            if (aHits >> contest.Values[t] & 1)
                hits += (hits.isEmpty() ? QString() : QStringLiteral(";")) + contest.Tokens[int(t)];
        if (hits.isEmpty())
            hits = QStringLiteral("None");
    } else {
        hits = CountHits(contest.Numbers, betText).section(u'|', 0, 0);
    }
    Texts({contest.Number, contest.Numbers, betText, hits, LevelName(aCount)});
}

void TResultsFileWriter::Heading(std::uint32_t aRun, std::uint32_t aContest, std::uint32_t aGroup)
{
    const TRunBytes& run = *FRunBytes[aRun];
    const TRunBytes::TPiece& prefix = run.HeadingPrefix[aContest];
    const TRunBytes::TPiece& group = run.Groups[aGroup];
    char* to = Room(prefix.Size + group.Size);
    Put<64>(to, run.Data(prefix), prefix.Size);
    Put<64>(to + prefix.Size, run.Data(group), group.Size);
    FUsed += prefix.Size + group.Size;
}

void TResultsFileWriter::Blank()
{
    Append("\t\t\t\t\r\n", 6);
}

void TResultsFileWriter::Texts(const TResultTexts& aTexts)
{
    QByteArray line;
    for (int c = 0; c < 5; ++c) {
        if (c > 0)
            line += '\t';
        line += aTexts[c].toUtf8();
    }
    line += "\r\n";
    Append(line.constData(), std::size_t(line.size()));
}

void TResultsFileWriter::Commit()
{
    Flush();
    WaitPending();
    if (FFailed)
        Fail(FFile.errorString());
    FFile.close();
    if (!FileReplace(FTemporary, FFileName))
        Fail(QStringLiteral("não foi possível substituir o arquivo"));
    FCommitted = true;
}

void TResultsFileWriter::Append(const char* aData, std::size_t aSize)
{
    if (aSize > kBufferSize) {
        Flush();
        WaitPending();
        Write(aData, aSize);
        return;
    }
    std::memcpy(Room(aSize), aData, aSize);
    FUsed += aSize;
}

void TResultsFileWriter::Flush()
{
    WaitPending();
    if (FUsed == 0)
        return;
    if (!FThread.joinable())
        FThread = std::thread([this] { WritingLoop(); });
    {
        std::lock_guard<std::mutex> lock(FMutex);
        FJobData = FData;
        FJobSize = FUsed;
        FJob = true;
    }
    FChanged.notify_all();
    FCurrent ^= 1;
    FData = FBuffers[std::size_t(FCurrent)].data();
    FUsed = 0;
}

void TResultsFileWriter::WaitPending()
{
    std::unique_lock<std::mutex> lock(FMutex);
    FChanged.wait(lock, [this] { return !FJob; });
}

void TResultsFileWriter::WritingLoop()
{
    std::unique_lock<std::mutex> lock(FMutex);
    for (;;) {
        FChanged.wait(lock, [this] { return FJob || FQuit; });
        if (!FJob)
            return;
        lock.unlock();
        Write(FJobData, FJobSize);
        lock.lock();
        FJob = false;
        FChanged.notify_all();
    }
}

void TResultsFileWriter::Write(const char* aData, std::size_t aSize)
{
    if (!FFailed && aSize > 0 && FFile.write(aData, qint64(aSize)) != qint64(aSize))
        FFailed = true;
}

void TResultsFileWriter::Fail(const QString& aReason)
{
    throw EInOutError(QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2").arg(FFileName, aReason));
}
