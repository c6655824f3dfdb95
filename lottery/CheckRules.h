#pragma once

// The checking rules that need no window: hit counting and naming, readiness of the marked
// groups, and the contest list offered for a check.

#include "lottery/TContestGrid.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

// "Sol" … "Sena" for 1 … 6 hits; "None" for 0 or more than 6.
QString LevelName(int aCount);

// The numbers hit, as a results row shows them, when the bet hits none.
inline constexpr char kNoHitsText[] = "None";

// The hit text of a bet against a contest's drawn numbers: the numbers hit (the drawn
// number's own text, in drawn order, joined by ";"; kNoHitsText when there is none), "|", the
// count, "|", LevelName(count). Two numbers are the same when they are the same whole number
// (4 hits a drawn 04); other tokens must be equal texts. Every equal pair counts.
// "04;15;23;38;41;60" against "02;04;23;33;41;52" gives "04;23;41|3|Terno".
QString CountHits(const QString& aDrawn, const QString& aBet);

// The numbers of a draw or bet as a set of bits (bit n for the number n). False when some
// token is not a whole number from 1 to 60, or a value repeats: such texts are counted by
// CountHits itself.
bool NumberMask(const QString& aNumbers, std::uint64_t& aMask);

// Whether the marked groups allow a check, under the options "Usar grupos de apostas
// marcados" (aGruposMarcados) and "Sempre escolher manualmente" (aGruposManual).
bool GroupsReady(bool aGruposMarcados, bool aGruposManual, int aGrupos, int aCheckeds);

// One entry of the contest list: the contest number is its caption, the drawn numbers its
// short description; only checked entries are processed.
struct TContestEntry
{
    QString Description;
    QString ShortDescription;
    Qt::CheckState State = Qt::Checked;
};

struct TContestListFill
{
    std::vector<TContestEntry> Entries; // newest first, all checked
    QString Message;                    // to show the user when there is nothing to offer
    bool Show = true;                   // false when the checking screen should not show
    QStringList Log;                    // the drawn numbers of each entry, for the progress box
};

// The contest list from the results grid's data rows (top first) under the options
// "Usar somente novos concursos" (aNovos: the rows marked "Novo") and "Usar Ultimos"
// (aUltimos: the newest aUltimosValue rows). aProgress (position, maximum) returning false
// cancels; the entries taken so far remain.
TContestListFill ContestListFill(const std::vector<TContestRow>& aGridRows, bool aNovos, bool aUltimos,
                                 int aUltimosValue, const std::function<bool(int, int)>& aProgress = {});
