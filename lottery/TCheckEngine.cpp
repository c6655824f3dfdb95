#include "lottery/TCheckEngine.h"

#include "lottery/TResultsFileWriter.h"
#include "util/TextUtils.h"

#include <algorithm>

void TCheckEngine::Start(const std::vector<TContestEntry>& aEntries, const std::vector<TBetGroup>& aGroups,
                         const std::array<bool, 6>& aSummaryLevels, TResultsModel& aResults, TResultsModel* aSummary)
{
    auto run = std::make_shared<TCheckRun>();
    FStates.clear();
    for (const TContestEntry& entry : aEntries) {
        run->ContestAdd(entry.Description, entry.ShortDescription);
        FStates.push_back(entry.State);
    }
    FGroupBets.clear();
    FGroupPlain.clear();
    FBetMasks.clear();
    for (const TBetGroup& group : aGroups) {
        const auto group_index = std::uint32_t(run->Groups.size());
        run->Groups.push_back({group.Name});
        FGroupBets.emplace_back(std::uint32_t(run->Bets.size()), std::uint32_t(group.Bets.size()));
        bool plain = true;
        for (const QString& text : group.Bets) {
            TCheckRun::TBet bet;
            bet.Text = text;
            bet.ByMask = NumberMask(text, bet.Mask);
            bet.Group = group_index;
            FBetMasks.push_back(bet.Mask);
            plain = plain && bet.ByMask;
            run->Bets.push_back(std::move(bet));
        }
        FGroupPlain.push_back(plain);
    }
    FRun = run;
    FResults = &aResults;
    FSummary = aSummary;
    FSummaryLevels = aSummaryLevels;
    FResultsRun = aResults.RunAdd(run);
    FSummaryRun = aSummary ? aSummary->RunAdd(run) : 0;
    FReserved = false;
    FNext = int(aEntries.size()) - 1;
    FState = stpPlaying;
}

int TCheckEngine::HitCountByText(const TCheckRun::TContest& aContest, const TCheckRun::TBet& aBet)
{
    int count = 0;
    TryStrToInt(GetToken(CountHits(aContest.Numbers, aBet.Text), 2, u'|'), count);
    return count;
}

int TCheckEngine::Step()
{
    if (FNext < 0)
        return -1;
    if (!FReserved) {
        // Room for every row of the run at once, so that three million rows are not copied
        // again and again while the vector grows.
        std::size_t rowsPerContest = 0;
        for (const auto& group : FGroupBets)
            rowsPerContest += group.second + 2;
        std::size_t checked = 0;
        for (int e = 0; e <= FNext; ++e)
            checked += FStates[std::size_t(e)] == Qt::Checked ? 1 : 0;
        FResults->Reserve(std::size_t(FResults->RowCount() - 1) + checked * rowsPerContest);
        FReserved = true;
    }
    const int entry = FNext--;
    if (FStates[std::size_t(entry)] != Qt::Checked)
        return entry;
    const TCheckRun& run = *FRun;
    const TCheckRun::TContest& contest = run.Contests[std::size_t(entry)];
    const auto contestIndex = std::uint32_t(entry);
    for (std::uint32_t g = 0; g < FGroupBets.size(); ++g) {
        const auto [first, count] = FGroupBets[g];
        for (std::uint32_t b = first + count; b-- > first;) {
            const THits hits = HitsOf(contest, run.Bets[b]);
            FResults->ResultInsert(FResultsRun, contestIndex, b, hits.Mask, hits.Count, hits.ByMask);
            if (SummaryWanted(hits.Count))
                FSummary->ResultInsert(FSummaryRun, contestIndex, b, hits.Mask, hits.Count, hits.ByMask);
        }
        FResults->GroupHeadingInsert(FResultsRun, contestIndex, g);
    }
    return entry;
}

void TCheckEngine::ResultsFileRun(const QString& aFileName, std::array<std::int64_t, 7>& aLevelCounts)
{
    struct TCopy
    {
        std::uint32_t Contest;
        std::uint32_t Bet;
        THits Hits;
    };
    std::vector<TCopy> copies;
    std::vector<std::uint8_t> counts;
    for (const auto& group : FGroupBets)
        counts.resize(std::max<std::size_t>(counts.size(), group.second));
    std::array<bool, 8> wanted{}; // by hit count: one well-predicted test per bet
    for (int n = 0; n < 8; ++n)
        wanted[std::size_t(n)] = SummaryWanted(n);
    TResultsFileWriter out(aFileName);
    out.RunAdd(*FRun);
    const TCheckRun& run = *FRun;
    // Top of the grid first: the mirror of Step, which puts rows on top from the bottom up.
    for (int entry = 0; entry <= FNext; ++entry) {
        if (FStates[std::size_t(entry)] != Qt::Checked)
            continue;
        const TCheckRun::TContest& contest = run.Contests[std::size_t(entry)];
        const auto contestIndex = std::uint32_t(entry);
        for (std::uint32_t g = std::uint32_t(FGroupBets.size()); g-- > 0;) {
            out.Blank();
            out.Heading(0, contestIndex, g);
            const auto [first, count] = FGroupBets[g];
            if (contest.ByMask && FGroupPlain[g] &&
                out.ResultsPlain(0, contestIndex, first, count, FBetMasks.data() + first, contest.Mask,
                                 counts.data())) {
                // Four tallies side by side, so that equal counts in a row do not wait on one another;
                // summary copies are rare, so their test is well predicted.
                std::uint32_t tally[4][8] = {};
                for (std::uint32_t b = 0; b < count; ++b) {
                    const std::uint8_t hitCount = counts[b];
                    ++tally[b & 3][hitCount];
                    if (wanted[hitCount])
                        copies.push_back(
                            {contestIndex, first + b, {contest.Mask & FBetMasks[first + b], hitCount, true}});
                }
                for (std::size_t n = 0; n <= 6; ++n)
                    aLevelCounts[n] += tally[0][n] + tally[1][n] + tally[2][n] + tally[3][n];
                continue;
            }
            for (std::uint32_t b = first; b < first + count; ++b) {
                const THits hits = HitsOf(contest, run.Bets[b]);
                out.Result(0, contestIndex, b, hits.Mask, hits.Count, hits.ByMask);
                ++aLevelCounts[hits.Count >= 1 && hits.Count <= 6 ? std::size_t(hits.Count) : 0];
                if (SummaryWanted(hits.Count))
                    copies.push_back({contestIndex, b, hits});
            }
        }
    }
    out.Blank(); // the grid's own empty bottom row
    out.Commit();
    for (auto copy = copies.rbegin(); copy != copies.rend(); ++copy)
        FSummary->ResultInsert(FSummaryRun, copy->Contest, copy->Bet, copy->Hits.Mask, copy->Hits.Count,
                               copy->Hits.ByMask);
    Finish();
}

void TCheckEngine::PlayToggle()
{
    if (FState == stpPlaying)
        FState = stpPaused;
    else if (FState == stpPaused)
        FState = stpPlaying;
}

void TCheckEngine::Stop()
{
    if (FState == stpPlaying || FState == stpPaused)
        FState = stpStoped;
}

void TCheckEngine::Finish()
{
    FState = stpStoped;
    FNext = -1;
}

void TCheckEngine::Run(const std::function<void()>& aPauseWait, const std::function<void(int)>& aAfterStep)
{
    while (HasNext()) {
        if (FState == stpPaused) {
            if (!aPauseWait)
                return;
            aPauseWait();
        } else if (FState == stpStoped) {
            break;
        }
        const int entry = Step();
        if (aAfterStep)
            aAfterStep(entry);
    }
    Finish();
}
