#include "lottery/TCheckRun.h"

#include "util/TextUtils.h"

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

QString ResultHitsText(const TCheckRun::TContest& aContest, const QString& aBet, std::uint64_t aHits, bool aByMask)
{
    if (!aByMask)
        return CountHits(aContest.Numbers, aBet).section(u'|', 0, 0);
    QString hits;
    for (std::size_t t = 0; t < aContest.Values.size(); ++t)
        if (aHits >> aContest.Values[t] & 1) {
            if (!hits.isEmpty())
                hits += u';';
            hits += aContest.Token(t);
        }
    return hits.isEmpty() ? QString::fromLatin1(kNoHitsText) : hits;
}

QByteArray ResultLine(const TResultTexts& aTexts)
{
    QByteArray line;
    for (int c = 0; c < 5; ++c) {
        if (c > 0)
            line += '\t';
        line += aTexts[c].toUtf8();
    }
    return line;
}
