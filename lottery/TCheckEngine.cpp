#include "lottery/TCheckEngine.h"

#include "util/TextUtils.h"

#include <algorithm>
#include <bit>

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
    for (const TBetGroup& group : aGroups) {
        const auto group_index = std::uint32_t(run->Groups.size());
        run->Groups.push_back({group.Name});
        FGroupBets.emplace_back(std::uint32_t(run->Bets.size()), std::uint32_t(group.Bets.size()));
        for (const QString& text : group.Bets) {
            TCheckRun::TBet bet;
            bet.Text = text;
            bet.ByMask = NumberMask(text, bet.Mask);
            bet.Group = group_index;
            run->Bets.push_back(std::move(bet));
        }
    }
    std::size_t rowsPerContest = 0;
    for (const auto& group : FGroupBets)
        rowsPerContest += group.second + 2;
    std::size_t checked = 0;
    for (const Qt::CheckState state : FStates)
        checked += state == Qt::Checked ? 1 : 0;
    aResults.Reserve(std::size_t(aResults.RowCount() - 1) + checked * rowsPerContest);

    FRun = run;
    FResults = &aResults;
    FSummary = aSummary;
    FSummaryLevels = aSummaryLevels;
    FResultsRun = aResults.RunAdd(run);
    FSummaryRun = aSummary ? aSummary->RunAdd(run) : 0;
    FNext = int(aEntries.size()) - 1;
    FState = stpPlaying;
}

int TCheckEngine::Step()
{
    if (FNext < 0)
        return -1;
    const int entry = FNext--;
    if (FStates[entry] != Qt::Checked)
        return entry;
    const TCheckRun& run = *FRun;
    const TCheckRun::TContest& contest = run.Contests[entry];
    const auto contestIndex = std::uint32_t(entry);
    const bool anySummary =
        FSummary && std::find(FSummaryLevels.begin(), FSummaryLevels.end(), true) != FSummaryLevels.end();
    for (std::uint32_t g = 0; g < FGroupBets.size(); ++g) {
        const auto [first, count] = FGroupBets[g];
        for (std::uint32_t b = first + count; b-- > first;) {
            const TCheckRun::TBet& bet = run.Bets[b];
            std::uint64_t hits = 0;
            int hitCount;
            const bool byMask = contest.ByMask && bet.ByMask;
            if (byMask) {
                hits = contest.Mask & bet.Mask;
                hitCount = std::popcount(hits);
            } else {
                TryStrToInt(GetToken(CountHits(contest.Numbers, bet.Text), 2, u'|'), hitCount);
            }
            FResults->ResultInsert(FResultsRun, contestIndex, b, hits, hitCount, byMask);
            if (anySummary && hitCount >= 1 && hitCount <= 6 && FSummaryLevels[hitCount - 1])
                FSummary->ResultInsert(FSummaryRun, contestIndex, b, hits, hitCount, byMask);
        }
        FResults->GroupHeadingInsert(FResultsRun, contestIndex, g);
    }
    return entry;
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
