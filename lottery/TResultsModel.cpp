#include "lottery/TResultsModel.h"

#include "lottery/CheckRules.h"
#include "lottery/TResultsFileWriter.h"
#include "util/Exceptions.h"
#include "util/TextCodec.h"
#include "util/TextUtils.h"

#include <QFile>

#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include <cstdio>
#include <cstring>
#include <future>
#include <string>

namespace {

const QString kNone = QStringLiteral("None");

} // namespace

namespace {
// Below this, the ordinary heap; above, whole pages of their own.
constexpr std::size_t kLargeBlock = std::size_t(4) << 20;
} // namespace

void* LargeBlockAllocate(std::size_t aBytes)
{
#if defined(__linux__)
    if (aBytes >= kLargeBlock) {
        void* block = mmap(nullptr, aBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED)
            throw std::bad_alloc();
        madvise(block, aBytes, MADV_HUGEPAGE); // a hint: without huge pages the block still works
        return block;
    }
#endif
    return ::operator new(aBytes);
}

void LargeBlockFree(void* aBlock, std::size_t aBytes)
{
#if defined(__linux__)
    if (aBytes >= kLargeBlock) {
        munmap(aBlock, aBytes);
        return;
    }
#endif
    ::operator delete(aBlock);
}

void TCheckRun::ContestAdd(const QString& aNumber, const QString& aNumbers)
{
    TContest contest;
    contest.Number = aNumber;
    contest.Numbers = aNumbers;
    if (!aNumbers.isEmpty()) {
        contest.Spans.reserve(6);
        int start = 0;
        for (int i = 0; i <= int(aNumbers.size()); ++i) {
            if (i < int(aNumbers.size()) && aNumbers[i] != u';')
                continue;
            contest.Spans.emplace_back(start, i - start);
            start = i + 1;
        }
    }
    contest.ByMask = NumberMask(aNumbers, contest.Mask);
    if (contest.ByMask)
        for (std::size_t t = 0; t < contest.Spans.size(); ++t) {
            const QStringView token = contest.Token(t);
            int value = 0;
            if (!TryDigitsToInt(token, 2, value))
                TryStrToInt(token.toString(), value);
            contest.Values.push_back(std::uint8_t(value));
        }
    Contests.push_back(std::move(contest));
}

QString TResultsModel::HitsText(const TRow& aRow) const
{
    const TCheckRun::TContest& contest = FRuns[aRow.Run]->Contests[aRow.Contest];
    QString hits;
    for (std::size_t i = 0; i < contest.Values.size(); ++i) {
        if (aRow.Hits >> contest.Values[i] & 1) {
            if (!hits.isEmpty())
                hits += u';';
            hits += contest.Token(i);
        }
    }
    return hits.isEmpty() ? kNone : hits;
}

QString TResultsModel::TextCell(const TRow& aRow, int aColumn) const
{
    const TTextBlock& block = FBlocks[aRow.Item];
    const QByteArrayView bytes = QByteArrayView(block.Bytes).sliced(qsizetype(aRow.Hits), aRow.Contest);
    const QString line = block.Utf8 ? QString::fromUtf8(bytes) : DecodeWin1252(bytes);
    const QString cell = line.section(u'\t', aColumn, aColumn);
    return cell == kNone ? QString() : cell;
}

QString TResultsModel::Cell(int aRow, int aColumn) const
{
    if (aRow < 0 || aRow >= RowCount() - 1 || aColumn < 0 || aColumn > 4)
        return QString();
    const TRow& row = At(aRow);
    switch (row.Kind) {
    case rkResult:
    case rkResultText: {
        const TCheckRun& run = *FRuns[row.Run];
        const TCheckRun::TContest& contest = run.Contests[row.Contest];
        switch (aColumn) {
        case 0:
            return contest.Number;
        case 1:
            return contest.Numbers;
        case 2:
            return run.Bets[row.Item].Text;
        case 3:
            if (row.Kind == rkResult)
                return HitsText(row);
            return CountHits(contest.Numbers, run.Bets[row.Item].Text).section(u'|', 0, 0);
        default:
            return LevelName(row.Count);
        }
    }
    case rkHeading: {
        const TCheckRun& run = *FRuns[row.Run];
        switch (aColumn) {
        case 0:
            return run.Contests[row.Contest].Number;
        case 1:
            return QStringLiteral("<- Concurso");
        case 2:
            return QStringLiteral("Grupo: ") + run.Groups[row.Item].Name;
        default:
            return QString();
        }
    }
    case rkTexts:
        return TextCell(row, aColumn);
    case rkBlank:
        break;
    }
    return QString();
}

TResultTexts TResultsModel::Row(int aRow) const
{
    TResultTexts texts;
    for (int c = 0; c < 5; ++c)
        texts[c] = Cell(aRow, c);
    return texts;
}

int TResultsModel::HitCount(int aRow) const
{
    if (aRow < 0 || aRow >= RowCount() - 1)
        return -1;
    const TRow& row = At(aRow);
    return row.Kind == rkResult || row.Kind == rkResultText ? row.Count : -1;
}

void TResultsModel::Clear()
{
    // The runs stay: a run paused while the grid is cleared goes on adding rows that refer to
    // its index. Their texts are small next to the rows.
    FRows.clear();
    FRows.shrink_to_fit();
    FBlocks.clear();
}

void TResultsModel::TextRowPush(std::uint32_t aBlock, qsizetype aOffset, qsizetype aLength)
{
    FRows.push_back({std::uint64_t(aOffset), std::uint32_t(aLength), aBlock, 0, rkTexts, 0});
}

void TResultsModel::ResultRowInsert(const TResultTexts& aTexts, bool aGroupHeading)
{
    // The cells are kept as one tab-separated line, so a tab inside a text would split it;
    // the program's texts hold none.
    QByteArray line;
    for (int c = 0; c < 5; ++c) {
        if (c > 0)
            line += '\t';
        line += aTexts[c].toUtf8();
    }
    FBlocks.push_back({line, true});
    TextRowPush(std::uint32_t(FBlocks.size() - 1), 0, line.size());
    if (aGroupHeading)
        FRows.push_back({0, 0, 0, 0, rkBlank, 0});
}

std::uint32_t TResultsModel::RunAdd(std::shared_ptr<const TCheckRun> aRun)
{
    FRuns.push_back(std::move(aRun));
    return std::uint32_t(FRuns.size() - 1);
}

void TResultsModel::RowsWrite(TResultsFileWriter& aOut) const
{
    for (const auto& run : FRuns)
        aOut.RunAdd(*run);
    for (std::size_t i = FRows.size(); i-- > 0;) {
        const TRow& row = FRows[i];
        switch (row.Kind) {
        case rkResult:
        case rkResultText:
            aOut.Result(row.Run, row.Contest, row.Item, row.Hits, row.Count, row.Kind == rkResult);
            break;
        case rkHeading:
            aOut.Heading(row.Run, row.Contest, row.Item);
            break;
        case rkBlank:
            aOut.Blank();
            break;
        case rkTexts:
            aOut.Texts(Row(int(FRows.size() - 1 - i)));
            break;
        }
    }
}

void TResultsModel::ResultsFileSave(const QString& aFileName) const
{
    TResultsFileWriter out(aFileName);
    RowsWrite(out);
    out.Blank(); // the grid's own empty bottom row
    out.Commit();
}

void TResultsModel::ResultsFileLoad(const QString& aFileName)
{
    Clear();
    QFile file(aFileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(
            QStringLiteral("Não foi possível ler o arquivo \"%1\": %2").arg(aFileName, file.errorString()));
    TTextBlock block;
    block.Bytes = file.readAll();
    file.close();
    if (block.Bytes.startsWith("\xFF\xFE") || block.Bytes.startsWith("\xFE\xFF"))
        block.Bytes = DecodeText(block.Bytes).toUtf8();
    else if (block.Bytes.startsWith("\xEF\xBB\xBF"))
        block.Bytes.remove(0, 3);
    else {
        // UTF-8 when the whole file is valid UTF-8, else Windows-1252.
        block.Utf8 = QByteArrayView(block.Bytes).isValidUtf8();
    }
    // Lines end at CR LF, lone CR or lone LF; a final line break adds no empty line.
    std::vector<std::pair<qsizetype, qsizetype>> lines;
    const char* data = block.Bytes.constData();
    const qsizetype size = block.Bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] != '\r' && data[i] != '\n')
            continue;
        lines.emplace_back(start, i - start);
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.emplace_back(start, size - start);
    FBlocks.push_back(std::move(block));
    const auto blockIndex = std::uint32_t(FBlocks.size() - 1);
    FRows.reserve(lines.size());
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
        TextRowPush(blockIndex, line->first, line->second);
}
