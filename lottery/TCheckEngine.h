#pragma once

// A check run: every checked contest entry against every bet of the checked groups, one
// contest entry per Step, so that a screen can repaint, pause and stop between contests.
//
// Rows go on top of the results model in the order the results grid shows them: contests in
// list order (the first entry on top), within a contest one block per group from the lowest
// group of the list up to the highest, each block a blank row, the group heading and the
// group's bets in list order. A result whose hit count is enabled among the summary levels
// is also copied on top of the summary model. Rows of earlier runs stay below.

#include "lottery/CheckRules.h"
#include "lottery/TResultsModel.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

enum TStatusPlay
{
    stpStoped,
    stpPlaying,
    stpPaused
};

// A checked group: its name and its bets in list order.
struct TBetGroup
{
    QString Name;
    QStringList Bets;
};

class TCheckEngine
{
public:
    // Prepares a run and sets the state to playing. aGroups are the checked groups, top of
    // the group list first. aSummaryLevels[n - 1] enables copies of results with n hits
    // ("Incluir no Resumo"). The models must outlive the run; aSummary may be null.
    void Start(const std::vector<TContestEntry>& aEntries, const std::vector<TBetGroup>& aGroups,
               const std::array<bool, 6>& aSummaryLevels, TResultsModel& aResults, TResultsModel* aSummary);

    // True while contest entries remain to be processed.
    bool HasNext() const { return FNext >= 0; }
    // Processes the next contest entry (from the last entry of the list to the first; an
    // unchecked entry produces nothing) and returns its index; -1 when none remains. A step
    // processes its entry whole, whatever the state: pause and stop act between steps.
    int Step();

    // Playing -> paused; paused -> playing (btnPlay). Nothing when stopped.
    void PlayToggle();
    // Playing or paused -> stopped; the run ends before the next entry.
    void Stop();
    // Ends the run: stopped, nothing left to process.
    void Finish();
    TStatusPlay State() const { return FState; }

    // Drives a whole run: before each entry, a paused run calls aPauseWait (which returns
    // once the run is resumed or stopped; the entry is then processed even when stopped
    // during the wait), and a stopped run ends; aAfterStep gets each processed index.
    // Without aPauseWait, a paused run returns at once and can be driven on later.
    void Run(const std::function<void()>& aPauseWait = {}, const std::function<void(int)>& aAfterStep = {});

    int EntryCount() const { return FRun ? int(FRun->Contests.size()) : 0; }

    // For a run whose rows nobody looks at (the command line): instead of stepping, writes
    // the rows that the rest of the run would put on top of an empty results grid straight
    // to a results file, as TResultsModel::ResultsFileSave would write them, the grid's empty
    // bottom row included, and ends the run. Summary copies still go to the summary model.
    // aLevelCounts[n] is increased for every result row with n hits (index 0: "None").
    // Throws EInOutError when the file cannot be written.
    void ResultsFileRun(const QString& aFileName, std::array<std::int64_t, 7>& aLevelCounts);

private:
    struct THits
    {
        std::uint64_t Mask;
        int Count;
        bool ByMask;
    };
    static THits HitsOf(const TCheckRun::TContest& aContest, const TCheckRun::TBet& aBet)
    {
        if (aContest.ByMask && aBet.ByMask) {
            const std::uint64_t mask = aContest.Mask & aBet.Mask;
            return {mask, BitCount(mask), true};
        }
        return {0, HitCountByText(aContest, aBet), false};
    }
    static int HitCountByText(const TCheckRun::TContest& aContest, const TCheckRun::TBet& aBet);
    // Counted in registers: the portable build has no population-count instruction, and a
    // library call per bet would cost more than the rest of the count.
    static int BitCount(std::uint64_t aBits)
    {
        aBits -= (aBits >> 1) & 0x5555555555555555ULL;
        aBits = (aBits & 0x3333333333333333ULL) + ((aBits >> 2) & 0x3333333333333333ULL);
        aBits = (aBits + (aBits >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
        return int((aBits * 0x0101010101010101ULL) >> 56);
    }
    bool SummaryWanted(int aCount) const
    {
        return FSummary && aCount >= 1 && aCount <= 6 && FSummaryLevels[aCount - 1];
    }

    std::shared_ptr<TCheckRun> FRun;
    std::vector<Qt::CheckState> FStates;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> FGroupBets; // first bet, bet count
    std::vector<bool> FGroupPlain;                                   // every bet of the group is counted by mask
    std::vector<std::uint64_t> FBetMasks;                            // the mask of every bet
    std::array<bool, 6> FSummaryLevels{};
    TResultsModel* FResults = nullptr;
    TResultsModel* FSummary = nullptr;
    std::uint32_t FResultsRun = 0;
    bool FReserved = false;
    std::uint32_t FSummaryRun = 0;
    int FNext = -1;
    TStatusPlay FState = stpStoped;
};
