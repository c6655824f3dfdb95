#include "lottery/CheckRules.h"

#include "util/TextUtils.h"

#include <algorithm>

namespace {

// Token equality of CountHits: the same whole number, or the same text.
bool SameNumber(const QString& aDrawn, int aDrawnValue, bool aDrawnIsNumber, const QString& aBet)
{
    int value = 0;
    if (aDrawnIsNumber && TryStrToInt(aBet, value))
        return value == aDrawnValue;
    return aDrawn == aBet;
}

QStringList Tokens(const QString& aText)
{
    return aText.isEmpty() ? QStringList() : aText.split(u';');
}

} // namespace

QString LevelName(int aCount)
{
    switch (aCount) {
    case 1:
        return QStringLiteral("Sol");
    case 2:
        return QStringLiteral("Duque");
    case 3:
        return QStringLiteral("Terno");
    case 4:
        return QStringLiteral("Quadra");
    case 5:
        return QStringLiteral("Quina");
    case 6:
        return QStringLiteral("Sena");
    default:
        return QStringLiteral("None");
    }
}

QString CountHits(const QString& aDrawn, const QString& aBet)
{
    const QStringList drawn = Tokens(aDrawn);
    const QStringList bet = Tokens(aBet);
    QString hits;
    int count = 0;
    for (const QString& c : drawn) {
        if (c.isEmpty())
            continue; // an empty token is no number and hits nothing
        int value = 0;
        const bool isNumber = TryStrToInt(c, value);
        for (const QString& b : bet) {
            if (b.isEmpty() || !SameNumber(c, value, isNumber, b))
                continue;
            hits += c;
            hits += u';';
            ++count;
        }
    }
    if (hits.isEmpty())
        hits = QString::fromLatin1(kNoHitsText);
    else
        hits.chop(1);
    return hits + u'|' + QString::number(count) + u'|' + LevelName(count);
}

bool NumberMask(const QString& aNumbers, std::uint64_t& aMask)
{
    aMask = 0;
    if (aNumbers.isEmpty())
        return true;
    for (const QStringView token : QStringView(aNumbers).split(u';')) {
        int value = 0;
        if (!TryDigitsToInt(token, 2, value) && !TryStrToInt(token.toString(), value))
            return false;
        if (value < 1 || value > 60)
            return false;
        const std::uint64_t bit = std::uint64_t(1) << value;
        if (aMask & bit)
            return false;
        aMask |= bit;
    }
    return true;
}

bool GroupsReady(bool aGruposMarcados, bool aGruposManual, int aGrupos, int aCheckeds)
{
    if (aGruposMarcados)
        return aGrupos > 0 && aCheckeds > 0;
    if (aGruposManual)
        return aCheckeds > 0;
    return false;
}

TContestListFill ContestListFill(const std::vector<TContestRow>& aGridRows, bool aNovos, bool aUltimos,
                                 int aUltimosValue, const std::function<bool(int, int)>& aProgress)
{
    TContestListFill fill;
    std::vector<int> rows;
    if (aNovos) {
        for (int r = 0; r < int(aGridRows.size()); ++r)
            if (aGridRows[r].Sorte == u"Novo")
                rows.push_back(r);
        if (rows.empty()) {
            fill.Message = QStringLiteral("Não há novos concursos cadastrados.");
            fill.Show = false;
            return fill;
        }
    } else if (aUltimos) {
        if (aGridRows.empty()) {
            fill.Message = QStringLiteral("Não há concursos lançados");
            fill.Show = false;
            return fill;
        }
        const int count = std::min(aUltimosValue, int(aGridRows.size()));
        for (int r = 0; r < count; ++r)
            rows.push_back(r);
    }
    const int maximum = aNovos ? int(aGridRows.size()) : int(rows.size());
    for (const int r : rows) {
        if (aProgress && !aProgress(r + 1, maximum))
            break;
        const TContestRow& row = aGridRows[r];
        fill.Log.append(row.Numbers);
        fill.Entries.push_back({row.Number, row.Numbers, Qt::Checked});
    }
    return fill;
}
